// Stand-in until the real implementation lands.
#include "globals/encoding_core.h"

int EncodingCode(const std::string&) { return kEncodingUnknown; }
std::string SjisToEuc(const std::string& s, const MultiByteTable&) { return s; }
std::string EucToSjis(const std::string& s) { return s; }
std::string SjisToJis(const std::string& s, const MultiByteTable&) { return s; }
std::string JisToSjis(const std::string& s) { return s; }
std::string Utf16ToUtf8(const std::string& s) { return s; }
std::string Utf8ToUtf16(const std::string& s) { return s; }
