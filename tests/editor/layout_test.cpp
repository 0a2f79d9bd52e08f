// AlignManager, the simple button and subclassWindow on real windows: children of a
// visible framed window of the test's own class, which records the commands it gets.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "editor/align_manager.h"
#include "editor/simple_button.h"
#include "editor/subclass_window.h"
#include "test_support.h"
#include "window/nwindow.h"

namespace {
using Placement = std::array<LONG, 4>;  // x, y, width, height in the parent's client area
constexpr char kClass[] = "KOVA layout test";
constexpr DWORD kStyle = WS_CAPTION | WS_THICKFRAME;
std::vector<std::pair<WPARAM, LPARAM>> commands;

LRESULT CALLBACK TestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commands.emplace_back(wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Parent {
    Parent() {
        static WNDCLASSA wc{0, TestProc, 0, 0, ProgramInstance(), nullptr, nullptr, nullptr, nullptr, kClass};
        static const bool registered = RegisterClassA(&wc) && registerSimpleButton(nullptr);
        if (registered)
            hwnd = CreateWindowExA(WS_EX_TOPMOST, kClass, "", kStyle | WS_VISIBLE, 30, 40, 99, 99, nullptr, nullptr,
                                   nullptr, nullptr);
        Resize(300, 200);
        commands.clear();
    }
    ~Parent() { DestroyWindow(hwnd); }
    bool Resize(int width, int height) {  // the client area's size; false when not taken
        RECT r{0, 0, width, height};
        AdjustWindowRectEx(&r, kStyle, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
        return GetClientRect(hwnd, &r) && r.right == width && r.bottom == height;
    }
    HWND Child(const char* className, Placement p, int id = 0) const {
        return CreateWindowExA(0, className, "Run", WS_CHILD | WS_VISIBLE, p[0], p[1], p[2], p[3], hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND hwnd = nullptr;
};

Placement PlacementOf(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
}  // namespace

TEST(Layout, AnchorsFollowTheParentsSize) {
    // Registered at 10, 20, 50 × 30 in 300 × 200 (gaps: right 240, bottom 150), then
    // moved to 15, 25, 70 × 40 before the parent is resized.
    const struct { int32_t flags; int width, height; Placement expected; } cases[] = {
        {15, 400, 260, {10, 20, 150, 90}}, {9, 400, 260, {10, 80, 50, 30}}, {12, 400, 260, {110, 80, 50, 30}},
        {0, 400, 260, {15, 25, 50, 30}},   {5, 200, 120, {10, 25, 4, 30}},  {10, 200, 120, {15, 20, 50, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags);
        Parent parent;
        const HWND child = parent.Child("STATIC", {10, 20, 50, 30});
        AlignManager manager;
        manager.Add(child, c.flags);
        MoveWindow(child, 15, 25, 70, 40, FALSE);
        ASSERT_TRUE(parent.Resize(c.width, c.height));
        manager.Apply();
        EXPECT_EQ(PlacementOf(child, parent.hwnd), c.expected);
    }
}

TEST(Layout, AddingAgainReplacesTheRuleAndOnlyChildrenGetOne) {
    Parent parent;
    const HWND child = parent.Child("STATIC", {10, 20, 50, 30});
    // An owned pop-up is no child, though GetParent answers its owner.
    const HWND popup =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, 50, 30, parent.hwnd, nullptr, nullptr, nullptr);
    AlignManager manager;
    manager.Add(child, 15);  // had it stayed, it would run first and put the child at 10, 20
    MoveWindow(child, 40, 50, 60, 35, FALSE);
    manager.Add(child, 0);
    manager.Add(popup, 0);
    manager.Add(nullptr, 15);
    MoveWindow(child, 1, 2, 10, 10, FALSE);
    MoveWindow(popup, 10, 20, 70, 40, FALSE);
    manager.Apply();
    EXPECT_EQ(PlacementOf(child, parent.hwnd), (Placement{1, 2, 60, 35}));
    EXPECT_EQ(PlacementOf(popup, nullptr)[2], 70);
}

TEST(SimpleButton, ClicksOnReleaseWhenEnabled) {
    const std::vector<UINT> mouse{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}, keys{WM_KEYDOWN, WM_KEYUP};
    const struct { const char* name; std::vector<UINT> messages; bool focus, disable; size_t clicks; } cases[] = {
        {"press, move off, release", mouse, false, false, 1}, {"release alone", {WM_LBUTTONUP}, false, false, 0},
        {"keys with focus", keys, true, false, 1},             {"keys without focus", keys, false, false, 0},
        {"mouse when disabled", mouse, false, true, 0},        {"keys when disabled", keys, true, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Parent parent;
        const HWND button = parent.Child(kSimpleButtonClass, {10, 10, 80, 24}, 101);
        if (c.focus) SetFocus(button);
        ASSERT_EQ(GetFocus() == button, c.focus);
        if (c.disable) EnableWindow(button, FALSE);
        for (UINT message : c.messages)  // the pointer is off the button after the press
            SendMessageA(button, message, message == WM_KEYDOWN ? VK_SPACE : 0,
                         message == WM_LBUTTONDOWN ? MAKELPARAM(5, 5) : MAKELPARAM(-30, -30));
        EXPECT_EQ(commands, decltype(commands)(c.clicks, {101, reinterpret_cast<LPARAM>(button)}));
        EXPECT_NE(GetCapture(), button);
    }
}

TEST(SimpleButton, DrawsBevelsAndTextByStateAndFreesWhatItDraws) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    Parent parent;
    const HWND button = parent.Child(kSimpleButtonClass, {10, 10, 80, 24});
    UpdateWindow(button);
    const uintptr_t before = HighestGdiHandle();
    for (const UINT message : {UINT{WM_NULL}, UINT{WM_LBUTTONDOWN}, UINT{WM_ENABLE}}) {  // as is, pressed, disabled
        SendMessageA(button, WM_LBUTTONUP, 0, 0);
        SendMessageA(button, message, 0, 0);
        for (int i = 0; i < 50; ++i) RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC dc = GetDC(button);
        EXPECT_EQ(GetPixel(dc, 1, 12), message == WM_LBUTTONDOWN ? dark : light) << message;
        EXPECT_EQ(GetPixel(dc, 40, 22), message == WM_LBUTTONDOWN ? light : dark) << message;
        const COLORREF ink = GetSysColor(message == WM_ENABLE ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
        int inked = 0;
        for (int i = 0; i < 72 * 16; ++i) inked += GetPixel(dc, 4 + i % 72, 4 + i / 72) == ink;
        ReleaseDC(button, dc);
        EXPECT_GT(inked, 10) << message;
    }
    EXPECT_LE(HighestGdiHandle(), before + 8);
}

TEST(SubclassWindow, FilterComesFirstChangesAndSwallowsUntilDestroy) {
    Parent parent;
    const HWND child = parent.Child(kClass, {0, 0, 50, 20});
    const LONG_PTR original = GetWindowLongPtrA(child, GWLP_WNDPROC);
    std::vector<UINT> seen;
    const SubclassFilter filter = [](HWND, UINT& message, WPARAM&, LPARAM& lParam, void* data) {
        static_cast<std::vector<UINT>*>(data)->push_back(message);
        if (message == WM_SETTEXT) lParam = reinterpret_cast<LPARAM>("changed");
        return message != WM_GETTEXTLENGTH;
    };
    EXPECT_FALSE(subclassWindow(nullptr, filter, &seen));
    ASSERT_TRUE(subclassWindow(child, filter, &seen));
    EXPECT_FALSE(subclassWindow(child, filter, &seen));  // it would call itself
    SendMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("original"));
    EXPECT_EQ(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_SETTEXT, WM_GETTEXTLENGTH}));

    SendMessageA(child, WM_DESTROY, 0, 0);
    EXPECT_EQ(GetPropA(child, "SubClassWindow InfoProp"), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0), 7);  // "changed", and no longer filtered
}
