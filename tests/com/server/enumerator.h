// An enumerator (IEnumVARIANT, IEnumConnectionPoints) over a snapshot of items that
// its clones share: Next, Skip, Reset and Clone by the platform's rules.
#pragma once

#include "com_base.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace kova_test {

// Traits say how an item is handed out: static HRESULT copy(const Held&, Item*) and
// static void clear(Item*) for an item handed out earlier in a Next that failed.
template <class IEnum, class Item, class Held, class Traits>
class Enumerator final : public IEnum, RefCounted<Enumerator<IEnum, Item, Held, Traits>>, LiveObject {
public:
    using Items = std::vector<Held>;

    // A new enumerator at the start of items; a new reference in *out.
    static HRESULT Create(std::shared_ptr<const Items> items, REFIID iid, void** out) {
        Enumerator* e = new (std::nothrow) Enumerator(std::move(items), 0);
        if (!e) return E_OUTOFMEMORY;
        e->AddRef();
        HRESULT hr = e->QueryInterface(iid, out);
        e->Release();
        return hr;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IEnum)) {
            *out = static_cast<IEnum*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return this->AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return this->ReleaseReference("Enumerator"); }

    // pFetched may be null only when one item is asked for.
    STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
        if (fetched) *fetched = 0;
        if (count == 0) return S_OK;
        if (!out) return E_POINTER;
        if (!fetched && count != 1) return E_INVALIDARG;
        const size_t n = std::min<size_t>(count, items_->size() - pos_);
        for (size_t i = 0; i < n; i++) {
            HRESULT hr = Traits::copy((*items_)[pos_ + i], &out[i]);
            if (FAILED(hr)) {
                while (i > 0) Traits::clear(&out[--i]);
                return hr;
            }
        }
        pos_ += n;
        if (fetched) *fetched = static_cast<ULONG>(n);
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const size_t n = std::min<size_t>(count, items_->size() - pos_);
        pos_ += n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        pos_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnum** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Enumerator* e = new (std::nothrow) Enumerator(items_, pos_);
        if (!e) return E_OUTOFMEMORY;
        e->AddRef();
        *out = e;
        return S_OK;
    }

private:
    friend class RefCounted<Enumerator>;
    Enumerator(std::shared_ptr<const Items> items, size_t pos) noexcept : items_(std::move(items)), pos_(pos) {}
    ~Enumerator() = default;

    std::shared_ptr<const Items> items_;
    size_t pos_;
};

struct VariantItems {
    static HRESULT copy(const owned_variant& from, VARIANT* to) { return from.copy_to(to); }
    static void clear(VARIANT* v) { VariantClear(v); }
};
using VariantEnumerator = Enumerator<IEnumVARIANT, VARIANT, owned_variant, VariantItems>;

}  // namespace kova_test
