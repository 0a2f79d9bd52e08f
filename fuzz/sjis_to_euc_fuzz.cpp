// Fuzzes SjisToEuc under Shift_JIS and under a wider double-byte table; valid
// Shift_JIS of rows 1-94 must come back unchanged from EucToSjis.
#include "globals/encoding_core.h"
#include "shift_jis_text.h"

#include <stdlib.h>

namespace {
const MultiByteTable& WideTable() {
    static const MultiByteTable table = [] {
        MultiByteTable t{};
        for (int b = 0x81; b <= 0xFE; ++b) t.lead[b] = true;
        for (int b = 0x40; b <= 0xFE; ++b) t.trail[b] = b != 0x7F;
        return t;
    }();
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size == 0) return 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const MultiByteTable& table = (data[0] & 1) ? WideTable() : ShiftJisTable();
    std::string euc = SjisToEuc(text, table);
    if (euc.size() > 2 * text.size()) abort();
    if (&table == &ShiftJisTable() && IsRoundTripShiftJis(text, true) && EucToSjis(euc) != text) abort();
    return 0;
}
