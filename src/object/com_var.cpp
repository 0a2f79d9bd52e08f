// com_var: copying, clearing and the ToNumber/ToText/ToDispatch conversions.
#include "object/com_var.h"

#include "object/com_ptr.h"
#include "object/numeric.h"
#include "object/text.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

namespace {
const VARIANT& Deref(const VARIANT& src) {
    if (V_VT(&src) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&src)) return *V_VARIANTREF(&src);
    return src;
}

// The type without VT_BYREF, and a pointer to the stored scalar either way.
VARTYPE BaseType(const VARIANT& v) { return V_VT(&v) & ~VT_BYREF; }
bool IsRef(const VARIANT& v) { return (V_VT(&v) & VT_BYREF) != 0; }
}  // namespace

com_var::com_var(const VARIANT& src) {
    VariantInit(&v);
    VariantCopy(&v, const_cast<VARIANT*>(&Deref(src)));
}

com_var::com_var(const char* text, int len) {
    VariantInit(&v);
    std::wstring w = ToWide(text, len);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
}

com_var::com_var(const std::string& text) : com_var(text.data(), static_cast<int>(text.size())) {}

com_var::com_var(IDispatch* d) noexcept {
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = d;
    if (d) d->AddRef();
}

com_var::com_var(const com_var& o) {
    VariantInit(&v);
    VariantCopy(&v, const_cast<VARIANT*>(&o.v));
}

com_var& com_var::operator=(const com_var& o) {
    if (this != &o) assign(o.v);
    return *this;
}

com_var& com_var::operator=(com_var&& o) noexcept {
    if (this != &o) {
        VariantClear(&v);
        v = o.v;
        VariantInit(&o.v);
    }
    return *this;
}

void com_var::assign(const VARIANT& src) {
    VARIANT tmp;
    VariantInit(&tmp);
    VariantCopy(&tmp, const_cast<VARIANT*>(&Deref(src)));
    VariantClear(&v);
    v = tmp;
}

void com_var::adopt(VARIANT& src) noexcept {
    VariantClear(&v);
    v = src;
    VariantInit(&src);
}

bool com_var::IsNumeric() const noexcept {
    switch (BaseType(v)) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_BOOL: case VT_UI1:
        return true;
    default:
        return false;
    }
}

BSTR com_var::StringValue() const noexcept {
    if (V_VT(&v) == VT_BSTR) return V_BSTR(&v);
    if (V_VT(&v) == (VT_BSTR | VT_BYREF) && V_BSTRREF(&v)) return *V_BSTRREF(&v);
    return nullptr;
}

namespace {
double NumberOf(const VARIANT& v, bool strings) {
    bool ref = IsRef(v);
    switch (BaseType(v)) {
    case VT_I2: return ref ? *V_I2REF(&v) : V_I2(&v);
    case VT_I4: return ref ? *V_I4REF(&v) : V_I4(&v);
    case VT_R4: return ref ? *V_R4REF(&v) : V_R4(&v);
    case VT_R8: return ref ? *V_R8REF(&v) : V_R8(&v);
    case VT_UI1: return ref ? *V_UI1REF(&v) : V_UI1(&v);
    case VT_BOOL: return (ref ? *V_BOOLREF(&v) : V_BOOL(&v)) == VARIANT_TRUE ? 1.0 : 0.0;
    case VT_BSTR: {
        if (!strings) return 0.0;
        BSTR s = ref ? *V_BSTRREF(&v) : V_BSTR(&v);
        if (!s) return 0.0;
        return atof(ToNarrow(s, static_cast<int>(SysStringLen(s))).c_str());
    }
    default:
        return 0.0;
    }
}
}  // namespace

double com_var::ToNumber() const { return NumberOf(v, true); }
double com_var::ToNumberStrict() const { return NumberOf(v, false); }
int com_var::ToInt() const { return TruncateToInt32(ToNumber()); }

// Numbers and pointers are written by the platform's C run-time (msvcrt), the same
// one that renders printf and sprintf, so print(x) and sprintf("%g", x) agree.
std::string com_var::ToText() const {
    bool ref = IsRef(v);
    char buf[64] = {};
    switch (BaseType(v)) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_UI1: {
        double d = ToNumber();
        if (isnan(d)) return "NaN";
        if (isinf(d)) return d > 0 ? "Infinity" : "-Infinity";
        _snprintf(buf, sizeof buf - 1, "%g", d);
        return buf;
    }
    case VT_BOOL:
        return (ref ? *V_BOOLREF(&v) : V_BOOL(&v)) == VARIANT_TRUE ? "true" : "false";
    case VT_BSTR: {
        BSTR s = ref ? *V_BSTRREF(&v) : V_BSTR(&v);
        if (!s) return std::string();
        return ToNarrow(s, -1);  // ends at the first NUL character
    }
    case VT_DISPATCH:
        _snprintf(buf, sizeof buf - 1, "<IDispatch:%p>", static_cast<void*>(ref ? *V_DISPATCHREF(&v) : V_DISPATCH(&v)));
        return buf;
    case VT_UNKNOWN:
        _snprintf(buf, sizeof buf - 1, "<IUnknown:%p>", static_cast<void*>(ref ? *V_UNKNOWNREF(&v) : V_UNKNOWN(&v)));
        return buf;
    case VT_NULL:
        return "null";
    case VT_EMPTY:
        return "undefined";
    default:
        return std::string();
    }
}

IUnknown* com_var::ToUnknown() const {
    IUnknown* p = nullptr;
    if (V_VT(&v) == VT_DISPATCH) p = V_DISPATCH(&v);
    else if (V_VT(&v) == VT_UNKNOWN) p = V_UNKNOWN(&v);
    else if (V_VT(&v) == (VT_BYREF | VT_DISPATCH)) p = *V_DISPATCHREF(&v);
    else if (V_VT(&v) == (VT_BYREF | VT_UNKNOWN)) p = *V_UNKNOWNREF(&v);
    if (p) p->AddRef();
    return p;
}

IDispatch* com_var::ToDispatch() const {
    if (V_VT(&v) == VT_DISPATCH) {
        IDispatch* d = V_DISPATCH(&v);
        if (d) d->AddRef();
        return d;
    }
    com_ptr<IUnknown> unk = com_ptr<IUnknown>::adopt(ToUnknown());
    if (!unk) return nullptr;
    return unk.query<IDispatch>(IID_IDispatch).detach();
}

IDispatchEx* com_var::ToDispatchEx() const {
    com_ptr<IUnknown> unk = com_ptr<IUnknown>::adopt(ToUnknown());
    if (!unk) return nullptr;
    return unk.query<IDispatchEx>(IID_IDispatchEx).detach();
}
