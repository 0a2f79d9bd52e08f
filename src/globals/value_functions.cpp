// The engine-specific value functions: characters and codes, integer truncation,
// and the narrow-text round trips.
#include "globals/value_functions.h"

#include "globals/value_functions_core.h"
#include "object/numeric.h"

namespace {
// One numeric argument, truncated; the caller returns status unless it is S_OK.
HRESULT TruncatedArg(const ArgList& args, int32_t* value) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    if (!args[0].IsNumeric()) return DISP_E_TYPEMISMATCH;
    *value = TruncateToInt32(args[0].ToNumber());
    return S_OK;
}

com_var WideString(const wchar_t* s, UINT len) {
    com_var v;
    v.v.bstrVal = SysAllocStringLen(s, len);
    if (v.v.bstrVal) v.v.vt = VT_BSTR;
    return v;
}
}  // namespace

HRESULT f_chr(NScript*, ArgList& args, com_var& result) {
    int32_t code = 0;
    HRESULT hr = TruncatedArg(args, &code);
    if (hr != S_OK) return hr;
    wchar_t unit = static_cast<wchar_t>(static_cast<uint32_t>(code) & 0xFFFF);
    result = WideString(&unit, unit ? 1 : 0);
    return S_OK;
}

HRESULT f_ord(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    if (!args[0].IsString()) return DISP_E_TYPEMISMATCH;
    BSTR s = args[0].StringValue();
    result = com_var(static_cast<double>(s && SysStringLen(s) > 0 ? s[0] : 0));
    return S_OK;
}

HRESULT f_str(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    result = com_var(args[0].ToText());
    return S_OK;
}

HRESULT f_int(NScript*, ArgList& args, com_var& result) {
    int32_t value = 0;
    HRESULT hr = TruncatedArg(args, &value);
    if (hr != S_OK) return hr;
    result = com_var(static_cast<double>(value));
    return S_OK;
}

HRESULT f_uint(NScript*, ArgList& args, com_var& result) {
    int32_t value = 0;
    HRESULT hr = TruncatedArg(args, &value);
    if (hr != S_OK) return hr;
    result = com_var(static_cast<double>(static_cast<uint32_t>(value)));
    return S_OK;
}

HRESULT f_cstr(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    // The narrow text of a string already ends at its first NUL character.
    std::string text = args[0].ToText();
    result = com_var(text.c_str());
    return S_OK;
}

HRESULT f_esc(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    if (!args[0].IsString()) return DISP_E_TYPEMISMATCH;
    std::string bytes = UnescapeBytes(args[0].ToText());
    result = com_var(bytes.data(), static_cast<int>(bytes.size()));
    return S_OK;
}
