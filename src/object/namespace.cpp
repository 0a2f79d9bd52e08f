// Registration of the global namespace, in the order scripts see it enumerated.
#include "object/namespace.h"

#include "globals/console.h"
#include "host/nscript.h"
#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/nfunction.h"
#include "object/nobject_wrap.h"
#include "object/text.h"

const char* const VersionText = "KOVA ver.0.00a";

namespace {
enum class Engine { Any, JScript, VBScript };

struct GlobalFunctionInfo {
    const char* name;
    HostFunction handler;
    Engine only;
};

// Global functions in registration order.
const GlobalFunctionInfo kGlobalFunctions[] = {
    {"print", f_print, Engine::Any},
    {"printf", f_printf, Engine::Any},
    {"sprintf", f_sprintf, Engine::Any},
    {"getch", f_getch, Engine::Any},
    {"getche", f_getche, Engine::Any},
    {"kbhit", f_kbhit, Engine::Any},
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
}  // namespace

void RegisterNamespace(NScript* script, const std::string& hostName, const std::vector<std::string>& options) {
    const bool jscript = EqualsNoCase(hostName.c_str(), "JavaScript");
    const bool vbscript = EqualsNoCase(hostName.c_str(), "VBScript");

    com_ptr<NObjectWrap> global = NewWrap(new NObject(script));
    script->AddItem("__global", GUID_NULL, global.get(), true);

    com_ptr<NObjectWrap> shell = NewWrap(new NShell(script));
    global->AddMember("Script", shell.get());

    for (const GlobalFunctionInfo& f : kGlobalFunctions) {
        if ((f.only == Engine::JScript && !jscript) || (f.only == Engine::VBScript && !vbscript)) continue;
        AddToBoth(global.get(), shell.get(), f.name, new NFunction(script, f.handler));
    }

    com_array args;
    args.create(static_cast<long>(options.size()));
    for (size_t i = 0; i < options.size(); ++i) args.set(static_cast<long>(i), com_var(options[i]));
    shell->AddProperty("args", ArrayToScript(script, args));
    shell->AddProperty("version", com_var(VersionText));
    shell->AddProperty("pwd", com_var(CurrentDirectory()));
}
