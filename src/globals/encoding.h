// Text encodings between narrow text and external bytes, and the global functions
// encode and decode.
#pragma once

#include <string>

#include "globals/encoding_core.h"
#include "object/arg_list.h"

class NScript;

// Narrow text to UTF-16 little-endian bytes and back, through the platform with the
// ANSI code page; NUL bytes are kept, an odd final byte is ignored.
std::string NarrowToUtf16(const std::string& narrow);
std::string Utf16ToNarrow(const std::string& utf16);

// Narrow text to the external bytes of an encoding code, and back. Unknown codes
// pass the bytes unchanged.
std::string ToExternal(int code, const std::string& narrow);
std::string FromExternal(int code, const std::string& bytes);

HRESULT f_encode(NScript* script, ArgList& args, com_var& result);
HRESULT f_decode(NScript* script, ArgList& args, com_var& result);
