// Start-up and shutdown in their fixed order; main's numeric result is the exit code.
#include "app/startup.h"

#include "app/command_line.h"
#include "app/namespace.h"
#include "app/talk_mode.h"
#include "com/dotnet_host.h"
#include "host/console_writer.h"
#include "host/nscript.h"
#include "host/platform.h"
#include "host/script_watchdog.h"
#include "object/com_array.h"
#include "object/dispatch_helpers.h"
#include "object/numeric.h"
#include "object/text.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <memory>

namespace {

std::string FullPath(const std::string& path) {
    char buf[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, buf, nullptr);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return std::string(buf, n);
}

std::string ModuleDirectory() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return DirectoryPart(std::string(buf, n));
}

bool IsExistingFile(const std::string& path) {
    struct _stat64 st;
    return _stat64(path.c_str(), &st) == 0 && !(st.st_mode & _S_IFDIR);
}

// Calls main with the script options as one Array. An engine that refuses the
// argument (a VBScript main declared without parameters) is asked again with none.
// A main that ran and raised an error, which the engine has already reported, is
// not run a second time: its output and side effects would happen twice.
void CallMain(NScript& script, const std::vector<std::string>& options, com_var& result) {
    com_array array;
    array.create(static_cast<long>(options.size()));
    for (size_t i = 0; i < options.size(); ++i) array.set(static_cast<long>(i), com_var(options[i]));
    ArgList args;
    args.push_back(ArrayToScript(&script, array));
    HRESULT status = S_OK;
    if (script.CallFunction("main", &args, &result, &status)) return;
    if (status != static_cast<HRESULT>(SCRIPT_E_REPORTED)) script.CallFunction("main", nullptr, &result);
}
}  // namespace

int RunHost(int argc, const char* const* argv) {
    StartupOptions options;
    if (!ParseCommandLine(argc, argv, options)) {
        WriteOutput(stdout, UsageText(ProgramName(argc > 0 ? argv[0] : "")));
        exit(1);
    }
    options.hostName = ChooseEngine(options);
    if (options.talk && options.hostName != "JavaScript") {
        PrintOutput(stderr, "error: Talk mode only supported in JScript\n");
        exit(1);
    }

    std::string base = DirectoryPart(FullPath(options.scriptPath));
    if (base.empty()) base = ModuleDirectory();

    int exitCode = 0;
    {
        PlatformServices platform;
        SetBaseDirectory(base);
        com_var mainResult;
        auto script = std::make_unique<NScript>();
        bool caseSensitive = !EqualsNoCase(options.hostName.c_str(), "VBScript");
        if (!script->Initialize(options.hostName, caseSensitive)) {
            PrintOutput(stderr, "error: Cannot initialize script host : %s\n", options.hostName.c_str());
        } else {
            RegisterNamespace(script.get(), options.hostName, options.scriptOptions, options.scriptPath);
            bool ran = true;
            if (!options.scriptPath.empty()) {
                if (!IsExistingFile(options.scriptPath)) {
                    PrintOutput(stderr, "error: script file not exist: %s\n", options.scriptPath.c_str());
                    ran = false;
                } else if (!script->LoadScriptFile(options.scriptPath)) {
                    ran = false;
                } else {
                    CallMain(*script, options.scriptOptions, mainResult);
                    if (mainResult.IsNumeric()) exitCode = TruncateToInt32(mainResult.ToNumberStrict());
                }
            }
            if (ran && options.talk) {
                exitCode = 0;
                RunTalkMode(*script);
            }
        }
        mainResult.clear();
        script->Close();
        script.reset();
        StopDotNet();
        SetBaseDirectory("");
    }
    // A time limit that ran out while the engine was closing still ends the run as one.
    EndTimedOutScript();
    fflush(stdout);
    return exitCode;
}
