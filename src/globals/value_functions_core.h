// Backslash escapes of narrow text, byte by byte; free of platform headers.
#pragma once

#include <string>

// Each backslash and the byte after it become one byte (\a \b \t \n \v \f \r \" \'
// \0 \\); a pair with any other second byte, and a backslash at the very end, are
// dropped. Escaped NULs stay in the result.
inline std::string UnescapeBytes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) break;
        switch (text[i]) {
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'v': out += '\v'; break;
        case 'f': out += '\f'; break;
        case 'r': out += '\r'; break;
        case '"': out += '"'; break;
        case '\'': out += '\''; break;
        case '0': out += '\0'; break;
        case '\\': out += '\\'; break;
        default: break;
        }
    }
    return out;
}
