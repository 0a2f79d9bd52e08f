// NWindow: the class registration, the shared window procedure and the modal loop.
#include "window/nwindow.h"

#include "host/platform.h"
#include "object/text.h"

namespace {
constexpr DWORD kToolLike = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

// A window without a sizing border loses Maximize and Size from its system menu; a
// tool-like one Minimize as well. Other windows get the program's icon.
void PrepareFrame(HWND hwnd, const CREATESTRUCTA& create) {
    const bool toolLike = (create.dwExStyle & kToolLike) != 0;
    if (!(create.style & WS_THICKFRAME)) {
        if (HMENU system = GetSystemMenu(hwnd, FALSE)) {
            if (toolLike) RemoveMenu(system, SC_MINIMIZE, MF_BYCOMMAND);
            RemoveMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
            RemoveMenu(system, SC_SIZE, MF_BYCOMMAND);
        }
    }
    if (!toolLike) {
        HICON icon = ProgramIcon();
        SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

// The press a double click also stands for.
UINT PressOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDBLCLK: return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK: return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK: return WM_MBUTTONDOWN;
    default: return 0;
    }
}
}  // namespace

HINSTANCE ProgramInstance() {
    static const HINSTANCE instance = GetModuleHandleA(nullptr);
    return instance;
}

std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string ProgramBaseName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = FileNamePart(path);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

HICON ProgramIcon() {
    // Icons loaded from resources are shared and never destroyed.
    static const HICON icon = [] {
        HICON own = LoadIconA(ProgramInstance(), "IDR_MAINFRAME");
        return own ? own : LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    }();
    return icon;
}

NWindow::~NWindow() {
    if (hwnd_) {
        // Destroying from the destructor: the object is going, so its own procedure
        // must no longer be reached.
        RemovePropA(hwnd_, kPropName);
        HWND hwnd = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

LRESULT NWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_) return 0;
    if (oldProc_) return CallWindowProcA(oldProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT NWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return hwnd_ ? DefWindowProcA(hwnd_, message, wParam, lParam) : 0;
}

bool NWindow::RegisterWindowClass(const char* className, HINSTANCE instance) {
    if (!className) className = kClassName;
    if (!instance) instance = ProgramInstance();
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    if (GetClassInfoExA(instance, className, &info)) return true;
    info.style = CS_DBLCLKS;
    info.lpfnWndProc = SharedProc;
    info.hInstance = instance;
    info.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    info.lpszClassName = className;
    return RegisterClassExA(&info) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool NWindow::CreateHostWindow(const char* className, HINSTANCE instance, DWORD exStyle, const char* title,
                               DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                               MessageHook* hook) {
    if (hwnd_ || !RegisterWindowClass(className, instance)) return false;
    // The window's controls may be common controls or ActiveX controls.
    EnsureWindowServices();
    hook_ = hook;
    CreateWindowExA(exStyle, className ? className : kClassName, title, style, x, y, width, height, parent, menu,
                    instance ? instance : ProgramInstance(), this);
    return hwnd_ != nullptr;
}

NWindow* NWindow::WindowFromHandle(HWND hwnd) {
    return hwnd ? static_cast<NWindow*>(GetPropA(hwnd, kPropName)) : nullptr;
}

LRESULT NWindow::CallOldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NWindow* window = WindowFromHandle(hwnd);
    return window && window->oldProc_ ? CallWindowProcA(window->oldProc_, hwnd, message, wParam, lParam) : 0;
}

LRESULT NWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    return hook_ ? hook_->HandleMessage(*this, message, wParam, lParam) : WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK NWindow::SharedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NWindow* window = WindowFromHandle(hwnd);
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        window = static_cast<NWindow*>(create->lpCreateParams);
        if (window) {
            window->hwnd_ = hwnd;
            SetPropA(hwnd, kPropName, window);
        }
        PrepareFrame(hwnd, *create);
    }
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    // Nothing thrown inside the program's procedures may reach the platform's code.
    LRESULT result = 0;
    try {
        if (UINT press = PressOf(message)) SendMessageA(hwnd, press, wParam, lParam);
        result = window->Route(message, wParam, lParam);
    } catch (...) {
        result = DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        window->hwnd_ = nullptr;
        RemovePropA(hwnd, kPropName);
        if (window->autoDelete_) {
            delete window;
        } else {
            window->OnFinalMessage();
        }
    }
    return result;
}

HWND NWindow::Owner() const {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    return owner ? owner : GetParent(hwnd_);
}

int NWindow::RunModalLoop(bool dialogKeys) {
    if (!hwnd_) return 0;
    inModalLoop_ = true;
    modalResult_ = 0;
    const HWND owner = Owner();
    if (owner) EnableWindow(owner, FALSE);
    bool quit = false;
    WPARAM quitCode = 0;
    while (hwnd_) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                break;
            }
            if (dialogKeys && hwnd_ && IsDialogMessageA(hwnd_, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (hwnd_) {
            WaitMessage();
        }
    }
    inModalLoop_ = false;
    // A loop ended by WM_QUIT leaves its window open: its owner must not stay disabled.
    if (hwnd_ && owner) EnableWindow(owner, TRUE);
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    return modalResult_;
}

void NWindow::EndModal(int result) {
    if (!hwnd_) return;
    if (HWND owner = Owner()) EnableWindow(owner, TRUE);
    modalResult_ = result;
    DestroyWindow(hwnd_);
}
