// Process and system functions. The waits keep the host's windows alive by
// dispatching their messages, since frames get messages only while a call pumps them.
#include "globals/process.h"

#include "globals/frame_rate_timer.h"
#include "globals/message_pump.h"
#include "host/nscript.h"
#include "host/platform.h"
#include "object/handles.h"
#include "object/numeric.h"
#include "window/nframe.h"

#include <objbase.h>
#include <shellapi.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <memory>
#include <vector>

namespace {
uint32_t TruncatedUnsigned(const com_var& v) { return static_cast<uint32_t>(TruncateToInt32(v.ToNumber())); }

// Children share the console: what the script printed so far must come first.
void FlushStreams() {
    fflush(stdout);
    fflush(stderr);
}

// Re-enables the owner when the wait ends, unless it was disabled before.
class OwnerDisabled {
public:
    explicit OwnerDisabled(HWND owner) : owner_(owner) {
        // EnableWindow answers whether the window was disabled before.
        if (owner_) wasDisabled_ = EnableWindow(owner_, FALSE) != 0;
    }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;
    ~OwnerDisabled() {
        if (owner_ && !wasDisabled_) EnableWindow(owner_, TRUE);
    }

private:
    HWND owner_;
    bool wasDisabled_ = false;
};
}  // namespace

bool RunProcess(const std::string& command, bool wait, HWND owner, DWORD* exitCode) {
    *exitCode = 0;
    // CreateProcess takes 32,767 characters with the terminating NUL; longer lines are
    // refused here rather than trusted to every layer below.
    if (command.size() >= 32767) return false;
    std::unique_ptr<OwnerDisabled> disabled;
    if (wait && owner) disabled = std::make_unique<OwnerDisabled>(owner);

    // CreateProcessA may write into the command line.
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof info);
    FlushStreams();
    // Programs the script starts run, like the script, with the 1 ms timer resolution.
    EnsureTimerResolution();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &info))
        return false;
    kernel_handle process(info.hProcess);
    kernel_handle thread(info.hThread);  // not waited for; closed with the process handle

    if (wait) {
        if (owner) {
            while (WaitForSingleObject(process.get(), 10) == WAIT_TIMEOUT) PumpMessages(1);
        } else {
            WaitForSingleObject(process.get(), INFINITE);
        }
        GetExitCodeProcess(process.get(), exitCode);
    }
    return true;
}

HRESULT f_sleep(NScript*, ArgList& args, com_var&) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    SleepDispatching(TruncatedUnsigned(args[0]));
    return S_OK;
}

HRESULT f_beep(NScript*, ArgList& args, com_var&) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    Beep(800, 200);
    return S_OK;
}

HRESULT f_tick(NScript*, ArgList& args, com_var& result) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    result = com_var(static_cast<double>(TickCount()));
    return S_OK;
}

// The run-time library's exit flushes the streams; the host's shut-down is skipped
// on purpose, the script asked to end now.
HRESULT f_exit(NScript*, ArgList& args, com_var&) {
    if (args.count() > 1) return DISP_E_BADPARAMCOUNT;
    int code = args.empty() ? 0 : TruncateToInt32(args[0].ToNumber());
    exit(code);
}

HRESULT f_exec(NScript* script, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    std::string path = args[0].ToText();
    bool loaded = false;
    // The load itself takes a file it cannot read for an empty one; a script asking
    // for a file that is not there must learn of it.
    if (!path.empty()) {
        std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "rb"), fclose);
        // A relative name missing from the current folder may lie beside the main
        // script, started from elsewhere.
        const char c = path[0];
        if (!file && c != '\\' && c != '/' && path.find(':') == std::string::npos && *BaseDirectory()) {
            std::string beside = BaseDirectory();
            if (beside.back() != '\\' && beside.back() != '/') beside += '\\';
            beside += path;
            file.reset(fopen(beside.c_str(), "rb"));
            if (file) path = beside;
        }
        if (file) {
            file.reset();
            loaded = script && script->LoadScriptFile(path);
        }
    }
    result = com_var(loaded);
    return S_OK;
}

HRESULT f_system(NScript*, ArgList& args, com_var& result) {
    if (args.count() > 1) return DISP_E_BADPARAMCOUNT;
    std::string command = args.empty() ? std::string() : args[0].ToText();
    const char* comspec = getenv("COMSPEC");
    const std::string shell = comspec && *comspec ? comspec : "cmd.exe";
    if (command.empty()) {
        // The interpreter itself, reading commands from the console until it exits.
        command = shell.find(' ') != std::string::npos ? "\"" + shell + "\"" : shell;
    } else {
        // The run-time library runs "%COMSPEC% /c command", and cmd.exe takes 8,191
        // characters in all (Wine's crashes on longer ones): refused as a failed run.
        if (shell.size() + 4 + command.size() > 8191) {
            result = com_var(-1.0);
            return S_OK;
        }
    }
    FlushStreams();
    EnsureTimerResolution();  // as for process
    result = com_var(static_cast<double>(system(command.c_str())));
    return S_OK;
}

HRESULT f_startfile(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    std::string path = args[0].ToText();
    // The shell takes a path of MAX_PATH characters at most (and Wine's overruns a
    // buffer of that size on a longer one).
    if (path.size() >= MAX_PATH) {
        result = com_var(false);
        return S_OK;
    }
    EnsureTimerResolution();  // as for process
    HINSTANCE shell = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    result = com_var(reinterpret_cast<INT_PTR>(shell) > 32);
    return S_OK;
}

HRESULT f_process(NScript*, ArgList& args, com_var& result) {
    HWND owner = nullptr;
    size_t first = 0;
    if (!args.empty() && FrameOwner(args[0], &owner)) first = 1;
    size_t rest = args.count() - first;
    if (rest < 1 || rest > 2) return DISP_E_BADPARAMCOUNT;

    std::string command = args[first].ToText();
    bool wait = false;
    if (rest == 2) {
        double flag = args[first + 1].ToNumber();
        wait = flag != 0 && !isnan(flag);
    }
    DWORD code = 0;
    if (RunProcess(command, wait, owner, &code)) result = com_var(static_cast<double>(code));
    return S_OK;
}

HRESULT f_guid(NScript*, ArgList& args, com_var& result) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    GUID guid;
    if (FAILED(CoCreateGuid(&guid))) return E_FAIL;
    // The bytes as they lie in memory: the first three fields least significant first.
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&guid);
    char text[33];
    for (size_t i = 0; i < sizeof guid; ++i) snprintf(text + 2 * i, 3, "%02x", bytes[i]);
    result = com_var(text, 32);
    return S_OK;
}

HRESULT f_fps(NScript*, ArgList& args, com_var&) {
    if (args.count() != 1) return DISP_E_BADPARAMCOUNT;
    FrameRateTimer::Process().SetRate(TruncateToInt32(args[0].ToNumber()), TickCount());
    return S_OK;
}

HRESULT f_sync(NScript*, ArgList& args, com_var& result) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    result = com_var(static_cast<double>(FrameRateTimer::Process().Sync()));
    return S_OK;
}
