// NControl: a child control of a frame (push button, edit box or ActiveX control). The object outlives
// its window: the frame makes the window when it opens and lets it go when it closes,
// any number of times, and the control keeps its text in between.
#pragma once

#include <windows.h>

#include <string>

#include "object/com_ptr.h"
#include "object/member_dispatch.h"

class NControl : public NMembers<NControl> {
public:
    using NMembers<NControl>::NMembers;

    // (text, [x, y, w, h] [, name]); null refuses.
    NObjectWrap* Create(ArgList& args, com_var& result) override;

    // Makes the control's window inside the frame's; the frame's handler object (or
    // empty) is where the control's own events would go.
    virtual void CreateControlWindow(HWND parent, const com_var& handler) = 0;
    // The frame's window is being destroyed, and the control's with it.
    virtual void ReleaseControlWindow() { hwnd_ = nullptr; }
    bool IsCommandFrom(HWND window) const noexcept { return hwnd_ && hwnd_ == window; }
    virtual HRESULT GetData(com_var& result);
    virtual HRESULT SetData(com_var& value);

    const std::string& name() const noexcept { return name_; }
    HWND hwnd() const noexcept { return hwnd_; }

    static const MethodInfo<NControl> methodList[];
    static const MemberTable<MethodInfo<NControl>> methods;
    static const PropertyInfo<NControl> propertyList[];
    static const MemberTable<PropertyInfo<NControl>> properties;

protected:
    // A child window of the control's class and styles at the control's place, with id 0
    // and, when asked, the default GUI font.
    void MakeWindow(DWORD exStyle, const char* className, const std::string& text, DWORD style, HWND parent,
                    bool guiFont = true);

    std::string text_;

private:
    HRESULT Get(ArgList&, com_var& result) { return GetData(result); }
    HRESULT Set(ArgList& args, com_var& result);

    std::string name_;
    RECT rect_ = {};
    HWND hwnd_ = nullptr;
};

class NButton final : public NControl {
public:
    using NControl::NControl;
    void CreateControlWindow(HWND parent, const com_var& handler) override;
};

// A single-line edit box. Its text holds LF line ends; the window shows CR LF.
class NEditBox final : public NControl {
public:
    using NControl::NControl;
    void CreateControlWindow(HWND parent, const com_var& handler) override;
    void ReleaseControlWindow() override;
    HRESULT GetData(com_var& result) override;
    HRESULT SetData(com_var& value) override;

private:
    void ReadWindowText();
};

// An ActiveX control in the platform's container window ("AtlAxWin"), made from the
// text (a ProgID or a class id in braces). A named control's events go to the frame's
// handler object, or to the script's functions name + event name without one.
class NAxControl final : public NControl {
public:
    using NControl::NControl;
    void CreateControlWindow(HWND parent, const com_var& handler) override;
    void ReleaseControlWindow() override;
    // The control's dispatch object; empty while there is no window or no control.
    HRESULT GetData(com_var& result) override;
    HRESULT SetData(com_var& value) override;

private:
    com_var handler_;
    com_ptr<IDispatch> connected_;  // the control whose events are connected
};
