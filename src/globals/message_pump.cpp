// Window messages served while the script waits.
#include "globals/message_pump.h"

#include "host/platform.h"

#include <mmsystem.h>

bool DispatchOneMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void PumpMessages(DWORD ms) {
    DWORD start = TickCount();
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        Sleep(ms >= 1 ? 1 : 0);
        return;
    }
    do {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) break;
        if (!DispatchOneMessage()) break;
    } while (timeGetTime() - start < ms);
}

void SleepDispatching(DWORD ms) {
    DWORD end = TickCount() + ms;
    Sleep(0);
    // Past the wrap of the tick, now can jump beyond end without ever reaching it;
    // end is then more than ms ahead, which no wait without the wrap can see.
    auto waiting = [end, ms] {
        DWORD now = timeGetTime();
        return now < end && end - now <= ms;
    };
    while (waiting()) {
        Sleep(1);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // A quit message ends only this round; the wait goes on.
            if (!DispatchOneMessage()) break;
            if (!waiting()) break;
        }
    }
}
