// The input box "IDD_INPUTBOX": created from its UTF-16 template with the wide
// functions, so the button texts keep their characters under any ANSI code page. The
// record travels to the dialog procedure as the creation parameter and stays on the
// window as a property.
#include "globals/input_box.h"

#include <algorithm>

#include "object/handles.h"
#include "res/resource.h"
#include "window/nwindow.h"
#include "window/prompt_text.h"

namespace {
const char kPropName[] = "InputBoxPropName";

struct InputBoxData {
    std::string text;
    std::string caption;
    std::string prompt;
    InputMode mode;
};

SIZE ClientSize(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// Sizes the box to its message: the message on the left, the buttons to its right,
// the field underneath across the whole width.
void LayOut(HWND dialog, const InputBoxData& data) {
    HWND ok = GetDlgItem(dialog, IDOK);
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    HWND edit = GetDlgItem(dialog, IDC_INPUTBOX_EDIT);
    SIZE message = {};
    if (const window_dc dc(dialog); dc.get()) {
        const dc_selection font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
        message = MeasurePromptText(dc.get(), data.prompt);
    }
    const SIZE button = ClientSize(ok);
    const int editHeight = ClientSize(edit).cy;
    const int textWidth = std::max<int>(message.cx, 200);
    const int width = textWidth + button.cx;
    const int height = std::max<int>(message.cy + editHeight, editHeight + 2 * button.cy);

    RECT frame = {0, 0, width + 40, height + 32};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const UINT move = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(ok, nullptr, textWidth + 24, 6, 0, 0, move);
    SetWindowPos(cancel, nullptr, textWidth + 24, button.cy + 10, 0, 0, move);
    SetWindowPos(edit, nullptr, 8, height - editHeight + 16, width + 16, editHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnInitDialog(HWND dialog, InputBoxData& data) {
    SetPropA(dialog, kPropName, &data);
    SetWindowTextA(dialog, data.caption.c_str());
    HWND edit = GetDlgItem(dialog, IDC_INPUTBOX_EDIT);
    SetWindowTextA(edit, data.text.c_str());
    LayOut(dialog, data);
    if (data.mode == InputMode::Password) SendMessageA(edit, EM_SETPASSWORDCHAR, '*', 0);
    CentreOnScreen(dialog);
    SetForegroundWindow(dialog);
    SetFocus(edit);
}

void OnPaint(HWND dialog, const InputBoxData& data) {
    const window_paint paint(dialog);
    if (!paint.dc()) return;
    SetBkMode(paint.dc(), TRANSPARENT);
    const dc_selection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    DrawPromptText(paint.dc(), 8, 10, data.prompt);
}

INT_PTR DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = static_cast<InputBoxData*>(GetPropA(dialog, kPropName));
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, *reinterpret_cast<InputBoxData*>(lParam));
        return FALSE;  // the focus is set
    case WM_PAINT:
        if (!data) return FALSE;
        OnPaint(dialog, *data);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (data) data->text = WindowTextOf(GetDlgItem(dialog, IDC_INPUTBOX_EDIT));
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 2);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 2);
        return TRUE;
    case WM_DESTROY:
        RemovePropA(dialog, kPropName);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK GuardedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return DialogProc(dialog, message, wParam, lParam);
    } catch (...) {
        // Out of memory for a text: the box carries on without it.
        return FALSE;
    }
}
}  // namespace

bool InputBox(HWND owner, const std::string& caption, const std::string& prompt, std::string& text, InputMode mode) {
    InputBoxData data{text, caption, prompt, mode};
    const INT_PTR outcome = DialogBoxParamW(ProgramInstance(), L"IDD_INPUTBOX", owner, GuardedDialogProc,
                                            reinterpret_cast<LPARAM>(&data));
    if (outcome != 1) return false;
    text = std::move(data.text);
    return true;
}
