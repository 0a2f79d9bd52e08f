// Fuzzes EucToSjis; well-formed EUC-JP of JIS X 0208 rows 1-94, ASCII and half-width
// katakana must come back unchanged from SjisToEuc.
#include "globals/encoding_core.h"

#include <stdlib.h>

namespace {
bool IsRoundTripEuc(const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) continue;
        if (i + 1 >= s.size()) return false;
        unsigned next = static_cast<unsigned char>(s[++i]);
        if (b == 0x8E ? !(next >= 0xA1 && next <= 0xDF) : !(b >= 0xA1 && b <= 0xFE && next >= 0xA1 && next <= 0xFE))
            return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string euc(reinterpret_cast<const char*>(data), size);
    std::string sjis = EucToSjis(euc);
    if (sjis.size() > euc.size()) abort();
    if (IsRoundTripEuc(euc) && SjisToEuc(sjis) != euc) abort();
    return 0;
}
