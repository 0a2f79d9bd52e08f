// Process-wide platform services, prepared in order at start-up and ended in reverse.
#pragma once

#include <windows.h>

class PlatformServices {
public:
    PlatformServices();
    PlatformServices(const PlatformServices&) = delete;
    PlatformServices& operator=(const PlatformServices&) = delete;
    ~PlatformServices();

private:
    bool comReady_ = false;
};
