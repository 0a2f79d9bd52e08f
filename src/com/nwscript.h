// NWScript: the WScript object of the stock script host (also named WSH), so that
// scripts written for that host run here unchanged.
#pragma once

#include "object/member_dispatch.h"

#include <memory>
#include <string>
#include <vector>

class ScriptWatchdog;

class NWScript : public NMembers<NWScript> {
public:
    // scriptPath as given on the command line (may be empty); options are the
    // script options, as main receives them.
    NWScript(NScript* script, const std::string& scriptPath, const std::vector<std::string>& options);
    ~NWScript() override;

    // The wrapper that scripts see (Application gives it back); not owned, since
    // the object lives exactly as long as this one wrapper.
    void SetSelf(IDispatch* self) noexcept { self_ = self; }
    HRESULT GetProp(const std::string& name, com_var& result) override;

    bool StandardErrors() const override { return true; }

    static const MethodInfo<NWScript> methodList[];
    static const MemberTable<MethodInfo<NWScript>> methods;
    static const PropertyInfo<NWScript> propertyList[];
    static const MemberTable<PropertyInfo<NWScript>> properties;

private:
    HRESULT Echo(ArgList& args, com_var& result);
    HRESULT Quit(ArgList& args, com_var& result);
    HRESULT Sleep(ArgList& args, com_var& result);
    HRESULT CreateObject(ArgList& args, com_var& result);
    HRESULT GetObject(ArgList& args, com_var& result);
    HRESULT ConnectObject(ArgList& args, com_var& result);
    HRESULT DisconnectObject(ArgList& args, com_var& result);
    HRESULT CallArguments(ArgList& args, com_var& result);

    HRESULT GetName(com_var& value);
    HRESULT GetVersion(com_var& value);
    HRESULT GetBuildVersion(com_var& value);
    HRESULT GetFullName(com_var& value);
    HRESULT GetPath(com_var& value);
    HRESULT GetScriptFullName(com_var& value);
    HRESULT GetScriptName(com_var& value);
    HRESULT GetInteractive(com_var& value);
    HRESULT PutInteractive(com_var& value);
    HRESULT GetTimeout(com_var& value);
    HRESULT PutTimeout(com_var& value);
    HRESULT GetApplication(com_var& value);
    HRESULT GetArguments(com_var& value);
    HRESULT GetStdIn(com_var& value);
    HRESULT GetStdOut(com_var& value);
    HRESULT GetStdErr(com_var& value);

    // Connects the object's events to prefix + event name.
    HRESULT Connect(const com_var& object, const com_var& prefix);
    // StdIn (0), StdOut (1) or StdErr (2), made on first use.
    HRESULT Stream(int which, com_var& value);

    std::string programPath_;
    std::string scriptFullName_;
    std::vector<std::string> options_;
    bool interactive_ = true;
    LONG timeout_ = 0;
    com_var arguments_;  // made on first use
    com_var streams_[3];
    std::unique_ptr<ScriptWatchdog> watchdog_;
    IDispatch* self_ = nullptr;
};
