// NFrameWin: the frame's window procedure, with its events, and the frame's own
// painting, status bar, tray icon and display mode.
#include "window/nframe_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include "host/nscript.h"
#include "image/nimage.h"
#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/handles.h"
#include "object/nobject_wrap.h"
#include "window/ncontrol.h"
#include "window/prompt_text.h"

namespace {
const FrameKindInfo kKinds[] = {
    {WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, true, true},  // Frame
    {WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, true},    // Dialog
    {WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, false, true},       // ToolFrame
    {WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, true, true},                       // PopupFrame
    {WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW, true, true},                         // LayeredFrame
    {0, 0, false, false},                                                              // TrayTool
    {WS_POPUP | WS_SYSMENU, WS_EX_TOPMOST, true, true},                               // FullScreen
};

// The display mode a full-screen frame set, restored when the frame lets go of it and
// at the latest when the process ends.
class DisplayMode {
public:
    ~DisplayMode() { Restore(); }
    bool Change(int32_t width, int32_t height) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        changed_ = ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
        return changed_;
    }
    void Restore() {
        if (changed_) ChangeDisplaySettingsA(nullptr, 0);
        changed_ = false;
    }

private:
    bool changed_ = false;
};
DisplayMode g_displayMode;

// Cancel and capture read back as set when they hold a non-zero number or true.
bool FlagSet(const com_var& value) {
    switch (V_VT(&value.v) & ~VT_BYREF) {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BOOL:
    case VT_UI1:
        return value.ToNumber() != 0;
    default:
        return false;
    }
}

int ButtonOf(UINT message) {
    switch (message) {
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    default: return 0;
    }
}

bool IsPress(UINT message) { return message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_RBUTTONDOWN; }

bool IsButtonMessage(UINT message) {
    return IsPress(message) || message == WM_LBUTTONUP || message == WM_MBUTTONUP || message == WM_RBUTTONUP;
}

void CopyText(char* to, size_t size, const std::string& text) {
    const size_t n = text.size() < size - 1 ? text.size() : size - 1;
    memcpy(to, text.data(), n);
    to[n] = '\0';
}

// Adds a field to an event object.
void Set(const com_var& event, const char* name, const com_var& value) {
    if (NObjectWrap* wrap = NObjectWrap::FromUnknown(event.v.pdispVal)) wrap->AddProperty(name, value);
}

com_var Number(double value) { return com_var(value); }

NOTIFYICONDATAA TrayData(HWND hwnd, DWORD size) {
    NOTIFYICONDATAA data;
    memset(&data, 0, sizeof data);
    data.cbSize = size;
    data.hWnd = hwnd;
    data.uID = 0;
    return data;
}
}  // namespace

const FrameKindInfo& KindInfo(FrameKind kind) { return kKinds[static_cast<int>(kind)]; }

NFrameWin::NFrameWin(NScript* script, FrameKind kind, int32_t width, int32_t height, std::string title,
                     std::string eventPrefix)
    : script_(script), kind_(kind), width_(width), height_(height), title_(std::move(title)),
      eventPrefix_(std::move(eventPrefix)) {
    if (KindInfo(kind).canvas) {
        canvas_ = new NImage(script);
        canvasObject_ = Wrap(canvas_);
        canvas_->buffer().create(width, height, kind == FrameKind::LayeredFrame);
    }
}

NFrameWin::~NFrameWin() {
    // A window still open here is destroyed without reaching this object's procedure.
    if (hwnd() && kind_ == FrameKind::TrayTool) RemoveTrayIcon();
    if (fullScreen_) g_displayMode.Restore();
}

