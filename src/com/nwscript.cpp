// NWScript: output, arguments, streams, objects, waiting, ending and the time limit
// of the stock host's WScript object, on top of the host's own runtime.
#include "com/nwscript.h"

#include "com/ncom_support.h"
#include "com/nwsh_arguments.h"
#include "com/nwsh_stream.h"
#include "globals/message_pump.h"
#include "globals/process.h"
#include "host/console_writer.h"
#include "host/nscript.h"
#include "host/script_watchdog.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/nobject_wrap.h"
#include "object/text.h"

#include <stdio.h>

const MethodInfo<NWScript> NWScript::methodList[] = {
    {"Echo", 0, kAnyCount, &NWScript::Echo},
    {"Quit", 0, 1, &NWScript::Quit},
    {"Sleep", 1, 1, &NWScript::Sleep},
    {"CreateObject", 1, 2, &NWScript::CreateObject},
    {"GetObject", 1, 3, &NWScript::GetObject},
    {"ConnectObject", 2, 2, &NWScript::ConnectObject},
    {"DisconnectObject", 1, 1, &NWScript::DisconnectObject},
    // Arguments(0): the property read and its item taken in one call.
    {"Arguments", 0, 1, &NWScript::CallArguments},
};
const MemberTable<MethodInfo<NWScript>> NWScript::methods{methodList};
const PropertyInfo<NWScript> NWScript::propertyList[] = {
    {"Name", &NWScript::GetName, nullptr},
    {"Version", &NWScript::GetVersion, nullptr},
    {"BuildVersion", &NWScript::GetBuildVersion, nullptr},
    {"FullName", &NWScript::GetFullName, nullptr},
    {"Path", &NWScript::GetPath, nullptr},
    {"ScriptFullName", &NWScript::GetScriptFullName, nullptr},
    {"ScriptName", &NWScript::GetScriptName, nullptr},
    {"Interactive", &NWScript::GetInteractive, &NWScript::PutInteractive},
    {"Timeout", &NWScript::GetTimeout, &NWScript::PutTimeout},
    {"Application", &NWScript::GetApplication, nullptr},
    {"Arguments", &NWScript::GetArguments, nullptr},
    {"StdIn", &NWScript::GetStdIn, nullptr},
    {"StdOut", &NWScript::GetStdOut, nullptr},
    {"StdErr", &NWScript::GetStdErr, nullptr},
};
const MemberTable<PropertyInfo<NWScript>> NWScript::properties{propertyList};

namespace {
std::string ProgramPath() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : std::string(buf, n);
}

std::string FullPathOf(const std::string& path) {
    if (path.empty()) return path;
    char buf[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, buf, nullptr);
    return n == 0 || n >= MAX_PATH ? path : std::string(buf, n);
}

// Echo's text of one value: OLE Automation's, except that null, which has none, is
// written "null" under every engine.
HRESULT EchoText(const com_var& value, std::string* text) {
    if ((value.type() & ~VT_BYREF) == VT_NULL) {
        *text = "null";
        return S_OK;
    }
    return AutomationText(value, text);
}

HRESULT NonNegative(const com_var& value, LONG* number) {
    HRESULT hr = AutomationLong(value, number);
    return SUCCEEDED(hr) && *number < 0 ? E_INVALIDARG : hr;
}
}  // namespace

NWScript::NWScript(NScript* script, const std::string& scriptPath, const std::vector<std::string>& options)
    : NMembers(script), programPath_(ProgramPath()), scriptFullName_(FullPathOf(scriptPath)), options_(options) {}

NWScript::~NWScript() = default;

HRESULT NWScript::Echo(ArgList& args, com_var&) {
    std::string line;
    for (size_t i = 0; i < args.count(); ++i) {
        std::string text;
        HRESULT hr = EchoText(args[i], &text);
        if (FAILED(hr)) return hr;
        if (i > 0) line += ' ';
        line += text;
    }
    line += '\n';
    WriteOutput(stdout, line);
    return S_OK;
}

// Ends the process as exit does, wherever the script calls it from: main and talk
// mode never run.
HRESULT NWScript::Quit(ArgList& args, com_var& result) {
    LONG code = 0;
    if (!args.empty()) {
        HRESULT hr = AutomationLong(args[0], &code);
        if (FAILED(hr)) return hr;
    }
    ArgList exitArgs;
    exitArgs.push_back(com_var(static_cast<double>(code)));
    return f_exit(script(), exitArgs, result);
}

HRESULT NWScript::Sleep(ArgList& args, com_var&) {
    LONG ms = 0;
    HRESULT hr = NonNegative(args[0], &ms);
    if (FAILED(hr)) return hr;
    SleepDispatching(static_cast<DWORD>(ms));
    return S_OK;
}

HRESULT NWScript::Connect(const com_var& object, const com_var& prefix) {
    com_ptr<IDispatch> dispatch = com_ptr<IDispatch>::adopt(object.ToDispatch());
    std::string text;
    HRESULT hr = dispatch ? AutomationText(prefix, &text) : DISP_E_TYPEMISMATCH;
    if (FAILED(hr)) return hr;
    return script()->sinks().Attach(script(), dispatch.get(), text, nullptr) ? S_OK : E_NOINTERFACE;
}

HRESULT NWScript::CreateObject(ArgList& args, com_var& result) {
    std::string progId;
    HRESULT hr = AutomationText(args[0], &progId);
    if (SUCCEEDED(hr)) hr = CreateAutomationObject(progId, result);
    if (FAILED(hr)) return hr;
    // An object without events still serves the script: the prefix is then ignored.
    if (args.count() == 2) Connect(result, args[1]);
    return S_OK;
}

