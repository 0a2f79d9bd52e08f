// Fuzzes the settings file's numbers with any bytes. Hexadecimal reads only the hex
// digits, so the text with everything else taken out reads the same, and every number
// written in hex (either case) reads back; decimal reads a sign and up to nine digits
// as the number they write.
#include "check.h"
#include "editor/ini_value_core.h"

#include <stdio.h>
#include <string.h>

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const uint32_t hex = ParseIniHex(text);
    std::string digits;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')) digits += c;
    }
    Check(ParseIniHex(digits) == hex);
    char written[16];
    snprintf(written, sizeof written, (size & 1) ? "%X" : "%x", hex);
    Check(ParseIniHex(written) == hex);

    const int32_t decimal = ParseIniDecimal(text);
    size_t i = 0;
    while (i < size && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    size_t start = i;
    if (i < size && (text[i] == '-' || text[i] == '+')) ++i;
    size_t first = i;
    while (i < size && i - first < 10 && text[i] >= '0' && text[i] <= '9') ++i;
    if (i - first <= 9 && (i == size || text[i] < '0' || text[i] > '9')) {
        int32_t expected = 0;
        for (size_t k = first; k < i; ++k) expected = expected * 10 + (text[k] - '0');
        if (first > start && text[start] == '-') expected = -expected;
        Check(decimal == expected);
    }
    return 0;
}
