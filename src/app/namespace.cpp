// Registration of the global namespace, in the order scripts see it enumerated.
#include "app/namespace.h"

#include "com/dotnet_host.h"
#include "com/ncom_support.h"
#include "com/nwscript.h"
#include "data/nbinary_blob.h"
#include "data/ndllfunc.h"
#include "data/nfile.h"
#include "globals/console.h"
#include "globals/encoding.h"
#include "globals/process.h"
#include "globals/scan.h"
#include "globals/user_dialogs.h"
#include "globals/value_functions.h"
#include "host/nscript.h"
#include "image/colour.h"
#include "image/nimage.h"
#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/nclass.h"
#include "object/nfunction.h"
#include "object/nglobal.h"
#include "object/nobject_wrap.h"
#include "object/text.h"
#include "window/nframe.h"
#include "window/nprogress.h"

#include "kova_version.h"

const char* const VersionText = "KOVA ver." KOVA_VERSION;

namespace {
const char* const kScriptName = "Script";

// One global name: a function bound to its handler, or an object made by make.
struct GlobalInfo {
    const char* name;
    HostFunction handler;
    NObject* (*make)(NScript* script);
    Engine only;
};

template <class T>
NObject* Make(NScript* script) {
    return new T(script);
}
HRESULT f_CreateDotNet(NScript*, ArgList& args, com_var& result) { return CreateDotNetObject(args, result); }
NObject* MakeStdin(NScript* script) { return new NFile(script, stdin); }
NObject* MakeStdout(NScript* script) { return new NFile(script, stdout); }
NObject* MakeStderr(NScript* script) { return new NFile(script, stderr); }

// Global names in registration order, each added to the global object and to Script.
const GlobalInfo kGlobals[] = {
    {"COM", nullptr, Make<NComSupport>, Engine::Any},
    {"Frame", nullptr, Make<NClass<NFrame>>, Engine::Any},
    {"Dialog", nullptr, Make<NClass<NDialog>>, Engine::Any},
    {"ToolFrame", nullptr, Make<NClass<NToolFrame>>, Engine::Any},
    {"PopupFrame", nullptr, Make<NClass<NPopupFrame>>, Engine::Any},
    {"LayeredFrame", nullptr, Make<NClass<NLayeredFrame>>, Engine::Any},
    {"TrayTool", nullptr, Make<NClass<NTrayTool>>, Engine::Any},
    {"FullScreen", nullptr, Make<NClass<NFullScreen>>, Engine::Any},
    {"Image", nullptr, Make<NImageClass>, Engine::Any},
    {"File", nullptr, Make<NFileClass>, Engine::Any},
    {"Progress", nullptr, Make<NClass<NProgress>>, Engine::Any},
    {"DllFunc", nullptr, Make<NClass<NDllFunc>>, Engine::Any},
    {"BinaryBlob", nullptr, Make<NClass<NBinaryBlob>>, Engine::Any},
    {"CreateDotNet", f_CreateDotNet, nullptr, Engine::Any},
    {"print", f_print, nullptr, Engine::Any},
    {"printf", f_printf, nullptr, Engine::Any},
    {"sprintf", f_sprintf, nullptr, Engine::Any},
    {"sscanf", f_sscanf, nullptr, Engine::Any},
    {"sleep", f_sleep, nullptr, Engine::Any},
    {"beep", f_beep, nullptr, Engine::Any},
    {"tick", f_tick, nullptr, Engine::Any},
    {"exit", f_exit, nullptr, Engine::Any},
    {"exec", f_exec, nullptr, Engine::Any},
    {"system", f_system, nullptr, Engine::Any},
    {"startfile", f_startfile, nullptr, Engine::Any},
    {"process", f_process, nullptr, Engine::Any},
    {"guid", f_guid, nullptr, Engine::Any},
    {"fps", f_fps, nullptr, Engine::Any},
    {"sync", f_sync, nullptr, Engine::Any},
    {"encode", f_encode, nullptr, Engine::Any},
    {"decode", f_decode, nullptr, Engine::Any},
    {"getch", f_getch, nullptr, Engine::Any},
    {"getche", f_getche, nullptr, Engine::Any},
    {"kbhit", f_kbhit, nullptr, Engine::Any},
    {"alert", f_alert, nullptr, Engine::Any},
    {"confirm", f_confirm, nullptr, Engine::Any},
    {"prompt", f_prompt, nullptr, Engine::Any},
    {"passwd", f_passwd, nullptr, Engine::Any},
    {"openDlg", f_openDlg, nullptr, Engine::Any},
    {"saveDlg", f_saveDlg, nullptr, Engine::Any},
    {"folderDlg", f_folderDlg, nullptr, Engine::Any},
    {"rgb", f_rgb, nullptr, Engine::Any},
    {"rgba", f_rgba, nullptr, Engine::Any},
    {"chr", f_chr, nullptr, Engine::JScript},
    {"ord", f_ord, nullptr, Engine::JScript},
    {"str", f_str, nullptr, Engine::JScript},
    {"int", f_int, nullptr, Engine::JScript},
    {"uint", f_uint, nullptr, Engine::JScript},
    {"cstr", f_cstr, nullptr, Engine::JScript},
    {"esc", f_esc, nullptr, Engine::VBScript},
    {"cstring", f_cstr, nullptr, Engine::VBScript},
    {"stdin", nullptr, MakeStdin, Engine::Any},
    {"stdout", nullptr, MakeStdout, Engine::Any},
    {"stderr", nullptr, MakeStderr, Engine::Any},
};

com_ptr<NObjectWrap> NewWrap(NObject* object) {
    return com_ptr<NObjectWrap>::share(new NObjectWrap(object));
}

// Adds one object under the same name to the global object and to Script.
void AddToBoth(NObjectWrap* global, NObjectWrap* script, const char* name, NObject* object) {
    com_ptr<NObjectWrap> wrap = NewWrap(object);
    global->AddMember(name, wrap.get());
    script->AddMember(name, wrap.get());
}

std::string CurrentDirectory() {
    char buf[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, buf);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return std::string(buf, n);
}

com_var ScriptArgs(NScript* script, const std::vector<std::string>& options) {
    com_array args;
    args.create(static_cast<long>(options.size()));
    for (size_t i = 0; i < options.size(); ++i) args.set(static_cast<long>(i), com_var(options[i]));
    return ArrayToScript(script, args);
}
com_var ScriptVersion(NScript*, const std::vector<std::string>&) { return com_var(VersionText); }
com_var ScriptPwd(NScript*, const std::vector<std::string>&) { return com_var(CurrentDirectory()); }

// The names of the stock script host's object.
const char* const kWScriptNames[] = {"WScript", "WSH"};

// The values of Script alone, made from the script options at registration.
struct ScriptValueInfo {
    const char* name;
    com_var (*make)(NScript* script, const std::vector<std::string>& options);
};
const ScriptValueInfo kScriptValues[] = {
    {"args", ScriptArgs},
    {"version", ScriptVersion},
    {"pwd", ScriptPwd},
};
}  // namespace