bool NFrameWin::Open(HWND owner, const com_var& self, const com_var& handler) {
    if (hwnd()) return false;
    const FrameKindInfo& info = KindInfo(kind_);
    self_ = self;
    handler_ = handler;
    closeResult_ = 0;
    HMENU bar = menu_.BarForWindow();
    RECT rect = {0, 0, width_, height_};
    AdjustWindowRectEx(&rect, info.style, bar != nullptr, info.exStyle);
    if (!CreateHostWindow(info.exStyle, title_.c_str(), info.style, CW_USEDEFAULT, CW_USEDEFAULT,
                          rect.right - rect.left, rect.bottom - rect.top, owner, bar, nullptr)) {
        if (bar) DestroyMenu(bar);
        self_.clear();
        handler_.clear();
        return false;
    }
    if (info.shown) ShowWindow(hwnd(), SW_SHOW);
    Update();
    if (info.shown && hwnd()) {
        ShowWindow(hwnd(), SW_RESTORE);
        UpdateWindow(hwnd());
    }
    return true;
}

void NFrameWin::Close(int32_t result) {
    if (!hwnd()) return;
    closeResult_ = result;
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void NFrameWin::Update() {
    if (!hwnd()) return;
    if (kind_ == FrameKind::LayeredFrame) {
        if (canvas_) canvas_->buffer().updateLayered(hwnd(), 255);
        return;
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void NFrameWin::ResizeBy(int dy) {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    SetWindowPos(hwnd(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NFrameWin::SetStatusBar(bool wanted) {
    statusBarShown_ = wanted;
    if (!hwnd()) return;
    if (wanted && !statusBar_) {
        statusBar_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", hwnd(), 0);
        if (!statusBar_) return;
        SendMessageA(statusBar_, SB_SIMPLE, TRUE, 0);
        SendMessageA(statusBar_, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(statusText_.c_str()));
        RECT bar;
        GetWindowRect(statusBar_, &bar);
        ResizeBy(bar.bottom - bar.top);
    } else if (!wanted && statusBar_) {
        RECT bar;
        GetWindowRect(statusBar_, &bar);
        HWND old = statusBar_;
        statusBar_ = nullptr;
        ResizeBy(-(bar.bottom - bar.top));
        DestroyWindow(old);
    }
}

void NFrameWin::SetStatusText(const std::string& text) {
    statusText_ = text;
    if (statusBar_) SendMessageA(statusBar_, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(statusText_.c_str()));
}

int32_t NFrameWin::Popup(const POINT* at, const com_var& items) {
    std::vector<std::string> texts;
    if (!hwnd() || !MenuItems(items, &texts)) return -1;
    POINT point;
    if (at) {
        point = *at;
    } else {
        GetCursorPos(&point);
        ScreenToClient(hwnd(), &point);
    }
    ClientToScreen(hwnd(), &point);
    int32_t id = 1;
    menu_handle menu = BuildMenu(texts, &id);
    if (!menu) return -1;
    const int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD, point.x, point.y, 0, hwnd(), nullptr));
    return chosen > 0 ? chosen - 1 : -1;
}

void NFrameWin::Balloon(const std::string& text, const std::string& title) {
    if (!hwnd() || kind_ != FrameKind::TrayTool) return;
    NOTIFYICONDATAA data = TrayData(hwnd(), NOTIFYICONDATAA_V2_SIZE);
    data.uFlags = NIF_INFO;
    data.uTimeout = 10;
    CopyText(data.szInfoTitle, 64, title);
    CopyText(data.szInfo, 256, text);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void NFrameWin::AddTrayIcon() {
    NOTIFYICONDATAA data = TrayData(hwnd(), NOTIFYICONDATAA_V1_SIZE);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYNOTIFY;
    data.hIcon = ProgramIcon();
    CopyText(data.szTip, 64, title_);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void NFrameWin::RemoveTrayIcon() {
    NOTIFYICONDATAA data = TrayData(hwnd(), NOTIFYICONDATAA_V1_SIZE);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

com_var NFrameWin::NewEvent(bool modifiers) {
    com_var event = Wrap(new NObject(script_));
    Set(event, "window", self_);
    if (modifiers) {
        Set(event, "shiftKey", com_var(GetKeyState(VK_SHIFT) < 0));
        Set(event, "ctrlKey", com_var(GetKeyState(VK_CONTROL) < 0));
        Set(event, "altKey", com_var(GetKeyState(VK_MENU) < 0));
    }
    return event;
}

void NFrameWin::FireEvent(FrameEvent which, const com_var& event, const std::string& prefix) {
    const std::string full = prefix + kFrameEventNames[static_cast<size_t>(which)];
    ArgList args;
    args.push_back(event);
    // A handler object answers the names itself; without one they are global functions.
    // A name nobody defines is no error, and a handler's failure is the script's own.
    const auto handler = com_ptr<IDispatch>::adopt(handler_.ToDispatch());
    if (handler) {
        DISPID id = DISPID_UNKNOWN;
        if (SUCCEEDED(NameToId(handler.get(), full, &id))) InvokeWith(handler.get(), id, DISPATCH_METHOD, &args, nullptr);
        return;
    }
    script_->CallFunction(full, &args, nullptr);
}

void NFrameWin::OnCreate() {
    pendingLeadByte_ = 0;
    if (kind_ == FrameKind::TrayTool) {
        AddTrayIcon();
    } else {
        DragAcceptFiles(hwnd(), TRUE);
    }
    for (const Control& c : controls_) c.control->CreateControlWindow(hwnd(), handler_);
    if (statusBarShown_) SetStatusBar(true);
    FireEvent(FrameEvent::Open, NewEvent());
}

void NFrameWin::OnDestroy() {
    for (const Control& c : controls_) c.control->ReleaseControlWindow();
    statusBar_ = nullptr;
    if (kind_ == FrameKind::TrayTool) RemoveTrayIcon();
    if (fullScreen_) {
        g_displayMode.Restore();
        fullScreen_ = false;
    }
}

void NFrameWin::AddControl(const com_var& object, NControl* control) {
    controls_.push_back(Control{object, control});
    if (hwnd()) control->CreateControlWindow(hwnd(), handler_);
}

void NFrameWin::OnFinalMessage() {
    // The frame may hold its own last reference through self or the handler: they go
    // last, after which this object may be gone.
    com_var self = std::move(self_);
    com_var handler = std::move(handler_);
}

void NFrameWin::OnPaint() {
    const window_paint paint(hwnd());
    if (paint.dc() && canvas_) canvas_->buffer().paintTo(paint.dc(), 0, 0, 255);
}

LRESULT NFrameWin::OnMouseButton(UINT message, int x, int y) {
    com_var event = NewEvent(true);
    Set(event, "x", Number(x));
    Set(event, "y", Number(y));
    Set(event, "button", Number(ButtonOf(message)));
    if (IsPress(message)) {
        Set(event, "capture", com_var(false));
        FireEvent(FrameEvent::MouseDown, event);
        com_var capture;
        if (hwnd() && GetMemberByName(event, "capture", &capture) && FlagSet(capture)) SetCapture(hwnd());
    } else {
        FireEvent(FrameEvent::MouseUp, event);
        ReleaseCapture();
    }
    return 0;
}

void NFrameWin::OnChar(uint8_t byte) {
    std::string text;
    if (pendingLeadByte_ == 0 && IsDBCSLeadByte(byte)) {
        pendingLeadByte_ = byte;
        return;
    }
    if (pendingLeadByte_ != 0) {
        const char pair[2] = {static_cast<char>(pendingLeadByte_), static_cast<char>(byte)};
        wchar_t wide[2];
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) == 1) text.assign(pair, 2);
    }
    if (text.empty()) text.assign(1, static_cast<char>(byte));
    pendingLeadByte_ = 0;
    com_var event = NewEvent(true);
    Set(event, "charCode", com_var(text));
    FireEvent(FrameEvent::Char, event);
}

void NFrameWin::OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    com_array files;
    files.create(static_cast<long>(count));
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = {};
        DragQueryFileA(drop, i, path, MAX_PATH);
        files.set(static_cast<long>(i), com_var(std::string(path)));
    }
    DragFinish(drop);
    com_var event = NewEvent();
    Set(event, "files", ArrayToScript(script_, files));
    FireEvent(FrameEvent::DragDrop, event);
}

LRESULT NFrameWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SIZE:
        Update();
        if (statusBar_) SendMessageA(statusBar_, WM_SIZE, 0, 0);
        return 0;
    case WM_ACTIVATE:
        FireEvent(LOWORD(wParam) == WA_INACTIVE ? FrameEvent::Blur : FrameEvent::Focus, NewEvent());
        // The default gives the frame the keyboard focus, without which its keys would
        // arrive as system keys and its characters never.
        return DefaultProc(message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_HOSTDIALOGCLOSED:
        if (kind_ == FrameKind::FullScreen && hwnd()) {
            ShowCursor(FALSE);
            ShowWindow(hwnd(), SW_RESTORE);
            fullScreen_ = g_displayMode.Change(width_, height_);
            if (!fullScreen_) CentreOnScreen(hwnd());
        }
        return 0;
    case WM_KILLFOCUS:
    case WM_HOSTDIALOGOPEN:
        if (kind_ == FrameKind::FullScreen && hwnd()) {
            g_displayMode.Restore();
            fullScreen_ = false;
            CloseWindow(hwnd());
            ShowCursor(TRUE);
        }
        return 0;
    case WM_PAINT:
        if (kind_ == FrameKind::LayeredFrame) return DefaultProc(message, wParam, lParam);
        OnPaint();
        return 0;
    case WM_CLOSE: {
        com_var event = NewEvent();
        Set(event, "cancel", com_var(false));
        FireEvent(FrameEvent::Close, event);
        com_var cancel;
        if (GetMemberByName(event, "cancel", &cancel) && FlagSet(cancel)) return 0;
        if (!hwnd()) return 0;
        if (inModalLoop()) {
            EndModal(closeResult_);
        } else {
            DestroyWindow(hwnd());
        }
        return 0;
    }
    case WM_ERASEBKGND:
        if (!canvas_) {
            RECT client;
            GetClientRect(hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        com_var event = NewEvent(true);
        Set(event, "keyCode", Number(static_cast<double>(wParam)));
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        FireEvent(down ? FrameEvent::KeyDown : FrameEvent::KeyUp, event);
        // System keys keep their meaning: Alt+F4 still closes.
        if ((message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && wParam != VK_MENU)
            return DefaultProc(message, wParam, lParam);
        return 0;
    }
    case WM_CHAR:
        OnChar(static_cast<uint8_t>(wParam));
        return 0;
    case WM_COMMAND:
        for (const Control& c : controls_) {
            if (!c.control->IsCommandFrom(reinterpret_cast<HWND>(lParam))) continue;
            com_var event = NewEvent();
            Set(event, "control", c.object);
            const std::string prefix = c.control->name();
            FireEvent(FrameEvent::Command, event, prefix);
            break;
        }
        if (const MenuRange* range = menu_.FindRange(LOWORD(wParam))) {
            com_var event = NewEvent();
            Set(event, "category", Number(range->category));
            Set(event, "index", Number(LOWORD(wParam) - range->firstId));
            const std::string prefix = range->prefix;
            FireEvent(FrameEvent::Menu, event, prefix);
        }
        return 0;
    case WM_TIMER: {
        com_var event = NewEvent();
        Set(event, "id", Number(static_cast<double>(wParam)));
        FireEvent(FrameEvent::Timer, event);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL: {
        com_var event = NewEvent(true);
        Set(event, "x", Number(static_cast<short>(LOWORD(lParam))));
        Set(event, "y", Number(static_cast<short>(HIWORD(lParam))));
        if (message == WM_MOUSEWHEEL) Set(event, "delta", Number(static_cast<short>(HIWORD(wParam))));
        FireEvent(message == WM_MOUSEMOVE ? FrameEvent::MouseMove : FrameEvent::MouseWheel, event);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
        return OnMouseButton(message, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_TRAYNOTIFY:
        if (IsButtonMessage(static_cast<UINT>(lParam))) {
            POINT cursor;
            GetCursorPos(&cursor);
            ScreenToClient(hwnd(), &cursor);
            SetForegroundWindow(hwnd());
            return OnMouseButton(static_cast<UINT>(lParam), cursor.x, cursor.y);
        }
        return 0;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}
