// The one connection point of a test object.
#include "connection_point.h"

#include "enumerator.h"

#include <olectl.h>

#include <algorithm>
#include <memory>
#include <new>

namespace kova_test {

namespace {

struct PointItems {
    static HRESULT copy(const com_ptr<IConnectionPoint>& from, IConnectionPoint** to) {
        *to = com_ptr<IConnectionPoint>(from).detach();
        return S_OK;
    }
    static void clear(IConnectionPoint** p) { com_ptr<IConnectionPoint>::adopt(*p); *p = nullptr; }
};
using PointEnumerator = Enumerator<IEnumConnectionPoints, IConnectionPoint*, com_ptr<IConnectionPoint>, PointItems>;

}  // namespace

com_ptr<ConnectionPoint> ConnectionPoint::Create(IConnectionPointContainer* container, REFIID iid) {
    return com_ptr<ConnectionPoint>::share(new (std::nothrow) ConnectionPoint(container, iid));
}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = com_ptr<IConnectionPointContainer>::share(container_).detach();
    return container_ ? S_OK : E_UNEXPECTED;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    com_ptr<IDispatch> events;
    if (FAILED(sink->QueryInterface(iid_, events.put_void())) || !events) return CONNECT_E_CANNOTCONNECT;
    try {
        sinks_.push_back({last_cookie_ + 1, std::move(events)});
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    *cookie = ++last_cookie_;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->cookie == cookie) {
            // The sink may be released here, and with it whatever called Unadvise.
            Sink gone = std::move(*it);
            sinks_.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

bool ConnectionPoint::Connected(DWORD cookie) const noexcept {
    for (const Sink& s : sinks_)
        if (s.cookie == cookie) return true;
    return false;
}

HRESULT ConnectionPoint::Fire(DISPID id, const VARIANT* args, UINT count) {
    std::vector<Sink> sinks;
    std::vector<VARIANT> reversed;
    try {
        sinks = sinks_;
        // The platform's order: the last argument first.
        reversed.assign(args, args + count);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    std::reverse(reversed.begin(), reversed.end());
    com_ptr<ConnectionPoint> self = com_ptr<ConnectionPoint>::share(this);
    for (const Sink& s : sinks) {
        if (!Connected(s.cookie)) continue;
        DISPPARAMS params = {reversed.data(), nullptr, count, 0};
        s.events->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    return S_OK;
}

HRESULT ConnectionPoint::Enumerate(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        auto points = std::make_shared<PointEnumerator::Items>();
        points->push_back(com_ptr<IConnectionPoint>::share(this));
        return PointEnumerator::Create(std::move(points), IID_IEnumConnectionPoints, reinterpret_cast<void**>(out));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPoint::Find(REFIID iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != iid_) return CONNECT_E_NOCONNECTION;
    *out = com_ptr<IConnectionPoint>::share(this).detach();
    return S_OK;
}

}  // namespace kova_test
