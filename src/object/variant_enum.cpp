// NVariantEnum: hands out copies of its items in order.
#include "object/variant_enum.h"

STDMETHODIMP NVariantEnum::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IEnumVARIANT)) return E_NOINTERFACE;
    *ppv = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP NVariantEnum::Next(ULONG count, VARIANT* out, ULONG* fetched) try {
    if (fetched) *fetched = 0;
    if (!out) return E_POINTER;
    ULONG done = 0;
    for (; done < count && position_ < items_->size(); ++done, ++position_) {
        com_var copy((*items_)[position_]);
        copy.detach(&out[done]);
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
} catch (...) {
    return E_OUTOFMEMORY;
}

STDMETHODIMP NVariantEnum::Skip(ULONG count) {
    ULONG left = static_cast<ULONG>(items_->size()) - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

STDMETHODIMP NVariantEnum::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP NVariantEnum::Clone(IEnumVARIANT** out) try {
    if (!out) return E_POINTER;
    *out = new NVariantEnum(items_, position_);
    (*out)->AddRef();
    return S_OK;
} catch (...) {
    return E_OUTOFMEMORY;
}

com_var NewVariantEnum(std::vector<com_var> items) {
    auto shared = std::make_shared<const NVariantEnum::Items>(std::move(items));
    NVariantEnum* e = new NVariantEnum(std::move(shared));
    com_var v;
    v.v.vt = VT_UNKNOWN;
    v.v.punkVal = static_cast<IEnumVARIANT*>(e);
    e->AddRef();
    return v;
}
