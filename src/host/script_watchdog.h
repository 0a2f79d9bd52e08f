// ScriptWatchdog: a time limit on the script, kept by a thread of its own.
#pragma once

#include <windows.h>

#include "object/handles.h"

class NScript;

// Whether a time limit has run out: the script is being stopped and the process ends.
bool ScriptTimedOut() noexcept;
// Ends the process after a time limit ran out: a message on standard error and exit
// code 1. Does nothing while no limit has run out.
void EndTimedOutScript();

class ScriptWatchdog {
public:
    explicit ScriptWatchdog(NScript* script);
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;
    // Stops the thread; a limit that has not run out is dropped.
    ~ScriptWatchdog();

    // Counts seconds from now; 0 drops the limit. When they have passed, the running
    // script is interrupted (the engine's interrupt, which may be called from any
    // thread) and the process ends: at once on the main thread when the engine stops
    // the script, else from the watchdog after a grace period (an engine without the
    // interrupt, or a script waiting outside the engine).
    bool Arm(DWORD seconds);

private:
    static DWORD WINAPI Run(void* self);
    void Expire();

    NScript* script_;
    CRITICAL_SECTION lock_;
    ULONGLONG deadline_ = 0;  // GetTickCount64 value; 0 for none
    bool quit_ = false;
    kernel_handle wake_;
    kernel_handle thread_;
};
