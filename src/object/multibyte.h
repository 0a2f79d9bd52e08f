// Lead-byte and trail-byte tables of a narrow character set. Free of platform
// headers, so the byte conversions and the scanner that step over double-byte
// characters build natively as well.
#pragma once

#include <stddef.h>
#include <stdint.h>

struct MultiByteTable {
    bool lead[256];
    bool trail[256];

    bool IsLead(uint8_t b) const { return lead[b]; }
    bool IsTrail(uint8_t b) const { return trail[b]; }
    // True when bytes[i] starts a two-byte character that lies wholly inside n bytes.
    bool IsPair(const uint8_t* bytes, size_t n, size_t i) const {
        return i + 1 < n && lead[bytes[i]] && trail[bytes[i + 1]];
    }
};

// Shift_JIS (code page 932): leads 0x81-0x9F and 0xE0-0xFC, trails 0x40-0x7E and 0x80-0xFC.
const MultiByteTable& ShiftJisTable();
// A single-byte set: no lead bytes.
const MultiByteTable& SingleByteTable();
