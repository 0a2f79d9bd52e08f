// The byte-order marks of script files.
#include "host/script_text_core.h"

#include <string.h>

ScriptTextSpan ScriptTextSpanOf(const char* bytes, size_t size) {
    const unsigned char* u = reinterpret_cast<const unsigned char*>(bytes);
    if (size >= 2 && u[0] == 0xFF && u[1] == 0xFE) {
        size_t end = 2;
        while (end + 1 < size && (u[end] | u[end + 1]) != 0) end += 2;
        return {ScriptEncoding::Utf16, 2, end - 2};
    }
    size_t length = strnlen(bytes, size);
    if (length >= 3 && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF) return {ScriptEncoding::Utf8, 3, length - 3};
    return {ScriptEncoding::Ansi, 0, length};
}

std::u16string Utf16LeUnits(const char* bytes, size_t length) {
    const unsigned char* u = reinterpret_cast<const unsigned char*>(bytes);
    std::u16string units(length / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(u[2 * i] | u[2 * i + 1] << 8);
    return units;
}
