// Common controls, 1 ms timers, the COM apartment and the ActiveX container window class.
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
}  // namespace

PlatformServices::PlatformServices() {
    InitCommonControls();
    timeBeginPeriod(1);
    comReady_ = SUCCEEDED(CoInitialize(nullptr));
    RegisterContainerClass();
}

PlatformServices::~PlatformServices() {
    if (comReady_) CoUninitialize();
    timeEndPeriod(1);
}
