// The engine-specific value functions: chr, ord, str, int, uint, cstr (JScript)
// and esc, cstring (VBScript).
#pragma once

#include "object/arg_list.h"

class NScript;

HRESULT f_chr(NScript* script, ArgList& args, com_var& result);
HRESULT f_ord(NScript* script, ArgList& args, com_var& result);
HRESULT f_str(NScript* script, ArgList& args, com_var& result);
HRESULT f_int(NScript* script, ArgList& args, com_var& result);
HRESULT f_uint(NScript* script, ArgList& args, com_var& result);
HRESULT f_cstr(NScript* script, ArgList& args, com_var& result);
HRESULT f_esc(NScript* script, ArgList& args, com_var& result);
