// Fuzzes the colour texts with any bytes (colour_fuzz.dict holds the names). Components
// stay within a byte; "@" names the scheme knows take the scheme's colour, opaque; "#"
// texts of other lengths and unknown texts are opaque; no text depends on the case of
// its letters.
#include "check.h"
#include "image/colour_core.h"

#include <string>

namespace {
uint32_t FakeScheme(int index) {
    Check(index >= 0 && index <= 24);
    return 0x010203u * static_cast<uint32_t>(index + 1) & 0xFFFFFFu;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const Colour c = ColourFromText(text, size, FakeScheme);
    Check(c.r < 256 && c.g < 256 && c.b < 256 && c.a < 256);
    Check(UnpackColour(PackColour(c)) == c);
    const bool hashAlpha = size == 9 && text[0] == '#';
    if (!hashAlpha) Check(c.a == 255);
    std::string upper(text, size);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    Check(ColourFromText(upper.data(), size, FakeScheme) == c);
    const int index = SystemColourIndex(text, size);
    Check(index >= -1 && index <= 24);
    if (index >= 0) {
        Check(size > 0 && text[0] == '@');
        const uint32_t bgr = FakeScheme(index);
        Check(c == Colour{bgr & 255, (bgr >> 8) & 255, bgr >> 16, 255});
        Check(ColourFromText(text, size, nullptr) == Colour{0, 0, 0, 255});
    }
    return 0;
}