// GetObject(path): the object a moniker's display name names; with a ProgID, the
// running object of that class (no path) or a new one loaded from the file.
HRESULT NWScript::GetObject(ArgList& args, com_var& result) {
    std::string path, progId;
    HRESULT hr = AutomationText(args[0], &path);
    if (SUCCEEDED(hr) && args.count() > 1 && !args[1].empty()) hr = AutomationText(args[1], &progId);
    if (FAILED(hr)) return hr;
    com_ptr<IDispatch> object;
    if (progId.empty()) {
        hr = CoGetObject(ToWide(path).c_str(), nullptr, IID_IDispatch, object.put_void());
    } else {
        CLSID clsid;
        hr = CLSIDFromProgID(ToWide(progId).c_str(), &clsid);
        com_ptr<IUnknown> unknown;
        if (SUCCEEDED(hr) && path.empty()) {
            hr = GetActiveObject(clsid, nullptr, unknown.put());
        } else if (SUCCEEDED(hr)) {
            com_ptr<IPersistFile> file;
            hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IPersistFile,
                                  file.put_void());
            if (SUCCEEDED(hr)) hr = file->Load(ToWide(path).c_str(), STGM_READ);
            if (SUCCEEDED(hr)) unknown = com_ptr<IUnknown>::share(file.get());
        }
        if (SUCCEEDED(hr)) hr = unknown->QueryInterface(IID_IDispatch, object.put_void());
    }
    if (FAILED(hr)) return hr;
    result = com_var(object.get());
    if (args.count() == 3) Connect(result, args[2]);
    return S_OK;
}

HRESULT NWScript::ConnectObject(ArgList& args, com_var&) { return Connect(args[0], args[1]); }

HRESULT NWScript::DisconnectObject(ArgList& args, com_var&) {
    com_ptr<IUnknown> object = com_ptr<IUnknown>::adopt(args[0].ToUnknown());
    if (!object) return DISP_E_TYPEMISMATCH;
    script()->sinks().Detach(object.get());
    return S_OK;
}

HRESULT NWScript::CallArguments(ArgList& args, com_var& result) {
    HRESULT hr = GetArguments(result);
    if (FAILED(hr) || args.empty()) return hr;
    result.clear();
    NObjectWrap* wrap = NObjectWrap::FromUnknown(arguments_.v.pdispVal);
    return static_cast<NWshArguments*>(wrap->object())->Item(args, result);
}

// The object's own value (its text, as Echo WScript shows it) is its name.
HRESULT NWScript::GetProp(const std::string& name, com_var& result) {
    return NMembers::GetProp(name.empty() ? "Name" : name, result);
}

HRESULT NWScript::GetName(com_var& value) {
    value = com_var("Windows Script Host");
    return S_OK;
}

HRESULT NWScript::GetVersion(com_var& value) {
    value = com_var("5.8");
    return S_OK;
}

HRESULT NWScript::GetBuildVersion(com_var& value) {
    value = com_var(18000.0);
    return S_OK;
}

HRESULT NWScript::GetFullName(com_var& value) {
    value = com_var(programPath_);
    return S_OK;
}

HRESULT NWScript::GetPath(com_var& value) {
    value = com_var(DirectoryPart(programPath_));
    return S_OK;
}

HRESULT NWScript::GetScriptFullName(com_var& value) {
    value = com_var(scriptFullName_);
    return S_OK;
}

HRESULT NWScript::GetScriptName(com_var& value) {
    value = com_var(FileNamePart(scriptFullName_));
    return S_OK;
}

HRESULT NWScript::GetInteractive(com_var& value) {
    value = com_var(interactive_);
    return S_OK;
}

HRESULT NWScript::PutInteractive(com_var& value) {
    com_var converted;
    HRESULT hr = VariantChangeType(&converted.v, &value.v, 0, VT_BOOL);
    if (FAILED(hr)) return hr;
    interactive_ = converted.v.boolVal != VARIANT_FALSE;
    return S_OK;
}

HRESULT NWScript::GetTimeout(com_var& value) {
    value = com_var(static_cast<double>(timeout_));
    return S_OK;
}

HRESULT NWScript::PutTimeout(com_var& value) {
    LONG seconds = 0;
    HRESULT hr = NonNegative(value, &seconds);
    if (FAILED(hr)) return hr;
    if (!watchdog_) watchdog_ = std::make_unique<ScriptWatchdog>(script());
    if (!watchdog_->Arm(static_cast<DWORD>(seconds))) return E_FAIL;
    timeout_ = seconds;
    return S_OK;
}

HRESULT NWScript::GetApplication(com_var& value) {
    if (!self_) return E_FAIL;
    value = com_var(self_);
    return S_OK;
}

HRESULT NWScript::GetArguments(com_var& value) {
    if (arguments_.empty())
        arguments_ = Wrap(new NWshArguments(script(), NWshArguments::Kind::All, options_, FileNamePart(scriptFullName_)));
    value = arguments_;
    return S_OK;
}

HRESULT NWScript::Stream(int which, com_var& value) {
    static FILE* const kStreams[] = {stdin, stdout, stderr};
    if (streams_[which].empty()) streams_[which] = Wrap(new NWshStream(script(), kStreams[which]));
    value = streams_[which];
    return S_OK;
}

HRESULT NWScript::GetStdIn(com_var& value) { return Stream(0, value); }
HRESULT NWScript::GetStdOut(com_var& value) { return Stream(1, value); }
HRESULT NWScript::GetStdErr(com_var& value) { return Stream(2, value); }
