// KovaTest.Items: a collection of variants with Count, Item, Add and an enumerator.
#include "items.h"

#include "enumerator.h"

#include <memory>
#include <new>

namespace kova_test {

com_ptr<Items> Items::Create(long rejections) {
    return com_ptr<Items>::share(new (std::nothrow) Items(rejections));
}

HRESULT CreateItems(REFIID iid, void** out) {
    com_ptr<Items> items = Items::Create();
    return items ? items->QueryInterface(iid, out) : E_OUTOFMEMORY;
}

HRESULT Items::Append(const VARIANT& value) {
    owned_variant v;
    HRESULT hr = v.assign(value);
    if (FAILED(hr)) return hr;
    try {
        items_.push_back(std::move(v));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT Items::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IKovaItems) {
        *out = static_cast<IKovaItems*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT Items::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* excep, UINT* arg_error) {
    if (id == DISPID_NEWENUM) {
        calls_++;
        if (rejections_ > 0) {
            rejections_--;
            return RPC_E_CALL_REJECTED;
        }
    }
    return TypeInfoDispatch::Invoke(id, iid, lcid, flags, params, result, excep, arg_error);
}

HRESULT Items::get_Count(long* count) {
    if (!count) return E_POINTER;
    *count = static_cast<long>(items_.size());
    return S_OK;
}

HRESULT Items::get_Item(long index, VARIANT* item) {
    if (!item) return E_POINTER;
    VariantInit(item);
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) return DISP_E_BADINDEX;
    return items_[index].copy_to(item);
}

HRESULT Items::Add(VARIANT value) { return Append(value); }

HRESULT Items::get__NewEnum(IUnknown** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        auto snapshot = std::make_shared<VariantEnumerator::Items>();
        snapshot->reserve(items_.size());
        for (const owned_variant& v : items_) {
            owned_variant copy;
            HRESULT hr = copy.assign(v.get());
            if (FAILED(hr)) return hr;
            snapshot->push_back(std::move(copy));
        }
        return VariantEnumerator::Create(std::move(snapshot), IID_IUnknown, reinterpret_cast<void**>(out));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT Items::get_Calls(long* calls) {
    if (!calls) return E_POINTER;
    *calls = calls_;
    return S_OK;
}

}  // namespace kova_test
