// The simple button's procedure: its state under a window property, its drawing, and
// the click that fires on release.
#include "editor/simple_button.h"

#include <new>

#include "object/handles.h"
#include "window/nwindow.h"

namespace {
constexpr char kPropName[] = "SimpleButtonProp";

// A button's state, from WM_CREATE to WM_DESTROY.
struct BtnInfo {
    bool pressed = false;   // a press is in progress
    bool focused = false;
    bool enabled = true;
    bool captured = false;  // the button holds the mouse capture
};

BtnInfo* InfoOf(HWND button) { return static_cast<BtnInfo*>(GetPropA(button, kPropName)); }

void Repaint(HWND button) {
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
}

void Draw(HWND button, HDC dc, const BtnInfo& info) {
    RECT r;
    GetClientRect(button, &r);
    const gdi_pen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    const gdi_pen highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    const gdi_brush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    // Declared after the objects they select, so they are put back before those go.
    const dc_selection pen(dc, GetStockObject(BLACK_PEN));
    const dc_selection brush(dc, GetStockObject(WHITE_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, face.get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);

    SelectObject(dc, info.pressed ? shadow.get() : highlight.get());
    MoveToEx(dc, r.left + 1, r.bottom - 2, nullptr);
    LineTo(dc, r.left + 1, r.top + 1);
    LineTo(dc, r.right - 2, r.top + 1);
    SelectObject(dc, info.pressed ? highlight.get() : shadow.get());
    LineTo(dc, r.right - 2, r.bottom - 2);
    LineTo(dc, r.left + 1, r.bottom - 2);

    if (info.focused) {
        RECT focus{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        DrawFocusRect(dc, &focus);
    }

    char text[1024];
    const int length = GetWindowTextA(button, text, sizeof text);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetTextColor(dc, GetSysColor(info.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutA(dc, width / 2 - extent.cx / 2, height / 2 - extent.cy / 2, text, length);
}

void Paint(HWND button, const BtnInfo& info) {
    const window_paint paint(button);
    if (!paint.dc()) return;
    const dc_selection font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    Draw(button, paint.dc(), info);
}

void Press(HWND button, BtnInfo& info) {
    if (!info.enabled) return;
    SetFocus(button);
    info.pressed = true;
    SetCapture(button);
    info.captured = true;
    Repaint(button);
}

void Release(HWND button, BtnInfo& info) {
    if (!info.enabled) return;
    const bool wasPressed = info.pressed;
    info.pressed = false;
    if (info.captured) {
        info.captured = false;
        ReleaseCapture();
    }
    Repaint(button);
    // The parent may destroy the button in answer: nothing of it is used afterwards.
    if (wasPressed) {
        const int id = GetDlgCtrlID(button);
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(button));
    }
}

// The button's own handling; every message goes on to the default procedure after it.
// Answers false when the window cannot be created.
bool Handle(HWND button, UINT message, WPARAM wParam) {
    if (message == WM_CREATE) {
        auto* info = new (std::nothrow) BtnInfo;
        if (info && SetPropA(button, kPropName, info)) return true;
        delete info;
        return false;
    }
    BtnInfo* info = InfoOf(button);
    if (!info) return true;
    switch (message) {
    case WM_DESTROY:
        RemovePropA(button, kPropName);
        delete info;
        break;
    case WM_MOVE:
    case WM_SIZE:
        InvalidateRect(button, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
        if (info->enabled) {
            info->focused = true;
            Repaint(button);
        }
        break;
    case WM_KILLFOCUS:
        info->focused = false;
        Repaint(button);
        break;
    case WM_ENABLE:
        info->enabled = wParam != 0;
        Repaint(button);
        break;
    case WM_PAINT:
        Paint(button, *info);
        break;
    case WM_LBUTTONDOWN:
        Press(button, *info);
        break;
    case WM_KEYDOWN:
        if (info->focused) Press(button, *info);
        break;
    case WM_LBUTTONUP:
        Release(button, *info);
        break;
    case WM_KEYUP:
        if (info->focused) Release(button, *info);
        break;
    default:
        break;
    }
    return true;
}

LRESULT CALLBACK SimpleButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    bool created = true;
    try {
        created = Handle(button, message, wParam);
    } catch (...) {
        // Nothing thrown here may reach the platform's code.
    }
    if (!created) return -1;
    return DefWindowProcA(button, message, wParam, lParam);
}
}  // namespace

bool registerSimpleButton(HINSTANCE module) {
    if (!module) module = ProgramInstance();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(module, kSimpleButtonClass, &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = SimpleButtonProc;
    wc.hInstance = module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kSimpleButtonClass;
    return RegisterClassExA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
