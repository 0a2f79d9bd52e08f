// The formatter: walks the format, renders each conversion with the C run-time's printf.
#include "globals/format_core.h"

#include "object/numeric.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

namespace {
constexpr size_t kBufferSize = 8192;

bool IsSpecChar(char c) {
    return c == ' ' || c == '+' || c == '-' || c == '#' || (c >= '0' && c <= '9') || c == '.' || c == 'h' ||
           c == 'l' || c == 'L';
}

enum class Kind { None, Floating, Integer, String, Binary };

Kind KindOf(char c) {
    switch (c) {
    case 'e': case 'f': case 'g': case 'E': case 'G':
        return Kind::Floating;
    case 'd': case 'i': case 'o': case 'u': case 'x': case 'X': case 'c':
        return Kind::Integer;
    case 's':
        return Kind::String;
    case 'b':
        return Kind::Binary;
    default:
        return Kind::None;
    }
}

// Length letters are passed on only where they cannot make the renderer read a wider
// argument than the one passed (a double, an int, or a narrow string): "%lld" or
// "%ls" would otherwise read past the value.
std::string RenderSpec(const std::string& spec, char letter) {
    std::string out;
    out.reserve(spec.size() + 1);
    bool keptH = false;
    for (char c : spec) {
        if (c == 'h' || c == 'l' || c == 'L') {
            if (letter == 'c' && c != 'L') out += c;
            else if (KindOf(letter) == Kind::Integer && c == 'h' && !keptH) { out += c; keptH = true; }
            continue;
        }
        out += c;
    }
    out += letter;
    return out;
}

// Renders into a buffer of kBufferSize bytes; at most kBufferSize - 1 bytes are
// written and the last byte always stays 0.
void Render(char* buffer, const char* spec, ...) {
    buffer[0] = '\0';
    buffer[kBufferSize - 1] = '\0';
    va_list ap;
    va_start(ap, spec);
#ifdef _WIN32
    _vsnprintf(buffer, kBufferSize - 1, spec, ap);
#else
    vsnprintf(buffer, kBufferSize, spec, ap);
#endif
    va_end(ap);
}
}  // namespace

std::string FormatBinary(const std::string& spec, uint32_t value) {
    char pad = ' ';
    size_t i = 0;
    for (; i < spec.size(); ++i) {
        char c = spec[i];
        if (c == '%' || c == '-' || c == '+' || c == '#') continue;
        if (c == ' ') pad = ' ';
        else if (c == '0') pad = '0';
        else break;
    }
    size_t width = 0;
    for (; i < spec.size() && spec[i] >= '0' && spec[i] <= '9'; ++i) {
        width = width * 10 + static_cast<size_t>(spec[i] - '0');
        if (width > kBufferSize - 1) width = kBufferSize - 1;  // one rendering's limit
    }
    std::string digits;
    for (int bit = 31; bit >= 0; --bit) {
        bool one = (value >> bit) & 1u;
        if (one || !digits.empty()) digits += one ? '1' : '0';
    }
    if (digits.empty()) digits = "0";
    if (digits.size() < width) digits.insert(0, width - digits.size(), pad);
    return digits;
}

std::string FormatText(const std::string& format, const FormatValues& values) {
    std::string out;
    char buffer[kBufferSize];
    size_t next = 0;
    const char* p = format.c_str();  // the format ends at its first NUL byte
    while (*p) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        std::string spec = "%";
        ++p;
        while (*p && IsSpecChar(*p)) spec += *p++;
        char letter = *p;
        if (letter == '\0') break;
        ++p;
        if (letter == '%') {
            out += '%';
            continue;
        }
        Kind kind = KindOf(letter);
        if (kind == Kind::None) {
            out += letter;
            continue;
        }
        if (next >= values.count()) continue;
        size_t index = next++;
        switch (kind) {
        case Kind::Floating:
            Render(buffer, RenderSpec(spec, letter).c_str(), values.Number(index));
            out += buffer;
            break;
        case Kind::Integer:
            Render(buffer, RenderSpec(spec, letter).c_str(), static_cast<int>(TruncateToInt32(values.Number(index))));
            out += buffer;
            break;
        case Kind::String: {
            std::string text = values.Text(index);
            Render(buffer, RenderSpec(spec, letter).c_str(), text.c_str());
            out += buffer;
            break;
        }
        case Kind::Binary:
            out += FormatBinary(spec + letter, static_cast<uint32_t>(TruncateToInt32(values.Number(index))));
            break;
        case Kind::None:
            break;
        }
    }
    return out;
}
