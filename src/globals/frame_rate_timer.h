// FrameRateTimer: the process's frame clock, paced by fps and waited on by sync.
#pragma once

#include <windows.h>

#include <stdint.h>

class FrameRateTimer {
public:
    static constexpr DWORD kStartInterval = 33;

    // A clock whose first frame ends one start interval after the tick start.
    explicit FrameRateTimer(DWORD start) noexcept : deadline_(start + kStartInterval) {}

    // Frames per second from 1 to 1000; faster rates give 1 ms frames, the fastest
    // sync can keep. A rate below 1 has no interval and leaves the clock as it is
    // (false). The next frame ends one interval after now.
    bool SetRate(int32_t rate, DWORD now) noexcept;
    // Waits for the frame deadline while dispatching window messages, then starts
    // the next frame; answers how many whole frames had already passed.
    DWORD Sync();

    DWORD interval() const noexcept { return interval_; }
    DWORD deadline() const noexcept { return deadline_; }

    // The one clock of the process, made by its first use; its first frame ends one
    // start interval after the program was loaded.
    static FrameRateTimer& Process() noexcept;

private:
    DWORD interval_ = kStartInterval;
    DWORD deadline_;
};
