// ProgressBox: the dialog's procedure and layout, the thread of an unowned box, and the
// script-side commands that reach the dialog through sent messages.
#include "window/progress_box.h"

#include <commctrl.h>
#include <stdio.h>

#include <utility>

#include "host/platform.h"
#include "object/text.h"
#include "res/resource.h"
#include "window/nwindow.h"
#include "window/prompt_text.h"

namespace {
// Sleeps up to ms, or until handle (when given) is signalled, which it answers. Messages
// other threads send to this one are served meanwhile: the box's thread may ask a
// window of this thread something (activation moving between them) while we wait.
bool WaitServingSent(HANDLE handle, DWORD ms) {
    const DWORD count = handle ? 1 : 0;
    const DWORD woke = MsgWaitForMultipleObjects(count, handle ? &handle : nullptr, FALSE, ms, QS_SENDMESSAGE);
    if (handle && woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_OBJECT_0 + count) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return false;
}

// The bar's position for a percentage: tenths of a percent within the bar's range (a
// NaN or a value far out of range has no integer part to send).
WPARAM Tenths(double percent) {
    const double tenths = percent * 10;
    if (!(tenths > 0)) return 0;
    return tenths >= 1000 ? 1000 : static_cast<WPARAM>(tenths);
}

SIZE WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}
}  // namespace

ProgressBox::ProgressBox(HWND owner, std::string message, std::string title, int32_t mode)
    : owner_(owner), title_(std::move(title)), message_(std::move(message)), mode_(static_cast<CancelMode>(mode)) {}

ProgressBox::~ProgressBox() { Close(); }

std::shared_ptr<ProgressBox> ProgressBox::Open(HWND owner, std::string message, std::string title, int32_t mode) {
    EnsureWindowServices();  // the bar is a common control
    auto box = std::make_shared<ProgressBox>(owner, std::move(message), std::move(title), mode);
    if (owner) {
        if (!box->Create()) return nullptr;
        box->shown_ = true;
        box->SetOwnerEnabled(false);
        return box;
    }
    box->thread_.reset(CreateThread(nullptr, 0, ThreadMain, box.get(), 0, nullptr));
    if (!box->thread_) return nullptr;
    // Not before the box is on the screen with its caption, which WM_INITDIALOG sets
    // after the dialog's handle; a thread that ends first could not make the box.
    while (!box->shown_)
        if (WaitServingSent(box->thread_.get(), 1)) return box->shown_ ? box : nullptr;
    return box;
}

bool ProgressBox::Create() {
    // The template is read as UTF-16, so the button's text does not depend on the
    // ANSI code page.
    HWND dialog = CreateDialogParamW(ProgramInstance(), L"IDD_PROGRESSBOX", owner_, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!dialog) return false;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    return true;
}

