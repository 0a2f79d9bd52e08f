// Process-wide platform services, prepared in order at start-up and ended in reverse.
#pragma once

#include <windows.h>

#include <string>

// The COM apartment and 1 ms timers, for the life of the host.
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
// the ActiveX container window class ("AtlAxWin"). Start-up leaves them out, since
// loading their libraries costs more than the whole of a short script. The window base
// calls it before every window it creates, the progress box before its dialog, and
// DllFunc before the first native call made for a script (the script may create
// windows of those classes itself), so that no window or script finds them missing.
// Calls after the first do nothing; nothing undoes it, the classes (registered for the
// whole process) stay until the process ends.
void EnsureWindowServices();

// The folder of the script being run (the program's folder when there is none): the
// application base .NET hosting starts its domain with. Start-up sets it before the
// script runs and clears it once the script context is closed.
void SetBaseDirectory(const std::string& folder);
const char* BaseDirectory();
