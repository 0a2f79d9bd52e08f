// Process functions: message dispatch while waiting, frame pacing, and a waited
// process's owner window (scripts cannot reach these; the script tests do the rest).
#include <gtest/gtest.h>

#include "globals/frame_rate_timer.h"
#include "globals/message_pump.h"
#include "globals/process.h"
#include "host/platform.h"

#include <math.h>
#include <mmsystem.h>

#include <string>
#include <vector>

namespace {
ArgList Args(std::initializer_list<com_var> values) {
    ArgList args;
    for (const com_var& v : values) args.push_back(v);
    return args;
}

com_var Num(double d) { return com_var(d); }

// A message-only window (it needs no display) that records the messages it is given.
class Recorder {
public:
    Recorder() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KovaProcessTestRecorder";
        RegisterClassA(&wc);  // fails harmlessly when already registered
        hwnd = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, HWND_MESSAGE,
                             nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Recorder() { DestroyWindow(hwnd); }

    HWND hwnd;
    int apps = 0;
    int timers = 0;
    bool enabledAtApp = true;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_APP) {
            ++self->apps;
            self->enabledAtApp = IsWindowEnabled(hwnd) != 0;
            return 0;
        }
        if (self && msg == WM_TIMER) {
            ++self->timers;
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
};

bool QuitWaiting() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

HRESULT Call(HRESULT (*fn)(NScript*, ArgList&, com_var&), ArgList args) {
    com_var result;
    return fn(nullptr, args, result);
}
}  // namespace

TEST(ProcessTest, SleepDispatchesPostedMessagesAndTimers) {
    Recorder rec;
    ASSERT_NE(rec.hwnd, nullptr);
    PostMessageA(rec.hwnd, WM_APP, 0, 0);
    EXPECT_EQ(Call(f_sleep, Args({Num(30)})), S_OK);
    EXPECT_EQ(rec.apps, 1);

    SetTimer(rec.hwnd, 1, 10, nullptr);
    EXPECT_EQ(Call(f_sleep, Args({Num(200)})), S_OK);
    KillTimer(rec.hwnd, 1);
    EXPECT_GE(rec.timers, 1);
}

TEST(ProcessTest, SleepOfZeroOrLessDispatchesNothing) {
    Recorder rec;
    PostMessageA(rec.hwnd, WM_APP, 0, 0);
    DWORD start = timeGetTime();
    EXPECT_EQ(Call(f_sleep, Args({Num(0)})), S_OK);
    EXPECT_EQ(Call(f_sleep, Args({Num(-5)})), S_OK);
    EXPECT_EQ(Call(f_sleep, Args({Num(NAN)})), S_OK);
    EXPECT_LT(timeGetTime() - start, 1000u);
    EXPECT_EQ(rec.apps, 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, rec.hwnd, WM_APP, WM_APP, PM_REMOVE));
}

TEST(ProcessTest, QuitMessageIsConsumedAndTheWaitGoesOn) {
    PostQuitMessage(0);
    DWORD start = timeGetTime();
    SleepDispatching(60);
    EXPECT_GE(timeGetTime() - start, 40u);
    EXPECT_FALSE(QuitWaiting());

    FrameRateTimer timer(timeGetTime());
    PostQuitMessage(0);
    timer.Sync();
    EXPECT_FALSE(QuitWaiting());
}

TEST(ProcessTest, FrameRatesOutsideOneToThousand) {
    FrameRateTimer timer(1000);
    EXPECT_EQ(timer.deadline(), 1033u);
    EXPECT_TRUE(timer.SetRate(60, 5000));
    EXPECT_EQ(timer.interval(), 16u);
    EXPECT_EQ(timer.deadline(), 5016u);
    EXPECT_TRUE(timer.SetRate(5000, 7000));
    EXPECT_EQ(timer.interval(), 1u);
    EXPECT_EQ(timer.deadline(), 7001u);
    EXPECT_FALSE(timer.SetRate(0, 8000));
    EXPECT_FALSE(timer.SetRate(-30, 8000));
    EXPECT_EQ(timer.deadline(), 7001u);

    // fps: NaN truncates to 0 and leaves the process clock alone.
    FrameRateTimer& clock = FrameRateTimer::Process();
    EXPECT_EQ(Call(f_fps, Args({Num(60.9)})), S_OK);
    DWORD deadline = clock.deadline();
    EXPECT_EQ(Call(f_fps, Args({Num(NAN)})), S_OK);
    EXPECT_EQ(Call(f_fps, Args({Num(0.5)})), S_OK);
    EXPECT_EQ(clock.interval(), 16u);
    EXPECT_EQ(clock.deadline(), deadline);
    EXPECT_EQ(Call(f_fps, Args({Num(30)})), S_OK);
}

