// NWindow: one top-level window tied to one object. The program's single window class
// routes every message of its windows, through a window property, to the object's
// window procedure; a modal loop runs until the window is gone.
#pragma once

#include <windows.h>

#include <string>

class NWindow;

// Takes every message of a window in place of the object's own procedure.
class MessageHook {
public:
    virtual LRESULT HandleMessage(NWindow& window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~MessageHook() = default;
};

class NWindow {
public:
    static constexpr const char* kClassName = "NWindow Class Name";
    static constexpr const char* kPropName = "NWindow Prop Name";

    NWindow() = default;
    NWindow(const NWindow&) = delete;
    NWindow& operator=(const NWindow&) = delete;
    // A window still open is destroyed with its object.
    virtual ~NWindow();

    // The object's procedure: by default oldProc when the window was taken over, else
    // the platform's default; 0 without a window.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Registers the class (by default "NWindow Class Name") unless it exists; true when
    // it exists afterwards.
    static bool RegisterWindowClass(const char* className = nullptr, HINSTANCE instance = nullptr);
    // Creates the window with this object as its creation parameter; true when it exists.
    bool CreateHostWindow(const char* className, HINSTANCE instance, DWORD exStyle, const char* title, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menu, MessageHook* hook);
    bool CreateHostWindow(DWORD exStyle, const char* title, DWORD style, int x, int y, int width, int height,
                          HWND parent, HMENU menu, MessageHook* hook) {
        return CreateHostWindow(nullptr, nullptr, exStyle, title, style, x, y, width, height, parent, menu, hook);
    }

    // Serves messages until the window is destroyed (or WM_QUIT arrives, which is posted
    // again for the loops outside); answers the result given to EndModal. The owner is
    // disabled meanwhile; EndModal enables it again.
    int RunModalLoop(bool dialogKeys);
    void EndModal(int result);

    static NWindow* WindowFromHandle(HWND hwnd);
    static LRESULT CallOldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd() const noexcept { return hwnd_; }
    bool inModalLoop() const noexcept { return inModalLoop_; }

protected:
    // Called after the window's last message, as the last use of the object by its
    // window: an override may let go of what keeps the object alive.
    virtual void OnFinalMessage() {}

    bool autoDelete_ = false;  // the object deletes itself after its window's last message

private:
    static LRESULT CALLBACK SharedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Owner() const;

    bool inModalLoop_ = false;
    int modalResult_ = 0;
    MessageHook* hook_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    HWND hwnd_ = nullptr;
};

// Whether a position or extent is one the window system handles: X11 carries 16-bit
// signed coordinates, and Wine's edit control spins for ever on wider ones.
constexpr bool InWindowRange(double v) noexcept { return v >= -32768.0 && v <= 32767.0; }

// The program's module instance, looked up once.
HINSTANCE ProgramInstance();
// The program's window icon "IDR_MAINFRAME", or the platform's application icon.
HICON ProgramIcon();
// A window's whole text.
std::string WindowTextOf(HWND window);

// The program's file name without folder and extension: the default caption.
std::string ProgramBaseName();
