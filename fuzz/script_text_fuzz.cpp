// Fuzzes the byte-order marks of script files with any bytes. The text lies within the
// input, after the mark its encoding names and before the first NUL (NUL unit); UTF-16
// units written out again are the text's bytes.
#include "check.h"
#include "host/script_text_core.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const ScriptTextSpan span = ScriptTextSpanOf(bytes, size);
    Check(span.start <= size && span.length <= size - span.start);
    const unsigned char* text = data + span.start;
    const size_t end = span.start + span.length;
    const bool utf16Mark = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    switch (span.encoding) {
    case ScriptEncoding::Utf16: {
        Check(utf16Mark && span.start == 2 && span.length % 2 == 0);
        Check(end + 1 >= size || (data[end] == 0 && data[end + 1] == 0));
        const std::u16string units = Utf16LeUnits(bytes + span.start, span.length);
        Check(units.size() == span.length / 2);
        for (size_t i = 0; i < units.size(); ++i) {
            Check(units[i] != 0);
            Check(text[2 * i] == (units[i] & 0xFF) && text[2 * i + 1] == units[i] >> 8);
        }
        return 0;
    }
    case ScriptEncoding::Utf8:
        Check(span.start == 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF);
        break;
    case ScriptEncoding::Ansi:
        Check(!utf16Mark && span.start == 0);
        Check(span.length < 3 || !(data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF));
        break;
    }
    Check(memchr(text, 0, span.length) == nullptr);
    Check(end == size || data[end] == 0);
    return 0;
}
