// Fuzzes SjisToJis; valid Shift_JIS of rows 1-94 without ESC bytes must come back
// unchanged from JisToSjis; the output has no high bits and, unless the text
// itself holds ESC, never ends with a switch to two-byte mode.
#include "globals/encoding_core.h"
#include "shift_jis_text.h"

#include <stdlib.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string sjis(reinterpret_cast<const char*>(data), size);
    std::string jis = SjisToJis(sjis);
    if (jis.size() > 5 * sjis.size() + 3) abort();
    for (char c : jis)
        if (c & 0x80) abort();
    bool escapes = sjis.find('\x1B') != std::string::npos;
    if (!escapes && jis.size() >= 3 && jis.compare(jis.size() - 3, 3, "\x1B$B") == 0) abort();
    if (IsRoundTripShiftJis(sjis, false) && JisToSjis(jis) != sjis) abort();
    return 0;
}
