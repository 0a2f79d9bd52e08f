// The settings file's numbers.
#include "editor/ini_value_core.h"

#include <stdlib.h>

int32_t ParseIniDecimal(const std::string& text) { return static_cast<int32_t>(atoi(text.c_str())); }

uint32_t ParseIniHex(const std::string& text) {
    uint32_t value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = value * 16 + static_cast<uint32_t>(c - '0');
        } else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
            value = value * 16 + static_cast<uint32_t>((c | 0x20) - 'a' + 10);
        }
    }
    return value;
}
