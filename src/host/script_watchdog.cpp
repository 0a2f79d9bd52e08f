// ScriptWatchdog: waits for the deadline on its own thread, then interrupts the
// engine and makes sure the process ends.
#include "host/script_watchdog.h"

#include "host/console_writer.h"
#include "host/nscript.h"

#include <stdio.h>
#include <stdlib.h>

namespace {
volatile LONG g_timedOut = 0;
volatile LONG g_ending = 0;
// Time the main thread gets to end the process itself once the engine was interrupted.
constexpr DWORD kGraceMs = 1000;

void ReportTimeout() { WriteOutput(stderr, "error: script execution time was exceeded (WScript.Timeout)\n"); }
}  // namespace

bool ScriptTimedOut() noexcept { return g_timedOut != 0; }

void EndTimedOutScript() {
    if (!ScriptTimedOut() || InterlockedExchange(&g_ending, 1) != 0) return;
    ReportTimeout();
    exit(1);
}

ScriptWatchdog::ScriptWatchdog(NScript* script) : script_(script), wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    InitializeCriticalSection(&lock_);
}

ScriptWatchdog::~ScriptWatchdog() {
    if (thread_) {
        EnterCriticalSection(&lock_);
        quit_ = true;
        LeaveCriticalSection(&lock_);
        SetEvent(wake_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
    }
    DeleteCriticalSection(&lock_);
}

bool ScriptWatchdog::Arm(DWORD seconds) {
    if (!wake_) return false;
    EnterCriticalSection(&lock_);
    deadline_ = seconds ? GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000 : 0;
    LeaveCriticalSection(&lock_);
    if (!thread_ && seconds) thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    SetEvent(wake_.get());
    return thread_ || !seconds;
}

DWORD WINAPI ScriptWatchdog::Run(void* self) {
    ScriptWatchdog* w = static_cast<ScriptWatchdog*>(self);
    for (;;) {
        EnterCriticalSection(&w->lock_);
        bool quit = w->quit_;
        ULONGLONG deadline = w->deadline_, now = GetTickCount64();
        LeaveCriticalSection(&w->lock_);
        if (quit) return 0;
        if (deadline && now >= deadline) break;
        DWORD wait = deadline ? static_cast<DWORD>(deadline - now) : INFINITE;
        WaitForSingleObject(w->wake_.get(), wait);
    }
    w->Expire();
    return 0;
}

void ScriptWatchdog::Expire() {
    InterlockedExchange(&g_timedOut, 1);
    // The main thread ends the process when the engine gives control back to it
    // (NScriptSite); this thread waits for that, unless it is told to quit first.
    if (SUCCEEDED(script_->Interrupt())) {
        WaitForSingleObject(wake_.get(), kGraceMs);
        EnterCriticalSection(&lock_);
        bool quit = quit_;
        LeaveCriticalSection(&lock_);
        if (quit) return;
    }
    if (InterlockedExchange(&g_ending, 1) != 0) return;
    // The main thread is still running: end the process from here, without the
    // run-time library's exit, whose clean-up would race with that thread.
    ReportTimeout();
    fflush(stdout);
    fflush(stderr);
    ExitProcess(1);
}
