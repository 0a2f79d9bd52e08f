// The printf-style formatter behind printf, sprintf and File.printf. Free of platform
// headers: the values come through an interface, and the output is narrow text.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

class FormatValues {
public:
    virtual ~FormatValues() = default;
    virtual size_t count() const = 0;
    virtual double Number(size_t i) const = 0;
    virtual std::string Text(size_t i) const = 0;
};

// Formats values[0..] by format. Never fails: conversions without a value output
// nothing, unknown conversions output their letter, renderings are cut to 8191 bytes.
std::string FormatText(const std::string& format, const FormatValues& values);

// The %b conversion: base-2 digits of value, padded on the left to the spec's width.
std::string FormatBinary(const std::string& spec, uint32_t value);
