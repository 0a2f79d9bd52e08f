// The host's own byte arithmetic between Shift_JIS narrow text, EUC-JP, ISO-2022-JP,
// UTF-16 little-endian bytes and UTF-8. Free of platform headers. Every conversion
// takes a byte string and returns a new one; none fails or reads outside its input.
#pragma once

#include <string>

#include "object/multibyte.h"

// Encoding codes, in the order of their names: "ascii" 0, "sjis" 1, "euc" 2,
// "jis" 3, "utf16" 4, "utf8" 5.
enum Encoding : int {
    kEncodingUnknown = -1,
    kEncodingAscii = 0,
    kEncodingSjis = 1,
    kEncodingEuc = 2,
    kEncodingJis = 3,
    kEncodingUtf16 = 4,
    kEncodingUtf8 = 5,
};

// The code of an encoding name, compared without regard to case; -1 when unknown.
int EncodingCode(const std::string& name);

// Shift_JIS pairs (as the narrow set's table defines them) to JIS X 0208 row and
// cell with the high bits set; half-width katakana to 0x8E and the byte.
std::string SjisToEuc(const std::string& sjis, const MultiByteTable& narrow = ShiftJisTable());
// The way back; three-byte JIS X 0212 characters are dropped, and so is a character
// cut off by the end of the input.
std::string EucToSjis(const std::string& euc);
// SjisToEuc, then two-byte runs between ESC $ B and ESC ( B with the high bits cleared.
std::string SjisToJis(const std::string& sjis, const MultiByteTable& narrow = ShiftJisTable());
// The way back: ESC $ @ / ESC $ B and ESC ( B / ESC ( J switch modes.
std::string JisToSjis(const std::string& jis);
// Each UTF-16 unit on its own (surrogates are not combined) as one to three bytes.
// An odd final byte is ignored.
std::string Utf16ToUtf8(const std::string& utf16);
// UTF-8 to UTF-16 little-endian bytes; sequences longer than three bytes are dropped,
// and so is a sequence cut off by the end of the input.
std::string Utf8ToUtf16(const std::string& utf8);
