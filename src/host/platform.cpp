// The COM apartment and 1 ms timers at start-up; common controls and the ActiveX
// container window class on first use.
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

bool PrepareWindowServices() {
    // comctl32 is delay-loaded: this first call loads it.
    InitCommonControls();
    RegisterContainerClass();
    return true;
}
}  // namespace

PlatformServices::PlatformServices() {
    timeBeginPeriod(1);
    comReady_ = SUCCEEDED(CoInitialize(nullptr));
}

PlatformServices::~PlatformServices() {
    if (comReady_) CoUninitialize();
    timeEndPeriod(1);
}

void EnsureWindowServices() {
    static const bool ready = PrepareWindowServices();
    (void)ready;
}

void SetBaseDirectory(const std::string& folder) { g_baseDirectory = folder; }

const char* BaseDirectory() { return g_baseDirectory.c_str(); }
