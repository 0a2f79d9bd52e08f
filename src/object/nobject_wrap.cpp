// NObjectWrap: IDispatchEx calls turned into the operations of the wrapped NObject.
#include "object/nobject_wrap.h"

#include "object/com_ptr.h"
#include "object/member_name_table.h"
#include "object/script_context.h"
#include "object/text.h"

#include <math.h>
#include <string.h>

#include <stdexcept>

// {6B0C3D1E-5A4F-4C2B-9D71-3E8A2F6C4B10}
const IID IID_NObjectWrap = {0x6b0c3d1e, 0x5a4f, 0x4c2b, {0x9d, 0x71, 0x3e, 0x8a, 0x2f, 0x6c, 0x4b, 0x10}};

NProp* NPropList::Find(DISPID id) {
    for (NProp& p : props_)
        if (p.id == id) return &p;
    return nullptr;
}

bool NPropList::Remove(DISPID id) {
    for (auto it = props_.begin(); it != props_.end(); ++it) {
        if (it->id == id) {
            props_.erase(it);
            return true;
        }
    }
    return false;
}

HRESULT NPropList::Next(DISPID id, DISPID* next) const {
    if (props_.empty()) {
        *next = DISPID_UNKNOWN;
        return S_FALSE;
    }
    if (id == DISPID_STARTENUM) {
        *next = props_.front().id;
        return S_OK;
    }
    for (size_t i = 0; i < props_.size(); ++i) {
        if (props_[i].id != id) continue;
        if (i + 1 == props_.size()) {
            *next = DISPID_UNKNOWN;
            return S_FALSE;
        }
        *next = props_[i + 1].id;
        return S_OK;
    }
    return E_FAIL;
}

NObjectWrap::NObjectWrap(NObject* object) : object_(object) {
    ++object_->wrapperCount;
}

NObjectWrap::~NObjectWrap() {
    if (--object_->wrapperCount == 0) delete object_;
}

NObjectWrap* NObjectWrap::FromUnknown(IUnknown* unk) {
    if (!unk) return nullptr;
    NObjectWrap* wrap = nullptr;
    if (FAILED(unk->QueryInterface(IID_NObjectWrap, reinterpret_cast<void**>(&wrap))) || !wrap) return nullptr;
    wrap->Release();  // the caller's own reference keeps it alive
    return wrap;
}

