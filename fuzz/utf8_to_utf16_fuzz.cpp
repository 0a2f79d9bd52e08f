// Fuzzes Utf8ToUtf16; well-formed UTF-8 of one- to three-byte sequences (surrogate
// code points included, as the writer makes them) must come back from Utf16ToUtf8.
#include "globals/encoding_core.h"

#include <stdlib.h>

namespace {
bool IsShortUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        unsigned b = static_cast<unsigned char>(s[i]);
        size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 0;
        if (len == 0 || i + len > s.size()) return false;
        unsigned u = len == 1 ? b : len == 2 ? b & 0x1F : b & 0x0F;
        for (size_t k = 1; k < len; ++k) {
            unsigned c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            u = (u << 6) | (c & 0x3F);
        }
        if ((len == 2 && u < 0x80) || (len == 3 && u < 0x800)) return false;  // overlong
        i += len;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string utf8(reinterpret_cast<const char*>(data), size);
    std::string utf16 = Utf8ToUtf16(utf8);
    if (utf16.size() > 2 * size || utf16.size() % 2) abort();
    if (IsShortUtf8(utf8) && Utf16ToUtf8(utf16) != utf8) abort();
    return 0;
}
