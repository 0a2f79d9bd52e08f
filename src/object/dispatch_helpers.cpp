// Dispatch helpers: every call passes the user's locale, IID_NULL and no named arguments.
#include "object/dispatch_helpers.h"

#include "object/com_ptr.h"
#include "object/script_context.h"
#include "object/text.h"

#include <math.h>
#include <stdio.h>

HRESULT NameToId(IDispatch* disp, const std::string& name, DISPID* id) {
    *id = DISPID_VALUE;
    if (!disp) return E_POINTER;
    if (name.empty()) return S_OK;
    bstr_ptr bname(NewBstr(name));
    LPOLESTR names[] = {bname.get()};
    HRESULT hr = disp->GetIDsOfNames(IID_NULL, names, 1, GetUserDefaultLCID(), id);
    if (hr != E_NOTIMPL) return hr;
    // Wine's VBScript class instances answer names through IDispatchEx only.
    com_ptr<IDispatchEx> ex = com_ptr<IDispatch>::share(disp).query<IDispatchEx>(IID_IDispatchEx);
    return ex ? ex->GetDispID(bname.get(), fdexNameCaseSensitive, id) : hr;
}

HRESULT InvokeWith(IDispatch* disp, DISPID id, WORD flags, const ArgList* args, com_var* result) {
    if (!disp) return E_POINTER;
    OutgoingParams params(args);
    com_var out;
    HRESULT hr = disp->Invoke(id, IID_NULL, GetUserDefaultLCID(), flags, params.get(), &out.v, nullptr, nullptr);
    if (SUCCEEDED(hr) && result) *result = std::move(out);
    return hr;
}

HRESULT InvokeExWith(IDispatchEx* disp, DISPID id, WORD flags, const ArgList* args, com_var* result) {
    if (!disp) return E_POINTER;
    OutgoingParams params(args);
    com_var out;
    HRESULT hr = disp->InvokeEx(id, GetUserDefaultLCID(), flags, params.get(), &out.v, nullptr, nullptr);
    if (SUCCEEDED(hr) && result) *result = std::move(out);
    return hr;
}

bool GetMemberByName(const com_var& value, const std::string& name, com_var* result) {
    com_ptr<IDispatchEx> ex = com_ptr<IDispatchEx>::adopt(value.ToDispatchEx());
    if (!ex) return false;
    DISPID id = DISPID_VALUE;
    if (!name.empty()) {
        bstr_ptr bname(NewBstr(name));
        if (FAILED(ex->GetDispID(bname.get(), fdexNameCaseSensitive, &id))) return false;
    }
    return SUCCEEDED(InvokeExWith(ex.get(), id, DISPATCH_PROPERTYGET, nullptr, result));
}

bool CallDispatch(IDispatch* disp, const std::string& name, const ArgList* args, com_var* result) {
    DISPID id;
    return SUCCEEDED(NameToId(disp, name, &id)) && SUCCEEDED(InvokeWith(disp, id, DISPATCH_METHOD, args, result));
}

bool ConstructDispatch(IDispatchEx* disp, const ArgList* args, com_var* result) {
    return SUCCEEDED(InvokeExWith(disp, DISPID_VALUE, DISPATCH_CONSTRUCT, args, result));
}

namespace {
com_var CopyOf(const com_array& array) {
    com_var r;
    if (!array.array()) return r;
    SAFEARRAY* copy = nullptr;
    if (FAILED(SafeArrayCopy(array.array(), &copy)) || !copy) return r;
    r.v.vt = VT_ARRAY | VT_VARIANT;
    r.v.parray = copy;
    return r;
}
}  // namespace

