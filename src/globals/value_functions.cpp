// Stand-in until the real implementation lands.
#include "globals/value_functions.h"

HRESULT f_chr(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_ord(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_str(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_int(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_uint(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_cstr(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_esc(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
