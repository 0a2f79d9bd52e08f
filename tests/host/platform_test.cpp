// Platform services: start-up prepares COM alone; window services and the timer
// resolution come on first use, and the delay-loaded system libraries load when first
// called.
#include <gtest/gtest.h>

#include "host/platform.h"

#include <commdlg.h>

#include <thread>
#include <vector>

namespace {
bool Loaded(const char* dll) { return GetModuleHandleA(dll) != nullptr; }

bool ClassRegistered(const char* dll, const char* name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    return Loaded(dll) && GetClassInfoExA(GetModuleHandleA(dll), name, &wc);
}

// Milliseconds since the process was created, by the system clock.
double ProcessAgeMs() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return static_cast<double>(b.QuadPart - a.QuadPart) / 10000;
}
}  // namespace

// Each test runs in a process of its own, so nothing else has loaded these yet.
TEST(PlatformTest, WindowServicesStartOnFirstUse) {
    PlatformServices platform;
    for (const char* dll : {"comctl32.dll", "atl.dll", "shell32.dll", "comdlg32.dll", "winmm.dll", "msimg32.dll"})
        EXPECT_FALSE(Loaded(dll)) << dll;

    for (int round = 0; round < 2; ++round) {
        EnsureWindowServices();
        EXPECT_TRUE(ClassRegistered("comctl32.dll", "SysListView32")) << round;
        EXPECT_TRUE(ClassRegistered("atl.dll", "AtlAxWin")) << round;
        EXPECT_NE(RegisterWindowMessageA("WM_ATLGETHOST"), 0u);
        // Window timers run at the 1 ms resolution.
        EXPECT_TRUE(Loaded("winmm.dll")) << round;
    }

    // A delay-loaded library the program does not call yet still resolves.
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_TRUE(Loaded("comdlg32.dll"));
}

TEST(PlatformTest, OnceFlagRunsOnceAcrossThreads) {
    static OnceFlag flag;
    static LONG calls = 0;
    EXPECT_FALSE(flag.done());
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] {
            flag.Run([] {
                Sleep(20);  // the others arrive meanwhile and must wait, not run it again
                InterlockedIncrement(&calls);
            });
            EXPECT_EQ(calls, 1);
        });
    for (std::thread& t : threads) t.join();
    flag.Run([] { InterlockedIncrement(&calls); });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(flag.done());
}

// The tick of the program's load, worked out later: after the process was created and
// before now, in milliseconds of the tick.
TEST(PlatformTest, LoadTickLiesBetweenProcessCreationAndNow) {
    EXPECT_FALSE(Loaded("winmm.dll"));
    Sleep(60);
    const DWORD load = LoadTick();
    EXPECT_TRUE(Loaded("winmm.dll"));
    const DWORD now = TickCount();
    const DWORD created = now - static_cast<DWORD>(ProcessAgeMs());
    EXPECT_LE(load, now - 50);
    // The tick and the system clock may disagree by a clock step.
    EXPECT_GE(load + 20, created);
}
