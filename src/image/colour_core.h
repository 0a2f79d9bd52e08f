// Colour records and the parsing of colour texts; free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

// One colour, each component 0 to 255; a is opacity (255 opaque).
struct Colour {
    uint32_t r, g, b, a;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

// The packed number 0xAARRGGBB of a colour, and back.
inline uint32_t PackColour(const Colour& c) { return c.a << 24 | c.r << 16 | c.g << 8 | c.b; }
inline Colour UnpackColour(uint32_t v) { return {(v >> 16) & 255, (v >> 8) & 255, v & 255, v >> 24}; }

// The platform colour index of an "@" name (matched without case, the "@" included),
// or -1 for a name the desktop scheme does not have.
int SystemColourIndex(const char* text, size_t length);

// The colour a text names: "#RRGGBB" (opaque), "#AARRGGBB", "@" names of the desktop
// scheme (systemColour answers 0x00BBGGRR for an index), then the colour names
// without case. Any other text is opaque black.
Colour ColourFromText(const char* text, size_t length, uint32_t (*systemColour)(int index));
