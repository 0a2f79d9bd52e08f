// What the fuzz targets of the Japanese conversions count as text that must come back
// unchanged: ASCII, half-width katakana and Shift_JIS pairs of JIS X 0208 rows 1-94.
#pragma once

#include <string>

#include "object/multibyte.h"

// escapes: whether the ESC byte counts as text (it starts a mode switch in ISO-2022-JP).
inline bool IsRoundTripShiftJis(const std::string& s, bool escapes) {
    const MultiByteTable& sjis = ShiftJisTable();
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned b = static_cast<unsigned char>(s[i]);
        if (b == 0x1B && !escapes) return false;
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF)) continue;
        if (b > 0xEF || !sjis.IsPair(reinterpret_cast<const uint8_t*>(s.data()), s.size(), i)) return false;
        ++i;
    }
    return true;
}
