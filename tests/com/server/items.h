// KovaTest.Items: a collection of variants with Count, Item, Add and an enumerator.
#pragma once

#include "com_base.h"
#include "kova_test.h"

#include <vector>

namespace kova_test {

class Items final : public TypeInfoDispatch<IKovaItems>, RefCounted<Items>, LiveObject {
public:
    // An empty collection whose first `rejections` _NewEnum calls through IDispatch
    // answer RPC_E_CALL_REJECTED, as a busy out-of-process server would.
    static com_ptr<Items> Create(long rejections = 0);
    HRESULT Append(const VARIANT& value);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("Items"); }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* arg_error) override;

    STDMETHODIMP get_Count(long* count) override;
    STDMETHODIMP get_Item(long index, VARIANT* item) override;
    STDMETHODIMP Add(VARIANT value) override;
    STDMETHODIMP get__NewEnum(IUnknown** items) override;
    STDMETHODIMP get_Calls(long* calls) override;

private:
    friend class RefCounted<Items>;
    explicit Items(long rejections) noexcept : TypeInfoDispatch(IID_IKovaItems), rejections_(rejections) {}
    ~Items() = default;

    std::vector<owned_variant> items_;
    long rejections_;
    long calls_ = 0;
};

HRESULT CreateItems(REFIID iid, void** out);

}  // namespace kova_test
