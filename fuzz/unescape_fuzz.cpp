// Fuzzes the backslash escapes with any bytes: the result is never longer than the text,
// text without a backslash stays as it is, and any bytes escaped come back unchanged.
#include "check.h"
#include "globals/value_functions_core.h"

#include <string.h>

#include <string>

namespace {
std::string Escape(const std::string& bytes) {
    static const char kPlain[] = "\a\b\t\n\v\f\r\"'\\";
    static const char kLetter[] = "abtnvfr\"'\\";
    std::string out;
    for (char c : bytes) {
        const char* at = c ? static_cast<const char*>(memchr(kPlain, c, sizeof kPlain - 1)) : nullptr;
        if (c == '\0') out += "\\0";
        else if (at) out += {'\\', kLetter[at - kPlain]};
        else out += c;
    }
    return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string out = UnescapeBytes(text);
    Check(out.size() <= text.size());
    if (text.find('\\') == std::string::npos) Check(out == text);
    Check(UnescapeBytes(Escape(text)) == text);
    return 0;
}
