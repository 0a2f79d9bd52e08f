// NObjectWrap: the IDispatchEx face of a host object, with host-attached properties.
#pragma once

#include "object/nobject.h"
#include "object/ref_counted.h"

#include <dispex.h>

#include <string>
#include <vector>

// Asked through QueryInterface to recognise a wrapper of this process's host objects.
extern const IID IID_NObjectWrap;

struct NProp {
    std::string name;
    com_var value;
    DISPID id;
};

// Named values attached by the host, in insertion order; lookups take the earliest.
class NPropList {
public:
    NProp* Find(DISPID id);
    void Add(NProp prop) { props_.push_back(std::move(prop)); }
    bool Remove(DISPID id);
    // The DISPID following the first property with id; DISPID_UNKNOWN after the last.
    HRESULT Next(DISPID id, DISPID* next) const;
    bool empty() const noexcept { return props_.empty(); }

private:
    std::vector<NProp> props_;
};

class NObjectWrap final : public IDispatchEx, private RefCounted<NObjectWrap> {
public:
    // The wrapper counts once in the object's wrapperCount; reference count 0.
    explicit NObjectWrap(NObject* object);
    NObjectWrap(const NObjectWrap&) = delete;
    NObjectWrap& operator=(const NObjectWrap&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("NObjectWrap"); }
    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppti) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override;
    // IDispatchEx
    STDMETHODIMP GetDispID(BSTR name, DWORD flags, DISPID* pid) override;
    STDMETHODIMP InvokeEx(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* excep, IServiceProvider* caller) override;
    STDMETHODIMP DeleteMemberByName(BSTR name, DWORD flags) override;
    STDMETHODIMP DeleteMemberByDispID(DISPID id) override;
    STDMETHODIMP GetMemberProperties(DISPID id, DWORD fetch, DWORD* props) override;
    STDMETHODIMP GetMemberName(DISPID id, BSTR* name) override;
    STDMETHODIMP GetNextDispID(DWORD flags, DISPID id, DISPID* next) override;
    STDMETHODIMP GetNameSpaceParent(IUnknown** parent) override;

    // Attaches a named value (lower-cased under VBScript); an existing one is kept.
    void AddProperty(const std::string& name, const com_var& value);
    void AddMember(const std::string& name, IDispatch* member) { AddProperty(name, com_var(member)); }

    NObject* object() const noexcept { return object_; }
    // The wrapper behind an interface of this process, or null (no reference taken).
    static NObjectWrap* FromUnknown(IUnknown* unk);

private:
    friend class RefCounted<NObjectWrap>;
    ~NObjectWrap();
    HRESULT InvokeObject(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result);
    // Fills excep with the engine's own error for a failure; DISP_E_EXCEPTION, or the
    // status unchanged when the engine has no such error.
    HRESULT Describe(HRESULT status, EXCEPINFO* excep);
    HRESULT ForwardDispID(IDispatchEx* fallback, BSTR name, DWORD flags, DISPID id, DISPID* pid);
    // The fallback's own DISPID of a forwarded member.
    HRESULT FallbackId(IDispatchEx* fallback, DISPID id, DISPID* target);
    HRESULT NextFallbackId(IDispatchEx* fallback, DWORD flags, DISPID id, DISPID* next);
    HRESULT InvokeProperty(NProp& prop, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excep, IServiceProvider* caller);

    NPropList props_;
    NObject* object_;
    bool forwarding_ = false;  // inside a name look-up on the fallback
};

// Wraps an object for a script: a new wrapper with one reference, as VT_DISPATCH.
com_var Wrap(NObject* object);
