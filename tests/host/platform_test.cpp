// Platform services: start-up prepares COM alone; window services come on first use,
// and the delay-loaded system libraries load when first called.
#include <gtest/gtest.h>

#include "host/platform.h"

#include <commdlg.h>

namespace {
bool Loaded(const char* dll) { return GetModuleHandleA(dll) != nullptr; }

bool ClassRegistered(const char* dll, const char* name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    return Loaded(dll) && GetClassInfoExA(GetModuleHandleA(dll), name, &wc);
}
}  // namespace

// Each test runs in a process of its own, so nothing else has loaded these yet.
TEST(PlatformTest, WindowServicesStartOnFirstUse) {
    PlatformServices platform;
    EXPECT_FALSE(Loaded("comctl32.dll"));
    EXPECT_FALSE(Loaded("atl.dll"));
    EXPECT_FALSE(Loaded("shell32.dll"));
    EXPECT_FALSE(Loaded("comdlg32.dll"));

    for (int round = 0; round < 2; ++round) {
        EnsureWindowServices();
        EXPECT_TRUE(ClassRegistered("comctl32.dll", "SysListView32")) << round;
        EXPECT_TRUE(ClassRegistered("atl.dll", "AtlAxWin")) << round;
        EXPECT_NE(RegisterWindowMessageA("WM_ATLGETHOST"), 0u);
    }

    // A delay-loaded library the program does not call yet still resolves.
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_TRUE(Loaded("comdlg32.dll"));
}
