// NVariantEnum: an IEnumVARIANT over a fixed list of values, for host collections
// that scripts walk with For Each or Enumerator.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "object/com_var.h"
#include "object/ref_counted.h"

class NVariantEnum final : public IEnumVARIANT, private RefCounted<NVariantEnum> {
public:
    using Items = std::vector<com_var>;
    // The items are shared with clones, which keep positions of their own.
    explicit NVariantEnum(std::shared_ptr<const Items> items, ULONG position = 0) noexcept
        : items_(std::move(items)), position_(position) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("NVariantEnum"); }
    // IEnumVARIANT
    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** out) override;

private:
    friend class RefCounted<NVariantEnum>;
    ~NVariantEnum() = default;

    std::shared_ptr<const Items> items_;
    ULONG position_;
};

// A VT_UNKNOWN value holding a new enumerator over a copy of the items.
com_var NewVariantEnum(std::vector<com_var> items);
