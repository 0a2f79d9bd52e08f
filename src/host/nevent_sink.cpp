// NEventSink: one COM object's events, delivered to the script's handlers.
#include "host/nevent_sink.h"

#include <olectl.h>

#include "host/nscript.h"
#include "object/dispatch_helpers.h"
#include "object/text.h"

namespace {
// The connection point of the object's default event interface: the one its class
// information names, else the first the object lists.
com_ptr<IConnectionPoint> DefaultConnection(IConnectionPointContainer* container, IProvideClassInfo2* info) {
    com_ptr<IConnectionPoint> point;
    IID events;
    if (info && SUCCEEDED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events)) &&
        SUCCEEDED(container->FindConnectionPoint(events, point.put())) && point)
        return point;
    com_ptr<IEnumConnectionPoints> points;
    if (FAILED(container->EnumConnectionPoints(points.put())) || !points) return nullptr;
    ULONG fetched = 0;
    if (points->Next(1, point.put(), &fetched) != S_OK || fetched != 1) point.reset();
    return point;
}
}  // namespace

bool NEventSink::Connect(IDispatch* source, const std::string& prefix, IDispatch* forward) {
    Disconnect();
    prefix_ = prefix;
    if (!source) return false;
    com_ptr<IProvideClassInfo2> info;
    com_ptr<IConnectionPointContainer> container;
    source->QueryInterface(IID_IProvideClassInfo2, info.put_void());
    source->QueryInterface(IID_IConnectionPointContainer, container.put_void());
    com_ptr<ITypeInfo> type;
    com_ptr<ITypeLib> library;
    UINT index = 0;
    if (SUCCEEDED(source->GetTypeInfo(0, GetUserDefaultLCID(), type.put())) && type)
        type->GetContainingTypeLib(library.put(), &index);
    if (!library || !container) return false;

    com_ptr<IConnectionPoint> point = DefaultConnection(container.get(), info.get());
    IID events;
    if (!point || FAILED(point->GetConnectionInterface(&events)) ||
        FAILED(library->GetTypeInfoOfGuid(events, events_.put())) || !events_) {
        events_.reset();
        return false;
    }
    // Connection points may ask the sink for their own interface before they take it.
    eventsId_ = events;
    forward_ = com_ptr<IDispatch>::share(forward);
    if (FAILED(point->Advise(static_cast<IDispatch*>(this), &cookie_))) {
        events_.reset();
        forward_.reset();
        eventsId_ = IID_NULL;
        cookie_ = 0;
        return false;
    }
    connection_ = std::move(point);
    source->QueryInterface(IID_IUnknown, source_.put_void());
    return true;
}

void NEventSink::Disconnect() {
    if (connection_) connection_->Unadvise(cookie_);
    // Cleared before they are released: releasing may end up back here.
    com_ptr<IConnectionPoint> connection = std::move(connection_);
    com_ptr<ITypeInfo> events = std::move(events_);
    com_ptr<IUnknown> source = std::move(source_);
    com_ptr<IDispatch> forward = std::move(forward_);
    cookie_ = 0;
}

STDMETHODIMP NEventSink::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || (iid == eventsId_ && iid != IID_NULL)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP NEventSink::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

STDMETHODIMP NEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP NEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP NEventSink::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* excep, UINT* argErr) {
    if (!events_) return S_OK;
    bstr_ptr name;
    UINT found = 0;
    if (FAILED(events_->GetNames(id, name.put(), 1, &found)) || found == 0 || !name.get()) return S_OK;
    DISPPARAMS none{};
    if (!params) params = &none;
    // A handler may detach this sink, or drop the target, while it runs.
    com_ptr<NEventSink> self = com_ptr<NEventSink>::share(this);
    com_ptr<IDispatch> target = forward_;
    if (!target) {
        script_->InvokeByName(prefix_ + ToNarrow(name.get(), static_cast<int>(name.length())), params, result,
                              excep, argErr);
    } else {
        DISPID member;
        LPOLESTR names[] = {name.get()};
        if (SUCCEEDED(target->GetIDsOfNames(IID_NULL, names, 1, GetUserDefaultLCID(), &member)))
            target->Invoke(member, iid, lcid, flags, params, result, excep, argErr);
    }
    return S_OK;
}
