// KovaTest.Server and KovaTest.Plain: a property of each variant type, small methods,
// and events through one connection point.
#include "server.h"

#include "items.h"

#include <cstring>
#include <cwchar>
#include <initializer_list>
#include <new>

namespace kova_test {

namespace {

// Stores a property value; a null out-parameter is refused.
template <class T>
HRESULT Get(const T& field, T* out) {
    if (!out) return E_POINTER;
    *out = field;
    return S_OK;
}

// A BSTR copy of text (a null BSTR reads as empty); null when memory runs out.
BSTR CopyText(BSTR text) { return SysAllocStringLen(text, SysStringLen(text)); }

enum EventId : DISPID { kStarted = 1, kTick = 2, kDone = 3 };
const DISPID kCurrencyId = 8;
const DISPID kObjectId = 12;

}  // namespace

Server::Server(bool class_info) noexcept : TypeInfoDispatch(IID_IKovaServer), class_info_(class_info) {}

Server::~Server() {
    if (events_) events_->Orphan();
}

HRESULT Server::Create(bool class_info, REFIID iid, void** out) {
    com_ptr<Server> server = com_ptr<Server>::share(new (std::nothrow) Server(class_info));
    if (!server) return E_OUTOFMEMORY;
    server->events_ = ConnectionPoint::Create(server.get(), DIID__IKovaServerEvents);
    server->text_ = bstr_ptr(SysAllocString(L""));
    if (!server->events_ || !server->text_.get()) return E_OUTOFMEMORY;
    return server->QueryInterface(iid, out);
}

HRESULT Server::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IKovaServer)
        *out = static_cast<IKovaServer*>(this);
    else if (iid == IID_IConnectionPointContainer)
        *out = static_cast<IConnectionPointContainer*>(this);
    else if (class_info_ && (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2))
        *out = static_cast<IProvideClassInfo2*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT Server::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                       EXCEPINFO* excep, UINT* arg_error) {
    // Wine's type-library dispatch refuses CY parameters and results (E_NOTIMPL).
    if (id == kCurrencyId) return InvokeCurrency(flags, params, result, arg_error);
    // JScript passes null as VT_NULL, which the type library cannot make an IDispatch
    // of: it clears Object.
    if (id == kObjectId && (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && params &&
        params->cArgs == 1 && V_VT(&params->rgvarg[0]) == VT_NULL) {
        object_.reset();
        return S_OK;
    }
    return TypeInfoDispatch::Invoke(id, iid, lcid, flags, params, result, excep, arg_error);
}

HRESULT Server::InvokeCurrency(WORD flags, DISPPARAMS* params, VARIANT* result, UINT* arg_error) {
    if (!params) return E_INVALIDARG;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) return DISP_E_PARAMNOTOPTIONAL;
        VARIANT value;
        VariantInit(&value);
        HRESULT hr = VariantChangeType(&value, &params->rgvarg[0], 0, VT_CY);
        if (FAILED(hr)) {
            if (arg_error) *arg_error = 0;
            return hr;
        }
        return put_Currency(V_CY(&value));
    }
    if (!(flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD))) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (result) {
        VariantInit(result);
        V_VT(result) = VT_CY;
        V_CY(result) = currency_;
    }
    return S_OK;
}

HRESULT Server::get_Long(long* value) { return Get(long_, value); }
HRESULT Server::put_Long(long value) { long_ = value; return S_OK; }
HRESULT Server::get_Short(short* value) { return Get(short_, value); }
HRESULT Server::put_Short(short value) { short_ = value; return S_OK; }
HRESULT Server::get_Byte(unsigned char* value) { return Get(byte_, value); }
HRESULT Server::put_Byte(unsigned char value) { byte_ = value; return S_OK; }
HRESULT Server::get_Double(double* value) { return Get(double_, value); }
HRESULT Server::put_Double(double value) { double_ = value; return S_OK; }
HRESULT Server::get_Single(float* value) { return Get(single_, value); }
HRESULT Server::put_Single(float value) { single_ = value; return S_OK; }
HRESULT Server::get_Bool(VARIANT_BOOL* value) { return Get(bool_, value); }
HRESULT Server::put_Bool(VARIANT_BOOL value) { bool_ = value ? VARIANT_TRUE : VARIANT_FALSE; return S_OK; }
HRESULT Server::get_Currency(CY* value) { return Get(currency_, value); }
HRESULT Server::put_Currency(CY value) { currency_ = value; return S_OK; }
HRESULT Server::get_Date(DATE* value) { return Get(date_, value); }
HRESULT Server::put_Date(DATE value) { date_ = value; return S_OK; }
HRESULT Server::get_Error(SCODE* value) { return Get(error_, value); }
HRESULT Server::put_Error(SCODE value) { error_ = value; return S_OK; }

