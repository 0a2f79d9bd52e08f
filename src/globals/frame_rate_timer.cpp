// FrameRateTimer: frame pacing on the millisecond tick, with window messages served.
#include "globals/frame_rate_timer.h"

#include "globals/message_pump.h"
#include "host/platform.h"

#include <mmsystem.h>

// Made by the first fps or sync, but its first frame is measured from the program's
// start, not from that call.
FrameRateTimer& FrameRateTimer::Process() noexcept {
    static FrameRateTimer timer(LoadTick());
    return timer;
}

bool FrameRateTimer::SetRate(int32_t rate, DWORD now) noexcept {
    if (rate < 1) return false;
    interval_ = rate > 1000 ? 1 : 1000 / static_cast<DWORD>(rate);
    deadline_ = now + interval_;
    return true;
}

DWORD FrameRateTimer::Sync() {
    // Frames already over are skipped in one step: counting them one interval at a
    // time could circle past the 32-bit wrap of the tick for ever.
    DWORD skipped = 0;
    DWORD t = TickCount();
    if (t > deadline_) {
        skipped = (t - deadline_ + interval_ - 1) / interval_;
        deadline_ += skipped * interval_;
    }

    for (;;) {
        t = timeGetTime();
        if (t >= deadline_) break;
        // A deadline further ahead than one frame is one the tick has wrapped past.
        DWORD remaining = deadline_ - t;
        if (remaining > interval_) break;
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!DispatchOneMessage()) break;
        } else {
            Sleep(remaining > 1 ? 1 : 0);
        }
    }
    deadline_ = t + interval_;
    return skipped;
}
