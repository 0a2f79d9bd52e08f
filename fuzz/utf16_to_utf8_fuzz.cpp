// Fuzzes Utf16ToUtf8; every unit, surrogates included, must come back from Utf8ToUtf16.
#include "globals/encoding_core.h"

#include <stdlib.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string utf16(reinterpret_cast<const char*>(data), size);
    std::string utf8 = Utf16ToUtf8(utf16);
    if (utf8.size() > 3 * (size / 2)) abort();
    if (Utf8ToUtf16(utf8) != utf16.substr(0, size & ~size_t(1))) abort();
    return 0;
}
