// NWindow's shared procedure and modal loop, and NMenu's id ranges, on real windows
// (hidden; they need a display all the same).
#include <gtest/gtest.h>

#include <vector>

#include "object/com_array.h"
#include "window/nmenu.h"
#include "window/nwindow.h"

namespace {
// A window object that records the messages its procedure is given, and ends its
// modal loop on WM_APP with the result in wParam.
class Recorder final : public NWindow {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        if (message == WM_APP) {
            ownerEnabled = owner && IsWindowEnabled(owner);
            EndModal(static_cast<int>(wParam));
            return 0;
        }
        return NWindow::WindowProc(message, wParam, lParam);
    }
    bool Create(DWORD style = WS_CAPTION | WS_SYSMENU, DWORD exStyle = 0, HWND ownerWindow = nullptr) {
        owner = ownerWindow;
        return CreateHostWindow(exStyle, "nwindow test", style, 0, 0, 200, 100, ownerWindow, nullptr, nullptr);
    }
    std::vector<UINT> seen;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

bool QuitPending(WPARAM* code) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    *code = msg.wParam;
    return true;
}

com_var Items(std::initializer_list<const char*> texts) {
    com_array array;
    array.create(static_cast<long>(texts.size()));
    long i = 0;
    for (const char* text : texts) array.set(i++, com_var(text));
    return array.detach();
}
}  // namespace

TEST(NWindow, ModalLoopWithoutWindowReturnsAtOnce) {
    Recorder window;
    EXPECT_EQ(window.RunModalLoop(false), 0);
    EXPECT_FALSE(window.inModalLoop());
}

TEST(NWindow, EndModalEndsTheLoopWithItsResultAndEnablesTheOwner) {
    Recorder owner, dialog;
    ASSERT_TRUE(owner.Create());
    ASSERT_TRUE(dialog.Create(WS_CAPTION | WS_SYSMENU, 0, owner.hwnd()));
    PostMessageA(dialog.hwnd(), WM_APP, 9, 0);
    EXPECT_EQ(dialog.RunModalLoop(false), 9);
    EXPECT_FALSE(dialog.ownerEnabled);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

TEST(NWindow, QuitEndsTheModalLoopAndIsPostedAgain) {
    Recorder owner, dialog;
    ASSERT_TRUE(owner.Create());
    ASSERT_TRUE(dialog.Create(WS_CAPTION | WS_SYSMENU, 0, owner.hwnd()));
    PostQuitMessage(5);
    EXPECT_EQ(dialog.RunModalLoop(false), 0);
    WPARAM code = 0;
    ASSERT_TRUE(QuitPending(&code));
    EXPECT_EQ(code, 5u);
    // The window stays; its owner must not stay disabled.
    EXPECT_NE(dialog.hwnd(), nullptr);
    EXPECT_FALSE(dialog.inModalLoop());
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

TEST(NWindow, SystemMenuFollowsSizingBorderAndToolStyles) {
    struct Case {
        DWORD style, exStyle;
        bool minimize, maximize, size, icon;
    } cases[] = {
        {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, true, false, false, true},
        {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, false, false, false, false},
        {WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, false, false, false},
        {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, true, true, true, true},
        {WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "style 0x" << c.style << ", ex 0x" << c.exStyle);
        Recorder window;
        ASSERT_TRUE(window.Create(c.style, c.exStyle));
        HMENU system = GetSystemMenu(window.hwnd(), FALSE);
        ASSERT_NE(system, nullptr);
        auto has = [system](UINT command) { return GetMenuState(system, command, MF_BYCOMMAND) != static_cast<UINT>(-1); };
        EXPECT_EQ(has(SC_MINIMIZE), c.minimize);
        EXPECT_EQ(has(SC_MAXIMIZE), c.maximize);
        EXPECT_EQ(has(SC_SIZE), c.size);
        const auto icon = reinterpret_cast<HICON>(SendMessageA(window.hwnd(), WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(icon == ProgramIcon(), c.icon);
    }
}

TEST(NWindow, DoubleClickSendsThePressFirst) {
    const UINT pairs[][2] = {{WM_LBUTTONDBLCLK, WM_LBUTTONDOWN},
                             {WM_RBUTTONDBLCLK, WM_RBUTTONDOWN},
                             {WM_MBUTTONDBLCLK, WM_MBUTTONDOWN}};
    Recorder window;
    ASSERT_TRUE(window.Create());
    for (const auto& pair : pairs) {
        window.seen.clear();
        SendMessageA(window.hwnd(), pair[0], 0, MAKELPARAM(3, 4));
        EXPECT_EQ(window.seen, (std::vector<UINT>{pair[1], pair[0]}));
    }
    window.seen.clear();
    SendMessageA(window.hwnd(), WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(window.seen, std::vector<UINT>{WM_LBUTTONDOWN});
}

TEST(NWindow, HookTakesTheMessagesInsteadOfTheProcedure) {
    struct Hook final : MessageHook {
        LRESULT HandleMessage(NWindow& window, UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_APP) return 77;
            return DefWindowProcA(window.hwnd(), message, wParam, lParam);
        }
    } hook;
    Recorder window;
    ASSERT_TRUE(window.CreateHostWindow(0, "hooked", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, &hook));
    EXPECT_EQ(SendMessageA(window.hwnd(), WM_APP, 0, 0), 77);
    EXPECT_TRUE(window.seen.empty());
    EXPECT_EQ(NWindow::WindowFromHandle(window.hwnd()), &window);
}

TEST(NMenu, RangesContinueAcrossMenusAndSeparatorsTakeNoId) {
    NMenu menu;
    EXPECT_EQ(menu.BarForWindow(), nullptr);
    EXPECT_TRUE(menu.Add("File", Items({"Open", "-", "Save", "-", "Quit"}), "file_"));
    EXPECT_FALSE(menu.Add("Bad", com_var("not an array"), "bad_"));
    EXPECT_TRUE(menu.Add("Edit", Items({"Cut", "Copy"}), ""));
    EXPECT_TRUE(menu.Add("Empty", Items({"-"}), "empty_"));
    EXPECT_TRUE(menu.Add("View", Items({"Zoom"}), "view_"));

    struct Case {
        int32_t id;
        int32_t category;  // -1: no range
        const char* prefix;
    } cases[] = {
        {NMenu::kFirstId - 1, -1, ""}, {0x101, 0, "file_"}, {0x103, 0, "file_"}, {0x104, 1, ""},
        {0x105, 1, ""}, {0x106, 3, "view_"}, {0x107, -1, ""}, {0, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const MenuRange* range = menu.FindRange(c.id);
        if (c.category < 0) {
            EXPECT_EQ(range, nullptr);
            continue;
        }
        ASSERT_NE(range, nullptr);
        EXPECT_EQ(range->category, c.category);
        EXPECT_EQ(range->prefix, c.prefix);
    }
    EXPECT_EQ(menu.FindRange(0x103)->firstId, 0x101);
    EXPECT_EQ(menu.FindRange(0x103)->endId, 0x104);

    // Each window gets a bar of its own, with the ids of the ranges.
    HMENU bar = menu.BarForWindow();
    HMENU again = menu.BarForWindow();
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(bar, again);
    EXPECT_EQ(GetMenuItemCount(bar), 4);
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), 5);
    const UINT fileIds[] = {0x101, 0, 0x102, 0, 0x103};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(GetMenuItemID(file, i), fileIds[i]) << i;
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 1), 1), 0x105u);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 3), 0), 0x106u);
    DestroyMenu(bar);
    DestroyMenu(again);
}