std::vector<GlobalName> GlobalNames() {
    std::vector<GlobalName> names = {{kScriptName, Engine::Any}};
    for (const char* name : kWScriptNames) names.push_back({name, Engine::Any});
    for (const GlobalInfo& g : kGlobals) names.push_back({g.name, g.only});
    return names;
}

std::vector<const char*> ScriptValueNames() {
    std::vector<const char*> names;
    for (const ScriptValueInfo& v : kScriptValues) names.push_back(v.name);
    return names;
}

void RegisterNamespace(NScript* script, const std::string& hostName, const std::vector<std::string>& options,
                       const std::string& scriptPath) {
    const bool jscript = EqualsNoCase(hostName.c_str(), "JavaScript");
    const bool vbscript = EqualsNoCase(hostName.c_str(), "VBScript");

    com_ptr<NObjectWrap> global = NewWrap(new NGlobal(script));
    script->AddItem("__global", GUID_NULL, global.get(), true);

    com_ptr<NObjectWrap> shell = NewWrap(new NShell(script));
    global->AddMember(kScriptName, shell.get());

    for (const GlobalInfo& g : kGlobals) {
        if ((g.only == Engine::JScript && !jscript) || (g.only == Engine::VBScript && !vbscript)) continue;
        NObject* object = g.make ? g.make(script) : new NFunction(script, g.handler);
        AddToBoth(global.get(), shell.get(), g.name, object);
    }
    // VBScript has an rgb of its own (0x00BBGGRR); a named item of the same name puts
    // the host's in front of it.
    if (vbscript) {
        com_ptr<NObjectWrap> rgb = NewWrap(new NFunction(script, f_rgb));
        script->AddItem("rgb", GUID_NULL, rgb.get(), false);
    }

    // The stock script host's object, for scripts written for that host: a named item
    // of its own under both of its names, outside the global object and Script.
    NWScript* wscript = new NWScript(script, scriptPath, options);
    com_ptr<NObjectWrap> wscriptWrap = NewWrap(wscript);
    wscript->SetSelf(wscriptWrap.get());
    for (const char* name : kWScriptNames) script->AddItem(name, GUID_NULL, wscriptWrap.get(), false);

    for (const ScriptValueInfo& v : kScriptValues) shell->AddProperty(v.name, v.make(script, options));
}
