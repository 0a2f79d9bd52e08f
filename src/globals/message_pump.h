// Serving window messages while the script waits: one at a time, for a while, or
// through a sleep.
#pragma once

#include <windows.h>

// Fetches the next message (one must be waiting, or this blocks), translates and
// dispatches it. False when it was the quit message, which is consumed.
bool DispatchOneMessage();
// Dispatches waiting messages for up to ms milliseconds; with none waiting, sleeps
// 1 ms (or yields when ms is 0).
void PumpMessages(DWORD ms);
// Waits ms milliseconds of the tick, dispatching window messages meanwhile.
void SleepDispatching(DWORD ms);