DWORD WINAPI ProgressBox::ThreadMain(void* param) {
    // The box outlives its thread: Close waits for the thread to end.
    auto* box = static_cast<ProgressBox*>(param);
    try {
        if (!box->Create()) return 1;
        box->shown_ = true;
        MSG msg;
        // The dialog's WM_DESTROY posts the WM_QUIT that ends the loop.
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            HWND dialog = box->dialog_;
            if (dialog && IsDialogMessageW(dialog, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        return 1;
    }
    return 0;
}

INT_PTR CALLBACK ProgressBox::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        ProgressBox* box;
        if (message == WM_INITDIALOG) {
            box = reinterpret_cast<ProgressBox*>(lParam);
            box->dialog_ = dialog;
            SetPropA(dialog, kPropName, box);
        } else {
            box = static_cast<ProgressBox*>(GetPropA(dialog, kPropName));
        }
        return box ? box->Handle(message, wParam, lParam) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

INT_PTR ProgressBox::Handle(UINT message, WPARAM wParam, LPARAM) {
    const HWND dialog = dialog_;
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextA(dialog, title_.c_str());
        Layout();
        SendDlgItemMessageA(dialog, IDC_PROGRESSBOX_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
        SendDlgItemMessageA(dialog, IDC_PROGRESSBOX_BAR, PBM_SETPOS, 0, 0);
        CentreOnScreen(dialog);
        if (mode_ == CancelMode::None) {
            HWND button = GetDlgItem(dialog, IDCANCEL);
            EnableWindow(button, FALSE);
            ShowWindow(button, SW_HIDE);
        }
        SetForegroundWindow(dialog);
        // The focus goes to the button, unless there is none to take it.
        return mode_ != CancelMode::None;
    case WM_PAINT:
        Paint();
        return TRUE;
    case kSetPosition: {
        const int tenths = static_cast<int>(wParam);
        SendDlgItemMessageA(dialog, IDC_PROGRESSBOX_BAR, PBM_SETPOS, static_cast<WPARAM>(tenths), 0);
        char percent[32];
        snprintf(percent, sizeof percent, "%.1f", tenths * 0.1);
        SetWindowTextA(dialog, (title_ + " [" + percent + "%]").c_str());
        return TRUE;
    }
    case kSetMessage:
        message_ = wParam ? reinterpret_cast<const char*>(wParam) : "";
        InvalidateRect(dialog, nullptr, TRUE);
        UpdateWindow(dialog);
        return TRUE;
    case kClose:
        // Enabled before the box goes, so that the owner is activated in its place.
        SetOwnerEnabled(true);
        DestroyWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) Cancel();
        return TRUE;
    case WM_CLOSE:
        if (mode_ != CancelMode::None) cancelled_ = true;
        return TRUE;
    case WM_DESTROY:
        RemovePropA(dialog, kPropName);
        dialog_ = nullptr;
        if (!owner_) {
            PostQuitMessage(0);
        } else {
            // The box may go with its owner, without being closed.
            SetOwnerEnabled(true);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void ProgressBox::Layout() {
    const HWND dialog = dialog_;
    SIZE text;
    {
        screen_dc screen;
        dc_selection font(screen.get(), GetStockObject(DEFAULT_GUI_FONT));
        text = MeasurePromptText(screen.get(), message_);
    }
    const HWND bar = GetDlgItem(dialog, IDC_PROGRESSBOX_BAR);
    const HWND button = GetDlgItem(dialog, IDCANCEL);
    const SIZE barSize = WindowSize(bar);
    const SIZE buttonSize = WindowSize(button);
    const int width = barSize.cx + 16 > text.cx ? barSize.cx + 16 : text.cx;
    const int height = text.cy + 42 + barSize.cy - (mode_ == CancelMode::None ? 16 : 0);
    RECT frame = {0, 0, width + 24, height + 20};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, flags | SWP_NOMOVE);
    SetWindowPos(button, nullptr, width + 8 - buttonSize.cx, height - 12, 0, 0, flags | SWP_NOSIZE);
    SetWindowPos(bar, nullptr, 8, text.cy + 20, width, barSize.cy, flags);
}

void ProgressBox::Paint() {
    window_paint paint(dialog_);
    SetBkMode(paint.dc(), TRANSPARENT);
    dc_selection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    DrawPromptText(paint.dc(), 8, 10, message_);
}

void ProgressBox::Cancel() {
    if (mode_ == CancelMode::None) return;
    if (mode_ != CancelMode::Ask) {
        cancelled_ = true;
        return;
    }
    // Over a frame, the question's loop serves the script's handlers, which may close
    // the box meanwhile: the box stays until the question is answered.
    const std::shared_ptr<ProgressBox> hold = weak_from_this().lock();
    asking_ = true;
    const std::wstring title = ToWide(title_);
    // "処理を中断しますか？" ("Stop the processing?")
    const int answer = MessageBoxW(dialog_, L"\u51e6\u7406\u3092\u4e2d\u65ad\u3057\u307e\u3059\u304b\uff1f",
                                   title.c_str(), MB_OKCANCEL | MB_ICONQUESTION);
    asking_ = false;
    // A question that went with its box (0) was not answered.
    if (answer == IDOK) cancelled_ = true;
}

void ProgressBox::SetOwnerEnabled(bool enabled) {
    if (!owner_) return;
    if (enabled) {
        if (disabledOwner_) EnableWindow(std::exchange(disabledOwner_, nullptr), TRUE);
        return;
    }
    HWND top = GetWindow(owner_, GW_OWNER);
    if (!top) top = GetParent(owner_);
    if (!top) top = owner_;
    // EnableWindow answers whether it was disabled before: then it is not this box's to
    // enable again.
    if (!EnableWindow(top, FALSE)) disabledOwner_ = top;
}

bool ProgressBox::Step(const double* percent, const std::string* text) {
    // Over a frame the question runs on this very thread: waiting for it would never end.
    if (!owner_)
        while (asking_) WaitServingSent(nullptr, 1);
    if (HWND dialog = dialog_) {
        if (percent) SendMessageA(dialog, kSetPosition, Tenths(*percent), 0);
        if (text) SendMessageA(dialog, kSetMessage, reinterpret_cast<WPARAM>(text->c_str()), 0);
    }
    Sleep(0);
    DWORD ownerThread = owner_ ? GetWindowThreadProcessId(owner_, nullptr) : 0;
    if (ownerThread && ownerThread == GetCurrentThreadId()) ServeOwnerThread();
    return !cancelled_;
}

void ProgressBox::ServeOwnerThread() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const LONGLONG end = now.QuadPart + frequency.QuadPart / 1000;
    MSG msg;
    while (QueryPerformanceCounter(&now) && now.QuadPart < end && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The loop that waits for WM_QUIT is elsewhere: it gets it again.
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HWND dialog = dialog_;
        if (dialog && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool ProgressBox::Close() {
    if (closed_) return !cancelled_;
    closed_ = true;
    if (HWND dialog = dialog_) SendMessageA(dialog, kClose, 0, 0);
    if (thread_) {
        // The thread reads the box until its very end.
        while (!WaitServingSent(thread_.get(), 1)) {
        }
        thread_.reset();
    } else {
        SetOwnerEnabled(true);
        if (owner_ && shown_) SendMessageA(owner_, kClosedNotice, cancelled_ ? 0 : 1, reinterpret_cast<LPARAM>(this));
    }
    return !cancelled_;
}