HRESULT Server::get_Text(BSTR* value) {
    if (!value) return E_POINTER;
    *value = CopyText(text_.get());
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT Server::put_Text(BSTR value) {
    bstr_ptr copy(CopyText(value));
    if (!copy.get()) return E_OUTOFMEMORY;
    text_ = std::move(copy);
    return S_OK;
}

HRESULT Server::get_Variant(VARIANT* value) {
    if (!value) return E_POINTER;
    return variant_.copy_to(value);
}

HRESULT Server::put_Variant(VARIANT value) { return variant_.assign(value); }
HRESULT Server::putref_Variant(VARIANT value) { return variant_.assign(value); }

HRESULT Server::get_Object(IDispatch** value) {
    if (!value) return E_POINTER;
    *value = com_ptr<IDispatch>(object_).detach();
    return S_OK;
}

HRESULT Server::put_Object(IDispatch* value) {
    object_ = com_ptr<IDispatch>::share(value);
    return S_OK;
}

HRESULT Server::putref_Object(IDispatch* value) { return put_Object(value); }

HRESULT Server::Echo(VARIANT value, VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    // A reference comes back as the value it refers to: the caller's variable may be
    // gone by the time it reads the result.
    return VariantCopyInd(result, &value);
}

HRESULT Server::TypeOf(VARIANT value, long* type) {
    if (!type) return E_POINTER;
    *type = V_VT(&value);
    return S_OK;
}

HRESULT Server::Add(long a, long b, long* sum) {
    if (!sum) return E_POINTER;
    // Wraps around like the 32-bit addition it stands for, without signed overflow.
    *sum = static_cast<long>(static_cast<unsigned long>(a) + static_cast<unsigned long>(b));
    return S_OK;
}

HRESULT Server::Concat(BSTR a, BSTR b, BSTR* text) {
    if (!text) return E_POINTER;
    const UINT la = SysStringLen(a), lb = SysStringLen(b);
    *text = SysAllocStringLen(nullptr, la + lb);
    if (!*text) return E_OUTOFMEMORY;
    if (la) memcpy(*text, a, la * sizeof(OLECHAR));
    if (lb) memcpy(*text + la, b, lb * sizeof(OLECHAR));
    return S_OK;
}

HRESULT Server::Fire(long count) {
    // A handler may release the last reference to this object.
    com_ptr<Server> self = com_ptr<Server>::share(this);
    HRESULT hr = events_->Fire(kStarted, nullptr, 0);
    for (long i = 1; i <= count && SUCCEEDED(hr); i++) {
        wchar_t text[32];
        swprintf(text, 32, L"tick %ld", i);
        bstr_ptr b(SysAllocString(text));
        if (!b.get()) return E_OUTOFMEMORY;
        VARIANT args[3];
        V_VT(&args[0]) = VT_I4;
        V_I4(&args[0]) = i;
        V_VT(&args[1]) = VT_BSTR;
        V_BSTR(&args[1]) = b.get();
        V_VT(&args[2]) = VT_R8;
        V_R8(&args[2]) = i / 2.0;
        hr = events_->Fire(kTick, args, 3);
    }
    if (FAILED(hr)) return hr;
    VARIANT total;
    V_VT(&total) = VT_I4;
    V_I4(&total) = count;
    return events_->Fire(kDone, &total, 1);
}

HRESULT Server::get_Connections(long* count) {
    if (!count) return E_POINTER;
    *count = events_->Connections();
    return S_OK;
}

HRESULT Server::get_Items(IKovaItems** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    com_ptr<Items> items = Items::Create();
    if (!items) return E_OUTOFMEMORY;
    for (const wchar_t* word : {L"one", L"two", L"three"}) {
        bstr_ptr text(SysAllocString(word));
        if (!text.get()) return E_OUTOFMEMORY;
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = text.get();
        HRESULT hr = items->Append(v);
        if (FAILED(hr)) return hr;
    }
    *out = items.detach();
    return S_OK;
}

HRESULT Server::MakeItems(long count, long rejections, IKovaItems** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    com_ptr<Items> items = Items::Create(rejections);
    if (!items) return E_OUTOFMEMORY;
    for (long i = 1; i <= count; i++) {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = i;
        HRESULT hr = items->Append(v);
        if (FAILED(hr)) return hr;
    }
    *out = items.detach();
    return S_OK;
}

HRESULT Server::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    return GetTypeInfoOf(class_info_ ? CLSID_Server : CLSID_Plain, info);
}

HRESULT Server::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID__IKovaServerEvents;
    return S_OK;
}

HRESULT Server::EnumConnectionPoints(IEnumConnectionPoints** out) { return events_->Enumerate(out); }

HRESULT Server::FindConnectionPoint(REFIID iid, IConnectionPoint** out) { return events_->Find(iid, out); }

}  // namespace kova_test
