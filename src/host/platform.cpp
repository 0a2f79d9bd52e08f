// The COM apartment at start-up; common controls, the ActiveX container window class
// and the 1 ms timer resolution on first use.
#include "host/platform.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>

namespace {
// The platform's ActiveX container library registers the "AtlAxWin" window class
// (and its WM_ATLGETHOST / WM_ATLGETCONTROL messages) that frames use to host controls.
void RegisterContainerClass() {
    HMODULE atl = LoadLibraryA("atl.dll");
    if (!atl) return;
    using AxWinInit = BOOL(WINAPI*)();
    auto init = reinterpret_cast<AxWinInit>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
    if (init) init();
    // The library stays loaded: the class's window procedure lives in it.
}

std::string g_baseDirectory;
OnceFlag g_windowServices;
OnceFlag g_timerResolution;

// The performance counter when the program was loaded, for LoadTick.
LARGE_INTEGER ReadCounter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}
const LARGE_INTEGER g_loadCounter = ReadCounter();
}  // namespace

bool OnceFlag::done() noexcept {
    BOOL pending = TRUE;
    return InitOnceBeginInitialize(&once_, INIT_ONCE_CHECK_ONLY, &pending, nullptr) && !pending;
}

PlatformServices::PlatformServices() { comReady_ = SUCCEEDED(CoInitialize(nullptr)); }

PlatformServices::~PlatformServices() {
    if (comReady_) CoUninitialize();
    if (g_timerResolution.done()) timeEndPeriod(1);
}

void EnsureWindowServices() {
    g_windowServices.Run([] {
        // comctl32 and winmm are delay-loaded: these first calls load them.
        InitCommonControls();
        RegisterContainerClass();
        EnsureTimerResolution();
    });
}

void EnsureTimerResolution() {
    g_timerResolution.Run([] { timeBeginPeriod(1); });
}

DWORD TickCount() {
    EnsureTimerResolution();
    return timeGetTime();
}

DWORD LoadTick() {
    DWORD now = TickCount();
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    LONGLONG elapsed = (counter.QuadPart - g_loadCounter.QuadPart) * 1000 / frequency.QuadPart;
    return now - static_cast<DWORD>(elapsed);
}

void SetBaseDirectory(const std::string& folder) { g_baseDirectory = folder; }

const char* BaseDirectory() { return g_baseDirectory.c_str(); }