STDMETHODIMP NObjectWrap::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IDispatchEx) ||
        IsEqualIID(riid, IID_NObjectWrap)) {
        *ppv = static_cast<IDispatchEx*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP NObjectWrap::GetTypeInfoCount(UINT* pctinfo) {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP NObjectWrap::GetTypeInfo(UINT, LCID, ITypeInfo** ppti) {
    if (ppti) *ppti = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP NObjectWrap::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    for (UINT i = 0; i < count; ++i) {
        HRESULT hr = GetDispID(names[i], fdexNameCaseSensitive, &ids[i]);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

STDMETHODIMP NObjectWrap::Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* excep, UINT*) {
    return InvokeEx(id, lcid, flags, params, result, excep, nullptr);
}

STDMETHODIMP NObjectWrap::GetDispID(BSTR name, DWORD flags, DISPID* pid) try {
    if (!pid) return E_POINTER;
    std::string narrow = ToNarrow(name, name ? static_cast<int>(SysStringLen(name)) : 0);
    if (!object_->caseSensitive()) LowerNarrow(narrow);
    DISPID id = MemberNameTable::IdOf(narrow);
    if (props_.Find(id) || object_->HasMember(narrow) == S_OK) {
        *pid = id;
        return S_OK;
    }
    if (IDispatchEx* fallback = object_->Fallback()) return ForwardDispID(fallback, name, flags, id, pid);
    return DISP_E_UNKNOWNNAME;
} catch (...) {
    return E_OUTOFMEMORY;
}

namespace {
// Marks a look-up on the fallback in progress for as long as it lasts.
class Forwarding {
public:
    explicit Forwarding(bool& flag) : flag_(flag) { flag_ = true; }
    ~Forwarding() { flag_ = false; }
    Forwarding(const Forwarding&) = delete;
    Forwarding& operator=(const Forwarding&) = delete;

private:
    bool& flag_;
};
}  // namespace

// A forwarded member keeps the host's DISPID of its name; each call looks up the
// fallback's own, which stays right even after the member is deleted and made anew.
HRESULT NObjectWrap::ForwardDispID(IDispatchEx* fallback, BSTR name, DWORD flags, DISPID id, DISPID* pid) {
    // The engine asks its global-members items, this one among them, about names it
    // does not know itself: such a name must end here as unknown, not go round again.
    if (forwarding_) return DISP_E_UNKNOWNNAME;
    Forwarding guard(forwarding_);
    DISPID target = DISPID_UNKNOWN;
    HRESULT hr = fallback->GetDispID(name, flags, &target);
    if (FAILED(hr)) return DISP_E_UNKNOWNNAME;
    *pid = id;
    return S_OK;
}

HRESULT NObjectWrap::FallbackId(IDispatchEx* fallback, DISPID id, DISPID* target) {
    const std::string& name = MemberNameTable::NameOf(id);
    if (name.empty() || object_->HasMember(name) == S_OK) return DISP_E_MEMBERNOTFOUND;
    bstr_ptr wide(NewBstr(name));
    DWORD flags = object_->caseSensitive() ? fdexNameCaseSensitive : fdexNameCaseInsensitive;
    Forwarding guard(forwarding_);
    HRESULT hr = fallback->GetDispID(wide.get(), flags, target);
    return FAILED(hr) ? DISP_E_MEMBERNOTFOUND : S_OK;
}

STDMETHODIMP NObjectWrap::InvokeEx(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, IServiceProvider* caller) {
    try {
        // Engine errors met from here on are the host's to report (event handlers run
        // by a modal loop, say), except where a call below routes them back.
        ScriptErrorsToCaller hostCall(object_->script(), false);
        if (id != DISPID_VALUE) {
            if (NProp* prop = props_.Find(id)) return InvokeProperty(*prop, lcid, flags, params, result, excep, caller);
            DISPID target;
            if (IDispatchEx* fallback = object_->Fallback(); fallback && FallbackId(fallback, id, &target) == S_OK) {
                ScriptErrorsToCaller scriptCall(object_->script(), true);
                return fallback->InvokeEx(target, lcid, flags, params, result, excep, caller);
            }
        }
        HRESULT hr = InvokeObject(id, flags, params, result);
        // Wine's VBScript drops the status of a call on an object held in a variable
        // (`x = f(1, 2)`, `f 1, 2`) and goes on as if it had succeeded; its Err object
        // still tells On Error Resume Next.
        if (FAILED(hr) && id == DISPID_VALUE && (flags & DISPATCH_METHOD) && !object_->caseSensitive() &&
            object_->script())
            ScriptRecordError(object_->script(), hr);
        if (FAILED(hr) && excep && object_->StandardErrors()) return Describe(hr, excep);
        return hr;
    } catch (const std::out_of_range&) {
        return DISP_E_BADPARAMCOUNT;  // a handler read an argument it did not count
    } catch (...) {
        return E_OUTOFMEMORY;  // nothing may unwind into the engine
    }
}

HRESULT NObjectWrap::Describe(HRESULT status, EXCEPINFO* excep) {
    HRESULT number;
    std::string text;
    if (!object_->script() || !ScriptStandardError(object_->script(), status, &number, &text)) return status;
    memset(excep, 0, sizeof *excep);
    excep->scode = number;
    excep->bstrDescription = NewBstr(text);
    return DISP_E_EXCEPTION;
}

HRESULT NObjectWrap::InvokeObject(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) {
    if (id == DISPID_NEWENUM) {
        if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
        com_var enumerator;
        HRESULT hr = object_->NewEnum(enumerator);
        if (hr == S_OK && result) enumerator.detach(result);
        return hr;
    }
    const std::string& name = MemberNameTable::NameOf(id);
    if (id != DISPID_VALUE && name.empty()) return DISP_E_UNKNOWNNAME;

    ArgList args(params);
    if (id == DISPID_VALUE && params && params->cNamedArgs == 1 && params->rgdispidNamedArgs &&
        params->rgdispidNamedArgs[0] == DISPID_THIS)
        args.pop_back();

    // The wrapped object may lose its last wrapper during the call (a script
    // dropping the object from inside a handler): keep this one alive meanwhile.
    com_ptr<IDispatchEx> self = com_ptr<IDispatchEx>::share(this);
    com_var value;
    HRESULT hr;
    switch (flags) {
    case DISPATCH_METHOD:
        hr = object_->Call(name, args, value);
        break;
    case DISPATCH_PROPERTYGET:
        hr = object_->GetProp(name, value);
        break;
    case DISPATCH_METHOD | DISPATCH_PROPERTYGET:
        // A call whose value the script uses: its failure must reach the script as
        // it does for a call used as a statement, not pass as an empty success.
        if (args.empty()) {
            hr = object_->GetProp(name, value);
            if (hr == DISP_E_MEMBERNOTFOUND) hr = object_->Call(name, args, value);
            break;
        }
        // With arguments it can only be a call; a property takes none.
        hr = object_->Call(name, args, value);
        if (hr == DISP_E_MEMBERNOTFOUND && object_->GetProp(name, value) == S_OK) hr = DISP_E_BADPARAMCOUNT;
        break;
    case DISPATCH_PROPERTYPUT:
    case DISPATCH_PROPERTYPUTREF:
    case DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF:
        if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
        hr = object_->PutProp(name, args[0]);
        break;
    case DISPATCH_CONSTRUCT:
        hr = object_->Construct(args, value);
        if (hr == S_OK && result) value.detach(result);
        return S_OK;
    default:
        return E_FAIL;
    }
    if (hr == S_OK && result) value.detach(result);
    return hr;
}

namespace {
// Locates a script index in a stored one-dimensional variant array. S_FALSE when the
// value holds no such array or the index is not numeric; DISP_E_BADINDEX when the
// position (the index less the lower bound) is outside it; else S_OK with the array
// and the element's own index.
HRESULT ArrayElement(const com_var& value, const VARIANT& indexArg, SAFEARRAY** psa, LONG* at) {
    com_var index(indexArg);
    VARTYPE vt = value.type();
    if (!index.IsNumeric() || !(vt & VT_ARRAY)) return S_FALSE;
    SAFEARRAY* a = (vt & VT_BYREF) ? (value.v.pparray ? *value.v.pparray : nullptr) : value.v.parray;
    if (!a || SafeArrayGetDim(a) != 1) return S_FALSE;
    LONG lo = 0, hi = -1;
    SafeArrayGetLBound(a, 1, &lo);
    SafeArrayGetUBound(a, 1, &hi);
    double pos = trunc(index.ToNumber() - lo);
    // Arrays from outside may hold other element types; those are never read as variants.
    if (!(pos >= 0 && pos < static_cast<double>(hi) - lo + 1) || !(a->fFeatures & FADF_VARIANT) ||
        a->cbElements != sizeof(VARIANT))
        return DISP_E_BADINDEX;
    *psa = a;
    *at = lo + static_cast<LONG>(pos);
    return S_OK;
}

// Property get with no argument or one array index; S_FALSE when neither applies.
HRESULT GetPropertyValue(const com_var& value, const DISPPARAMS* params, VARIANT* result) {
    UINT n = params ? params->cArgs : 0;
    if (n == 0) {
        com_var copy(value);
        copy.detach(result);
        return S_OK;
    }
    if (n != 1) return S_FALSE;
    SAFEARRAY* a = nullptr;
    LONG at = 0;
    HRESULT hr = ArrayElement(value, params->rgvarg[0], &a, &at);
    if (hr != S_OK) return hr;
    com_var element;
    hr = SafeArrayGetElement(a, &at, &element.v);
    if (SUCCEEDED(hr)) element.detach(result);
    return hr;
}

HRESULT CallValue(const com_var& value, LCID lcid, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                  IServiceProvider* caller) {
    com_ptr<IDispatch> disp = com_ptr<IDispatch>::adopt(value.ToDispatch());
    if (!disp) return DISP_E_TYPEMISMATCH;
    DISPPARAMS none{};
    if (!params) params = &none;
    if (com_ptr<IDispatchEx> ex = disp.query<IDispatchEx>(IID_IDispatchEx))
        return ex->InvokeEx(DISPID_VALUE, lcid, DISPATCH_METHOD, params, result, excep, caller);
    return disp->Invoke(DISPID_VALUE, IID_NULL, lcid, DISPATCH_METHOD, params, result, excep, nullptr);
}
}  // namespace

HRESULT NObjectWrap::InvokeProperty(NProp& prop, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* excep, IServiceProvider* caller) {
    switch (flags) {
    case DISPATCH_METHOD: {
        com_var value(prop.value);  // the call may replace the property
        ScriptErrorsToCaller scriptCall(object_->script(), true);
        return CallValue(value, lcid, params, result, excep, caller);
    }
    case DISPATCH_PROPERTYGET: {
        if (!result) return E_FAIL;
        HRESULT hr = GetPropertyValue(prop.value, params, result);
        return hr == S_FALSE ? E_FAIL : hr;
    }
    case DISPATCH_METHOD | DISPATCH_PROPERTYGET: {
        if (result) {
            HRESULT hr = GetPropertyValue(prop.value, params, result);
            if (hr != S_FALSE) return hr;
        }
        // The call's own status, so that a wrong count stays a wrong count.
        com_var value(prop.value);
        ScriptErrorsToCaller scriptCall(object_->script(), true);
        return CallValue(value, lcid, params, result, excep, caller);
    }
    case DISPATCH_PROPERTYPUT:
    case DISPATCH_PROPERTYPUTREF:
    case DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF: {
        UINT n = params ? params->cArgs : 0;
        if (n == 1) {
            prop.value.assign(params->rgvarg[0]);
            return S_OK;
        }
        if (n == 2) {
            // Arguments arrive last first: rgvarg[1] is the index, rgvarg[0] the new element.
            SAFEARRAY* a = nullptr;
            LONG at = 0;
            HRESULT hr = ArrayElement(prop.value, params->rgvarg[1], &a, &at);
            if (hr == DISP_E_BADINDEX) return hr;
            if (hr == S_OK) {
                com_var item(params->rgvarg[0]);
                return SUCCEEDED(SafeArrayPutElement(a, &at, &item.v)) ? S_OK : DISP_E_BADINDEX;
            }
        }
        return DISP_E_BADPARAMCOUNT;
    }
    default:
        return E_FAIL;
    }
}

STDMETHODIMP NObjectWrap::DeleteMemberByName(BSTR name, DWORD) try {
    std::string narrow = ToNarrow(name, name ? static_cast<int>(SysStringLen(name)) : 0);
    if (!object_->caseSensitive()) LowerNarrow(narrow);
    return DeleteMemberByDispID(MemberNameTable::IdOf(narrow));
} catch (...) {
    return E_OUTOFMEMORY;
}

STDMETHODIMP NObjectWrap::DeleteMemberByDispID(DISPID id) try {
    if (props_.Remove(id)) return S_OK;
    DISPID target;
    if (IDispatchEx* fallback = object_->Fallback(); fallback && FallbackId(fallback, id, &target) == S_OK)
        return fallback->DeleteMemberByDispID(target);
    return S_OK;
} catch (...) {
    return E_OUTOFMEMORY;
}

STDMETHODIMP NObjectWrap::GetMemberProperties(DISPID, DWORD, DWORD* props) {
    if (!props) return E_POINTER;
    *props = fdexPropCanGet;
    return S_OK;
}

STDMETHODIMP NObjectWrap::GetMemberName(DISPID id, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    NProp* prop = props_.Find(id);
    DISPID target;
    if (prop) {
        *name = NewBstr(prop->name);
    } else if (IDispatchEx* fallback = object_->Fallback(); fallback && FallbackId(fallback, id, &target) == S_OK) {
        return fallback->GetMemberName(target, name);
    } else {
        return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

// The host's own properties come first, then the fallback's members under the host's
// DISPIDs of their names, less those the host has too.
STDMETHODIMP NObjectWrap::GetNextDispID(DWORD flags, DISPID id, DISPID* next) try {
    if (!next) return E_POINTER;
    IDispatchEx* fallback = object_->Fallback();
    if (!fallback) return props_.Next(id, next);
    *next = DISPID_UNKNOWN;
    if (forwarding_) return S_FALSE;
    DISPID target = DISPID_STARTENUM;
    if (id == DISPID_STARTENUM || props_.Find(id)) {
        if (props_.Next(id, next) == S_OK) return S_OK;
    } else if (FallbackId(fallback, id, &target) != S_OK) {
        return E_FAIL;
    }
    return NextFallbackId(fallback, flags, target, next);
} catch (...) {
    return E_OUTOFMEMORY;
}

HRESULT NObjectWrap::NextFallbackId(IDispatchEx* fallback, DWORD flags, DISPID target, DISPID* next) {
    Forwarding guard(forwarding_);
    HRESULT hr;
    while ((hr = fallback->GetNextDispID(flags, target, &target)) == S_OK) {
        bstr_ptr name;
        if (FAILED(fallback->GetMemberName(target, name.put()))) continue;
        std::string narrow = ToNarrow(name.get(), static_cast<int>(name.length()));
        if (!object_->caseSensitive()) LowerNarrow(narrow);
        DISPID id = MemberNameTable::IdOf(narrow);
        if (props_.Find(id)) continue;
        *next = id;
        break;
    }
    if (hr == S_OK) return S_OK;
    *next = DISPID_UNKNOWN;
    return S_FALSE;
}

STDMETHODIMP NObjectWrap::GetNameSpaceParent(IUnknown** parent) {
    if (parent) *parent = nullptr;
    return E_NOTIMPL;
}

void NObjectWrap::AddProperty(const std::string& name, const com_var& value) {
    std::string key = name;
    if (!object_->caseSensitive()) LowerNarrow(key);
    DISPID id = MemberNameTable::IdOf(key);
    props_.Add(NProp{std::move(key), value, id});
}

com_var Wrap(NObject* object) {
    NObjectWrap* wrap = new NObjectWrap(object);
    com_var v;
    v.v.vt = VT_DISPATCH;
    v.v.pdispVal = wrap;
    wrap->AddRef();
    return v;
}

