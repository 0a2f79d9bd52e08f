// Every user dialog over a frame tells the frame before it opens and after it closes.
#include <string>
#include <vector>

#include "editor/subclass_window.h"
#include "test_support.h"
#include "window/nframe_win.h"

namespace {
HWND g_owner;
std::vector<UINT> g_heard;
std::wstring g_cancelText;  // the input box's Cancel button, as last seen

bool RecordHostDialogMessages(HWND, UINT& message, WPARAM&, LPARAM&, void*) {
    if (message == WM_HOSTDIALOGOPEN || message == WM_HOSTDIALOGCLOSED) g_heard.push_back(message);
    return true;
}

// A thread timer, served by each dialog's own loop: cancels this thread's dialogs.
void CALLBACK CancelDialogs(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        if (GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId()) continue;
        wchar_t text[32] = {};
        if (GetDlgItem(w, 1000)) GetDlgItemTextW(w, IDCANCEL, text, 32);
        if (text[0]) g_cancelText = text;
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    }
}

class UserDialogsTest : public ScriptTest {};

TEST_F(UserDialogsTest, OwnerHearsOfEachDialog) {
    Start();
    ASSERT_TRUE(Run("var owner = new Frame(120, 60, 'dialog owner'); owner.open();"));
    g_owner = FindWindowA(nullptr, "dialog owner");
    ASSERT_NE(g_owner, nullptr);
    ASSERT_TRUE(subclassWindow(g_owner, RecordHostDialogMessages, nullptr));
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelDialogs);
    const std::vector<UINT> aroundTheDialog = {WM_HOSTDIALOGOPEN, WM_HOSTDIALOGCLOSED};
    for (const char* call : {"alert(owner, 'a')", "confirm(owner, 'c')", "prompt(owner, 'p')", "passwd(owner, 'p')",
                             "openDlg(owner)", "saveDlg(owner)", "folderDlg(owner)"}) {
        g_heard.clear();
        const DWORD start = GetTickCount();
        Eval(call);
        EXPECT_EQ(g_heard, aroundTheDialog) << call;
        EXPECT_LT(GetTickCount() - start, 10000u) << call << ": the dialog was not cancelled";
    }
    // Without an owner, or with a closed frame, nobody is told.
    g_heard.clear();
    Eval("prompt('p')");
    Run("owner.close();");
    Eval("prompt(owner, 'p')");
    EXPECT_TRUE(g_heard.empty());
    KillTimer(nullptr, timer);
    // The input box comes from its UTF-16 template: its button keeps its Japanese text
    // whatever the ANSI code page ("キャンセル", Cancel).
    EXPECT_EQ(g_cancelText, L"\x30AD\x30E3\x30F3\x30BB\x30EB");
}
}  // namespace
