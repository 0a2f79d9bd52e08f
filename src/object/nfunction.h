// NFunction: a global function as a host object; NShell: an object of attached properties only.
#pragma once

#include "object/nobject.h"

// The handler of a global function: script context, arguments, result slot.
using HostFunction = HRESULT (*)(NScript* script, ArgList& args, com_var& result);

class NFunction : public NObject {
public:
    NFunction(NScript* script, HostFunction fn) : NObject(script), fn_(fn) {}
    HRESULT Call(const std::string& name, ArgList& args, com_var& result) override;

private:
    HostFunction fn_;
};

class NShell : public NObject {
public:
    using NObject::NObject;
};
