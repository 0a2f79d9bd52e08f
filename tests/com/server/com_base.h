// Pieces every object of the test server is made of: the live-object count,
// reference counting, IDispatch through the type library, and an owned VARIANT.
#pragma once

#include "module.h"
#include "object/com_ptr.h"
#include "object/ref_counted.h"

#include <windows.h>
#include <oaidl.h>

#include <utility>

namespace kova_test {

// Counts itself in LiveObjects() from construction to destruction.
class LiveObject {
protected:
    LiveObject() noexcept { ObjectCreated(); }
    ~LiveObject() { ObjectDestroyed(); }
    LiveObject(const LiveObject&) = delete;
    LiveObject& operator=(const LiveObject&) = delete;
};

// IDispatch of a dual interface, answered by its ITypeInfo. A call or a property read
// is accepted with either flag: callers differ in which one they pass for a member
// read with arguments (Item(0)) or a method read without (_NewEnum).
template <class Dual>
class TypeInfoDispatch : public Dual {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        return GetTypeInfoOf(iid_, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        com_ptr<ITypeInfo> info;
        HRESULT hr = GetTypeInfoOf(iid_, info.put());
        return FAILED(hr) ? hr : DispGetIDsOfNames(info.get(), names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* arg_error) override {
        com_ptr<ITypeInfo> info;
        HRESULT hr = GetTypeInfoOf(iid_, info.put());
        if (FAILED(hr)) return hr;
        if (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) flags |= DISPATCH_METHOD | DISPATCH_PROPERTYGET;
        return DispInvoke(static_cast<Dual*>(this), info.get(), id, flags, params, result, excep, arg_error);
    }

protected:
    explicit TypeInfoDispatch(REFIID iid) noexcept : iid_(iid) {}
    ~TypeInfoDispatch() = default;

private:
    const IID& iid_;
};

// Owns one VARIANT (VariantClear on destruction).
class owned_variant {
public:
    owned_variant() noexcept { VariantInit(&v_); }
    owned_variant(const owned_variant&) = delete;
    owned_variant& operator=(const owned_variant&) = delete;
    owned_variant(owned_variant&& o) noexcept : v_(o.v_) { VariantInit(&o.v_); }
    owned_variant& operator=(owned_variant&& o) noexcept { std::swap(v_, o.v_); return *this; }
    ~owned_variant() { VariantClear(&v_); }

    // Replaces the value with a copy of src, a reference followed to its value.
    HRESULT assign(const VARIANT& src) noexcept {
        VARIANT copy;
        VariantInit(&copy);
        // The platform declares the source non-const; it is only read.
        HRESULT hr = VariantCopyInd(&copy, const_cast<VARIANT*>(&src));
        if (FAILED(hr)) return hr;
        VariantClear(&v_);
        v_ = copy;
        return S_OK;
    }
    // A copy into dst, which holds nothing that needs clearing.
    HRESULT copy_to(VARIANT* dst) const noexcept {
        VariantInit(dst);
        return VariantCopy(dst, const_cast<VARIANT*>(&v_));
    }
    const VARIANT& get() const noexcept { return v_; }
    VARIANT* put() noexcept { VariantClear(&v_); return &v_; }

private:
    VARIANT v_;
};

}  // namespace kova_test