namespace {
// new VBArray(array).toArray(): the engine copies the elements itself, which is far
// cheaper than passing a million of them as call arguments. Empty when the engine
// has no VBArray.
com_var ThroughVBArray(NScript* script, const com_array& array) {
    com_var result;
    com_ptr<IDispatch> ctor = com_ptr<IDispatch>::adopt(ScriptObject(script, "VBArray"));
    com_ptr<IDispatchEx> ex = ctor.query<IDispatchEx>(IID_IDispatchEx);
    if (!ex) return result;
    ArgList args;
    args.push_back(CopyOf(array));
    com_var wrapper;
    if (!ConstructDispatch(ex.get(), &args, &wrapper)) return result;
    com_ptr<IDispatch> disp = com_ptr<IDispatch>::adopt(wrapper.ToDispatch());
    if (!CallDispatch(disp.get(), "toArray", nullptr, &result)) result.clear();
    return result;
}
}  // namespace

com_var ArrayToScript(NScript* script, const com_array& array) {
    if (!script) return CopyOf(array);
    com_ptr<IDispatch> ctor = com_ptr<IDispatch>::adopt(ScriptObject(script, "Array"));
    com_ptr<IDispatchEx> ex = ctor.query<IDispatchEx>(IID_IDispatchEx);
    if (!ex) return CopyOf(array);
    if (array.count() > 0) {
        com_var fast = ThroughVBArray(script, array);
        if (fast.type() == VT_DISPATCH) return fast;
    }
    // new Array(e0, e1, ...) would read a single number as a length (and refuse a
    // negative one), so the Array is made empty and the elements pushed in one call.
    com_var result;
    if (!ConstructDispatch(ex.get(), nullptr, &result)) return CopyOf(array);
    com_array::elements items(array);
    if (items.count() == 0) return result;
    ArgList args;
    args.reserve(static_cast<size_t>(items.count()));
    for (long i = 0; i < items.count(); ++i) args.push_back(com_var(items[i]));
    com_ptr<IDispatch> disp = com_ptr<IDispatch>::adopt(result.ToDispatch());
    if (!CallDispatch(disp.get(), "push", &args, nullptr)) return CopyOf(array);
    return result;
}

HRESULT ScriptToArray(const com_var& value, com_array& array, long limit) {
    if (array.attach_copy(value.v)) return S_OK;
    com_var length;
    if (!GetMemberByName(value, "length", &length)) return DISP_E_TYPEMISMATCH;
    const double d = length.ToNumberStrict();
    // A script array's length can be set to anything up to 2^32 - 1 without any
    // element behind it.
    double n = d > 0 ? d : 0;
    if (n > limit) {
        // More elements than any array holds are refused; a caller's smaller limit
        // just leaves the rest unread.
        if (limit >= com_array::kMaxCount) return E_OUTOFMEMORY;
        n = limit;
    }
    if (!array.create(static_cast<long>(n))) return E_OUTOFMEMORY;
    char index[16];
    for (long i = 0; i < array.count(); ++i) {
        snprintf(index, sizeof index, "%ld", i);
        com_var element;
        if (GetMemberByName(value, index, &element)) array.set(i, element);
    }
    return S_OK;
}

HRESULT AutomationText(const com_var& value, std::string* text) {
    if (value.IsString()) {
        BSTR s = value.StringValue();
        *text = s ? ToNarrow(s, static_cast<int>(SysStringLen(s))) : std::string();
        return S_OK;
    }
    com_var converted;
    HRESULT hr = VariantChangeType(&converted.v, const_cast<VARIANT*>(&value.v), 0, VT_BSTR);
    if (FAILED(hr)) return hr;
    BSTR s = converted.v.bstrVal;
    *text = s ? ToNarrow(s, static_cast<int>(SysStringLen(s))) : std::string();
    return S_OK;
}

HRESULT AutomationLong(const com_var& value, LONG* number) {
    // Wine's conversion turns NaN into a number; the platform's refuses it.
    if (value.IsNumeric() && isnan(value.ToNumber())) return DISP_E_OVERFLOW;
    com_var converted;
    HRESULT hr = VariantChangeType(&converted.v, const_cast<VARIANT*>(&value.v), 0, VT_I4);
    if (FAILED(hr)) return hr;
    *number = converted.v.lVal;
    return S_OK;
}
