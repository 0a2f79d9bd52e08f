// Start-up's platform services: the ActiveX container's window class is registered.
#include <gtest/gtest.h>

#include "host/platform.h"

TEST(PlatformTest, ContainerWindowClassIsRegistered) {
    PlatformServices platform;
    HMODULE atl = GetModuleHandleA("atl.dll");
    ASSERT_NE(atl, nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    EXPECT_TRUE(GetClassInfoExA(atl, "AtlAxWin", &wc));
    EXPECT_NE(RegisterWindowMessageA("WM_ATLGETHOST"), 0u);
}