TEST(ProcessTest, SyncCountsFramesAlreadyOver) {
    FrameRateTimer timer(timeGetTime());
    timer.SetRate(100, timeGetTime());
    Sleep(65);  // six frames over, give or take the scheduler
    DWORD skipped = timer.Sync();
    EXPECT_GE(skipped, 3u);
    EXPECT_LE(skipped, 100u);
    EXPECT_LE(timer.deadline() - timeGetTime(), 10u);
    EXPECT_EQ(timer.Sync(), 0u);  // called in time: nothing skipped
}

TEST(ProcessTest, SyncPacesFramesAndServesMessages) {
    Recorder rec;
    FrameRateTimer timer(timeGetTime());
    timer.SetRate(50, timeGetTime());
    DWORD start = timeGetTime();
    PostMessageA(rec.hwnd, WM_APP, 0, 0);
    for (int i = 0; i < 5; ++i) timer.Sync();
    DWORD took = timeGetTime() - start;
    EXPECT_GE(took, 80u);
    EXPECT_LT(took, 5000u);
    EXPECT_EQ(rec.apps, 1);
}

TEST(ProcessTest, SyncDoesNotWaitForADeadlineTheTickWrappedPast) {
    // A deadline almost a full tick cycle ahead is one the count wrapped beyond.
    FrameRateTimer timer(timeGetTime() + 0x7FFFFFFFu);
    DWORD start = timeGetTime();
    EXPECT_EQ(timer.Sync(), 0u);
    EXPECT_LT(timeGetTime() - start, 1000u);
    EXPECT_LE(timer.deadline() - timeGetTime(), 33u);
}

TEST(ProcessTest, OwnerIsDisabledWhileWaitingAndKeepsItsMessages) {
    Recorder owner;
    ASSERT_NE(owner.hwnd, nullptr);
    PostMessageA(owner.hwnd, WM_APP, 0, 0);
    DWORD code = 0;
    EXPECT_TRUE(RunProcess("cmd /c exit 5", true, owner.hwnd, &code));
    EXPECT_EQ(code, 5u);
    EXPECT_EQ(owner.apps, 1);
    EXPECT_FALSE(owner.enabledAtApp);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));

    EXPECT_FALSE(RunProcess("no_such_program_kova.exe", true, owner.hwnd, &code));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));

    // A window disabled before stays disabled.
    EnableWindow(owner.hwnd, FALSE);
    EXPECT_TRUE(RunProcess("cmd /c exit 0", true, owner.hwnd, &code));
    EXPECT_FALSE(IsWindowEnabled(owner.hwnd));
    EnableWindow(owner.hwnd, TRUE);

    // Not waiting leaves the owner alone.
    PostMessageA(owner.hwnd, WM_APP, 0, 0);
    EXPECT_TRUE(RunProcess("cmd /c exit 3", false, owner.hwnd, &code));
    EXPECT_EQ(code, 0u);
    SleepDispatching(20);
    EXPECT_TRUE(owner.enabledAtApp);
}

// Every timing function readies the 1 ms timer resolution itself, as start-up no longer
// does: each case runs in a fresh process (one test per process), where nothing has
// loaded the multimedia library yet.
struct TimingCall {
    const char* name;
    HRESULT (*fn)(NScript*, ArgList&, com_var&);
    std::vector<com_var> args;
};

void PrintTo(const TimingCall& call, std::ostream* os) { *os << call.name; }

class TimerResolutionTest : public testing::TestWithParam<TimingCall> {};

TEST_P(TimerResolutionTest, FirstUseBeginsIt) {
    const TimingCall& call = GetParam();
    ASSERT_FALSE(GetModuleHandleA("winmm.dll"));
    ArgList args;
    for (const com_var& v : call.args) args.push_back(v);
    com_var result;
    call.fn(nullptr, args, result);
    EXPECT_TRUE(GetModuleHandleA("winmm.dll")) << call.name;
}

INSTANTIATE_TEST_SUITE_P(
    Timing, TimerResolutionTest,
    testing::Values(TimingCall{"sleep", f_sleep, {Num(0)}}, TimingCall{"tick", f_tick, {}},
                    TimingCall{"fps", f_fps, {Num(30)}}, TimingCall{"sync", f_sync, {}},
                    // A program that cannot start: the resolution is readied before.
                    TimingCall{"process", f_process, {com_var("kova-no-such-program.exe"), Num(1)}},
                    TimingCall{"system", f_system, {com_var("exit 0")}}),
    [](const testing::TestParamInfo<TimingCall>& info) { return std::string(info.param.name); });
