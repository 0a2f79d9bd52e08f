// The one connection point of a test object: sinks connected by Advise, events fired
// to them by IDispatch::Invoke.
#pragma once

#include "com_base.h"

#include <ocidl.h>

#include <vector>

namespace kova_test {

class ConnectionPoint final : public IConnectionPoint, RefCounted<ConnectionPoint>, LiveObject {
public:
    // A new connection point for the dispinterface iid of container (not referenced:
    // the container calls Orphan before it goes).
    static com_ptr<ConnectionPoint> Create(IConnectionPointContainer* container, REFIID iid);
    void Orphan() noexcept { container_ = nullptr; }

    // Calls the event with the arguments in calling order on every sink connected now,
    // each sink and this object referenced for the duration. A sink disconnected by a
    // handler meanwhile gets no further call. What the sinks answer is not the
    // caller's concern: only running out of memory fails.
    HRESULT Fire(DISPID id, const VARIANT* args, UINT count);
    long Connections() const noexcept { return static_cast<long>(sinks_.size()); }

    // The container's IConnectionPointContainer methods, for a container of this one.
    HRESULT Enumerate(IEnumConnectionPoints** out);
    HRESULT Find(REFIID iid, IConnectionPoint** out);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("ConnectionPoint"); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

private:
    friend class RefCounted<ConnectionPoint>;
    ConnectionPoint(IConnectionPointContainer* container, REFIID iid) noexcept : container_(container), iid_(iid) {}
    ~ConnectionPoint() = default;

    struct Sink {
        DWORD cookie;
        com_ptr<IDispatch> events;
    };
    bool Connected(DWORD cookie) const noexcept;

    IConnectionPointContainer* container_;
    const IID& iid_;
    std::vector<Sink> sinks_;
    DWORD last_cookie_ = 0;
};

}  // namespace kova_test
