// Process-wide platform services: the COM apartment for the life of the host, and
// what only some scripts need, readied by the first use.
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>

// Runs a function once per process: the first Run calls it, a caller on another
// thread meanwhile waits until it has returned, and later calls do nothing. A flag
// at namespace scope is ready before any constructor runs (it needs none itself).
class OnceFlag {
public:
    template <class F>
    void Run(F&& f) noexcept {
        InitOnceExecuteOnce(&once_, &Call<typename std::remove_reference<F>::type>, &f, nullptr);
    }
    // Whether a Run has finished.
    bool done() noexcept;

private:
    template <class F>
    static BOOL WINAPI Call(PINIT_ONCE, PVOID f, PVOID*) {
        (*static_cast<F*>(f))();
        return TRUE;
    }
    INIT_ONCE once_ = INIT_ONCE_STATIC_INIT;
};

// The COM apartment, for the life of the host; at its end also the 1 ms timer
// resolution, when a script's timing began it.
class PlatformServices {
public:
    PlatformServices();
    PlatformServices(const PlatformServices&) = delete;
    PlatformServices& operator=(const PlatformServices&) = delete;
    ~PlatformServices();

private:
    bool comReady_ = false;
};

// Readies what only windows and ActiveX controls use: the common control classes and
// the ActiveX container window class ("AtlAxWin"), and the 1 ms timer resolution that
// their timers and waits run at. Start-up leaves them out, since loading their
// libraries costs more than the whole of a short script. The window base calls it
// before every window it creates, the progress box before its dialog, and DllFunc
// before the first native call made for a script (the script may create windows of
// those classes itself), so that no window or script finds them missing. Calls after
// the first do nothing; nothing undoes it, the classes (registered for the whole
// process) stay until the process ends.
void EnsureWindowServices();

// Sets the system timer resolution to 1 ms (timeBeginPeriod), which the millisecond
// tick, sleeps, frame pacing, window timers and the waits for programs rely on. The
// first of them calls it, not start-up: loading the multimedia library costs more than
// a short script that times nothing. Calls after the first do nothing; PlatformServices
// ends the resolution again at shutdown when it was begun.
void EnsureTimerResolution();

// The millisecond tick (timeGetTime), with the timer resolution readied first.
DWORD TickCount();

// The millisecond tick of the moment the program was loaded: read from the performance
// counter then, turned into the tick's scale on the first call, so that loading the
// program does not load the multimedia library.
DWORD LoadTick();

// The folder of the script being run (the program's folder when there is none): the
// application base .NET hosting starts its domain with. Start-up sets it before the
// script runs and clears it once the script context is closed.
void SetBaseDirectory(const std::string& folder);
const char* BaseDirectory();
