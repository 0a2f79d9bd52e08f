// Where a script file's text lies in its bytes and how it is encoded. Free of
// platform headers: the conversion of UTF-8 and ANSI bytes is the platform's.
#pragma once

#include <stddef.h>

#include <string>

enum class ScriptEncoding { Ansi, Utf8, Utf16 };

struct ScriptTextSpan {
    ScriptEncoding encoding;
    size_t start;   // bytes of the byte-order mark before the text
    size_t length;  // bytes of text after the mark
};

// A UTF-8 or UTF-16 LE byte-order mark names the encoding and is left out; text
// without one is in the ANSI code page. The text ends at its first NUL (a NUL unit in
// UTF-16, whose odd last byte is dropped).
ScriptTextSpan ScriptTextSpanOf(const char* bytes, size_t size);

// The UTF-16 LE units of length bytes (an even count).
std::u16string Utf16LeUnits(const char* bytes, size_t length);
