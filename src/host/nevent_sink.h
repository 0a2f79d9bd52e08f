// NEventSink: receives the events of one COM object on its default event interface
// and calls the script's handlers for them.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>

#include "object/com_ptr.h"
#include "object/ref_counted.h"

class NScript;

class NEventSink final : public IDispatch, private RefCounted<NEventSink> {
public:
    explicit NEventSink(NScript* script) noexcept : script_(script) {}

    // Connects to the object's default event interface: events then call the script
    // function prefix + event name, or, with a forward target, the target's member of
    // the bare event name. Whatever the sink held before is dropped first. False when
    // the object offers no connection the sink can use.
    bool Connect(IDispatch* source, const std::string& prefix, IDispatch* forward);
    // Ends the connection, if any.
    void Disconnect();
    // Whether the sink is connected to the object with this COM identity.
    bool IsFor(IUnknown* identity) const noexcept { return identity && identity == source_.get(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("NEventSink"); }
    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;

private:
    friend class RefCounted<NEventSink>;
    virtual ~NEventSink() { Disconnect(); }

    com_ptr<ITypeInfo> events_;            // the event interface's type information
    com_ptr<IConnectionPoint> connection_;
    DWORD cookie_ = 0;
    IID eventsId_ = IID_NULL;              // the connection's interface, which the sink also answers
    NScript* script_;
    std::string prefix_;
    com_ptr<IDispatch> forward_;
    com_ptr<IUnknown> source_;             // the source's identity, while connected
};
