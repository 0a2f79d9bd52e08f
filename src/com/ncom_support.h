// NComSupport: the script's COM object, which creates and finds automation objects,
// connects their events and turns their collections into arrays.
#pragma once

#include "object/member_dispatch.h"

// Creates the object of a ProgID, in process or in a local server: its dispatch
// interface in result, or the status of the failure.
HRESULT CreateAutomationObject(const std::string& progId, com_var& result);

class NComSupport : public NMembers<NComSupport> {
public:
    using NMembers<NComSupport>::NMembers;

    static const MethodInfo<NComSupport> methodList[];
    static const MemberTable<MethodInfo<NComSupport>> methods;
    static const MemberTable<PropertyInfo<NComSupport>> properties;

private:
    HRESULT CreateObject(ArgList& args, com_var& result);
    HRESULT GetObject(ArgList& args, com_var& result);
    HRESULT DotNet(ArgList& args, com_var& result);
    HRESULT Attach(ArgList& args, com_var& result);
    HRESULT Detach(ArgList& args, com_var& result);
    HRESULT EnumAll(ArgList& args, com_var& result);
};
