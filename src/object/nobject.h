// NObject: the base of every host object a script can see.
#pragma once

#include "object/arg_list.h"

#include <dispex.h>

#include <string>

class NScript;
class NObjectWrap;

class NObject {
public:
    explicit NObject(NScript* script);
    NObject(const NObject&) = delete;
    NObject& operator=(const NObject&) = delete;
    virtual ~NObject() = default;

    // Called by a class object with the constructor's arguments: answers a new wrapper
    // (reference count 0) for this object, or null to refuse the construction.
    virtual NObjectWrap* Create(ArgList& args, com_var& result);
    // name is empty for a call of the object itself.
    virtual HRESULT Call(const std::string& name, ArgList& args, com_var& result);
    virtual HRESULT Construct(ArgList& args, com_var& result);
    virtual HRESULT GetProp(const std::string& name, com_var& result);
    // Owns the value and clears it.
    virtual HRESULT PutProp(const std::string& name, com_var value);
    // S_OK when name is a method or property, else DISP_E_UNKNOWNNAME.
    virtual HRESULT HasMember(const std::string& name);
    // A collection's enumerator (IEnumVARIANT as VT_UNKNOWN), which For Each and
    // Enumerator ask for by DISPID_NEWENUM; DISP_E_MEMBERNOTFOUND for other objects.
    virtual HRESULT NewEnum(com_var&) { return DISP_E_MEMBERNOTFOUND; }

    // The object that answers the names this one does not know, or null: host
    // objects refuse unknown names, but the global object hands them to the engine.
    virtual IDispatchEx* Fallback() { return nullptr; }

    // Whether failures reach the engine as its own numbered errors with their standard
    // texts (an exception), as the stock script host's objects raise them, rather
    // than as bare statuses, which some engines pass on without a text.
    virtual bool StandardErrors() const { return false; }

    NScript* script() const noexcept { return script_; }
    bool caseSensitive() const noexcept { return caseSensitive_; }
    // Member names compare exactly, or without case under VBScript.
    bool NameMatches(const std::string& name, const char* member) const;

    // Number of wrappers that refer to this object; the last one to go deletes it.
    LONG wrapperCount = 0;

private:
    NScript* script_;
    bool caseSensitive_;
};
