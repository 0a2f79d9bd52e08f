// The two fixed multi-byte tables.
#include "object/multibyte.h"

namespace {
MultiByteTable MakeShiftJis() {
    MultiByteTable t{};
    for (int b = 0; b < 256; ++b) {
        t.lead[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        t.trail[b] = (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
    }
    return t;
}
}  // namespace

const MultiByteTable& ShiftJisTable() {
    static const MultiByteTable table = MakeShiftJis();
    return table;
}

const MultiByteTable& SingleByteTable() {
    static const MultiByteTable table{};
    return table;
}
