// Stand-in until the real implementation lands.
#include "globals/encoding.h"

const MultiByteTable& NarrowTable() { return ShiftJisTable(); }
std::string NarrowToUtf16(const std::string& s) { return s; }
std::string Utf16ToNarrow(const std::string& s) { return s; }
std::string ToExternal(int, const std::string& s) { return s; }
std::string FromExternal(int, const std::string& s) { return s; }
HRESULT f_encode(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_decode(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
