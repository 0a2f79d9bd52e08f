// NFrameWin: the window part of a script frame. Its window procedure turns messages
// into script events with an event object, reads back what the handler wrote into it,
// and keeps the frame's own things: canvas painting, status bar, tray icon, drop
// target and the full-screen display mode.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "object/com_var.h"
#include "window/nmenu.h"
#include "window/nwindow.h"

class NScript;
class NImage;
class NControl;

// The seven frame classes, by number.
enum class FrameKind : int32_t { Frame, Dialog, ToolFrame, PopupFrame, LayeredFrame, TrayTool, FullScreen };

struct FrameKindInfo {
    DWORD style;
    DWORD exStyle;
    bool canvas;   // a back-buffer image of the client size
    bool shown;    // shown when opened (the tray tool never is)
};
const FrameKindInfo& KindInfo(FrameKind kind);

// The events a frame fires. A handler's name is a prefix (the frame's; for commands the
// control's, for menus the menu's) followed by the event's name.
enum class FrameEvent {
    Open, Close, Focus, Blur, KeyDown, KeyUp, Char, MouseMove, MouseDown, MouseUp, MouseWheel, Timer, Command,
    Menu, DragDrop,
};
// The events' names, in FrameEvent order.
constexpr const char* kFrameEventNames[] = {
    "onOpen",      "onClose",   "onFocus",      "onBlur",  "onKeyDown", "onKeyUp", "onChar",    "onMouseMove",
    "onMouseDown", "onMouseUp", "onMouseWheel", "onTimer", "onCommand", "onMenu",  "onDragDrop",
};
static_assert(sizeof kFrameEventNames / sizeof kFrameEventNames[0] == static_cast<size_t>(FrameEvent::DragDrop) + 1,
              "one name per frame event");

// Messages of the host's own.
constexpr UINT WM_TRAYNOTIFY = 0x0631;        // the tray icon's mouse messages (lParam)
constexpr UINT WM_HOSTDIALOGOPEN = 0x0632;    // a host dialog is about to cover the frame
constexpr UINT WM_HOSTDIALOGCLOSED = 0x0633;  // and has gone

class NFrameWin final : public NWindow {
public:
    NFrameWin(NScript* script, FrameKind kind, int32_t width, int32_t height, std::string title,
              std::string eventPrefix);
    ~NFrameWin() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Creates and shows the window; self is the frame's script object, held while the
    // window exists. False when the window could not be made.
    bool Open(HWND owner, const com_var& self, const com_var& handler);
    // Sends WM_CLOSE with the result a modal loop is to return.
    void Close(int32_t result);
    // Repaints the window from the canvas (pushes it, for a layered frame).
    void Update();
    void SetStatusBar(bool wanted);
    void SetStatusText(const std::string& text);
    // Shows a context menu at a client position (the cursor's when null); the chosen
    // item's index, or -1.
    int32_t Popup(const POINT* at, const com_var& items);
    void Balloon(const std::string& text, const std::string& title);
    // Adds a child control (its script object and the control behind it); its window is
    // made at once when the frame is open, else whenever it opens.
    void AddControl(const com_var& object, NControl* control);

    FrameKind kind() const noexcept { return kind_; }
    const com_var& canvasObject() const noexcept { return canvasObject_; }
    bool statusBarShown() const noexcept { return statusBarShown_; }
    const std::string& statusText() const noexcept { return statusText_; }
    NMenu& menu() noexcept { return menu_; }

private:
    void FireEvent(FrameEvent which, const com_var& event, const std::string& prefix);
    void FireEvent(FrameEvent which, const com_var& event) { FireEvent(which, event, eventPrefix_); }
    // A new event object holding the frame as "window", and the three key states when
    // asked for.
    com_var NewEvent(bool modifiers = false);
    void OnCreate();
    void OnDestroy();
    LRESULT OnMouseButton(UINT message, int x, int y);
    void OnPaint();
    void OnChar(uint8_t byte);
    void OnDropFiles(HDROP drop);
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ResizeBy(int dy);
    void OnFinalMessage() override;

    NScript* script_;
    FrameKind kind_;
    com_var self_;
    com_var handler_;
    NImage* canvas_ = nullptr;
    com_var canvasObject_;
    int32_t pendingLeadByte_ = 0;
    int32_t closeResult_ = 0;
    HWND statusBar_ = nullptr;
    int32_t width_, height_;
    std::string title_;
    std::string eventPrefix_;
    bool statusBarShown_ = false;
    std::string statusText_;
    NMenu menu_;
    struct Control {
        com_var object;
        NControl* control;  // kept alive by object
    };
    std::vector<Control> controls_;
    bool fullScreen_ = false;  // the display mode is changed for this frame
};
