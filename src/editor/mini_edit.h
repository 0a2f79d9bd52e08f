// MiniEdit: the script editor of talk mode. One window for the whole process, on a
// thread of its own with its own message loop; dismissing it only hides it, so the
// text stays for the next opening. Font, colours and size live in "medit.ini" next to
// the program.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "editor/align_manager.h"
#include "object/handles.h"
#include "window/nwindow.h"

class MiniEdit final : public NWindow {
public:
    // Command identifiers of the menu bar and the two buttons.
    enum Command : int {
        Clear = 1, Open = 2, Save = 3, Cut = 4, Copy = 5, Paste = 6, Undo = 7, Delete = 8, SelectAll = 9,
        Execute = 10, Cancel = 11, Font = 12, Background = 13,
    };

    MiniEdit();
    ~MiniEdit() override;

    // Shows the editor (making it the first time) and waits until it is dismissed:
    // the text with CR LF turned into LF after Execute, else the empty text.
    std::string Run(const char* title);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static DWORD WINAPI ThreadMain(void* self);
    static bool EditFilter(HWND window, UINT& message, WPARAM& wParam, LPARAM& lParam, void* self);
    void OnCreate();
    void MakeFont();
    void SetEditFont(HFONT font, bool redraw);
    void OnCommand(int id);
    void Dismiss(bool run);
    void LoadScript();
    void SaveScript();
    void PickFont();
    void PickBackground();
    void AutoIndent();
    void UpdateIndicator();

    std::string iniPath_;
    std::string title_;
    kernel_handle thread_;
    gdi_font font_;
    gdi_brush backgroundBrush_;
    AlignManager layout_;
    HWND execute_ = nullptr;
    HWND cancel_ = nullptr;
    HWND indicator_ = nullptr;
    LOGFONTA fontDescription_ = {};
    COLORREF background_;
    COLORREF foreground_;
    HWND edit_ = nullptr;
    bool run_ = false;
    std::string text_;
    // Written by the editor thread after the fields above; read by the waiting thread
    // only after it sees them set.
    std::atomic<bool> done_{false};
    std::atomic<bool> started_{false};  // the window exists, or the thread gave up
};
