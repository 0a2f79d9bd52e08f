// Calls on other programs' objects that a busy server rejects.
#include "host/busy_retry.h"

#include "object/com_ptr.h"
#include "object/text.h"

namespace {
// before runs ahead of every repeated call.
template <class Call, class Before>
HRESULT Retrying(Call call, Before before) {
    HRESULT hr = call();
    for (int i = 0; i < kRejectedCallRetries && hr == RPC_E_CALL_REJECTED; ++i) {
        Sleep(kRejectedCallPause);
        before();
        hr = call();
    }
    return hr;
}
template <class Call>
HRESULT Retrying(Call call) {
    return Retrying(call, [] {});
}
}  // namespace

HRESULT IdOfNameRetrying(IDispatch* disp, const std::string& name, DISPID* id) {
    *id = DISPID_UNKNOWN;
    if (!disp) return E_POINTER;
    bstr_ptr wide(NewBstr(name));
    LPOLESTR names[] = {wide.get()};
    return Retrying([&] { return disp->GetIDsOfNames(IID_NULL, names, 1, GetUserDefaultLCID(), id); });
}

HRESULT InvokeRetrying(IDispatch* disp, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                       EXCEPINFO* excep, UINT* argErr) {
    if (!disp) return E_POINTER;
    DISPPARAMS none{};
    if (!params) params = &none;
    return Retrying([&] { return disp->Invoke(id, IID_NULL, GetUserDefaultLCID(), flags, params, result, excep, argErr); },
                    // A rejected call may still have written a result: each try starts empty.
                    [&] { if (result) VariantClear(result); });
}

HRESULT InvokeByNameRetrying(IDispatch* disp, const std::string& name, WORD flags, const ArgList* args,
                             com_var* result) {
    DISPID id;
    HRESULT hr = IdOfNameRetrying(disp, name, &id);
    if (FAILED(hr)) return hr;
    OutgoingParams params(args);
    com_var out;
    hr = InvokeRetrying(disp, id, flags, params.get(), &out.v);
    if (SUCCEEDED(hr) && result) *result = std::move(out);
    return hr;
}
