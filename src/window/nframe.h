// NFrameBase: the script's top-level window, behind the seven frame classes, which
// differ only in their kind. The frame holds its settings, menus and canvas, and owns
// its window part, which may be opened and closed again any number of times.
#pragma once

#include <memory>

#include "object/member_dispatch.h"
#include "window/nframe_win.h"

class NControl;

class NFrameBase : public NMembers<NFrameBase> {
public:
    NFrameBase(NScript* script, FrameKind kind) : NMembers<NFrameBase>(script), kind_(kind) {}

    // new Frame(width, height [, title [, eventPrefix]]).
    NObjectWrap* Create(ArgList& args, com_var& result) override;
    // Every access to an open frame first serves one waiting message.
    HRESULT Call(const std::string& name, ArgList& args, com_var& result) override;
    HRESULT GetProp(const std::string& name, com_var& result) override;
    HRESULT PutProp(const std::string& name, com_var value) override;

    // The frame's window, null while it is closed.
    HWND window() const { return win_ ? win_->hwnd() : nullptr; }

    static const MethodInfo<NFrameBase> methodList[];
    static const MemberTable<MethodInfo<NFrameBase>> methods;
    static const PropertyInfo<NFrameBase> propertyList[];
    static const MemberTable<PropertyInfo<NFrameBase>> properties;

private:
    void ServeOneMessage() const;
    // Resolves [owner] [, handler] and opens the window.
    HRESULT OpenWith(ArgList& args, bool* opened);
    HRESULT Open(ArgList& args, com_var& result);
    HRESULT Modal(ArgList& args, com_var& result);
    HRESULT Close(ArgList& args, com_var& result);
    HRESULT Update(ArgList& args, com_var& result);
    HRESULT Focus(ArgList& args, com_var& result);
    HRESULT SetTimer(ArgList& args, com_var& result);
    HRESULT ClearTimer(ArgList& args, com_var& result);
    HRESULT AddMenu(ArgList& args, com_var& result);
    HRESULT Popup(ArgList& args, com_var& result);
    HRESULT Balloon(ArgList& args, com_var& result);
    // Creates the control from the arguments and adds it; DISP_E_TYPEMISMATCH when
    // the control refuses them.
    HRESULT AddControl(NControl* made, ArgList& args, com_var& result);
    HRESULT AddButton(ArgList& args, com_var& result);
    HRESULT AddEditBox(ArgList& args, com_var& result);
    HRESULT AddAxControl(ArgList& args, com_var& result);
    HRESULT GetVisible(com_var& value);
    HRESULT PutVisible(com_var& value);
    HRESULT GetValid(com_var& value);
    HRESULT GetStatusBar(com_var& value);
    HRESULT PutStatusBar(com_var& value);
    HRESULT GetStatus(com_var& value);
    HRESULT PutStatus(com_var& value);
    HRESULT GetImage(com_var& value);

    FrameKind kind_;
    NObjectWrap* wrapper_ = nullptr;
    std::unique_ptr<NFrameWin> win_;
};

// The seven classes a script constructs, one per kind.
template <FrameKind Kind>
class NFrameOf final : public NFrameBase {
public:
    explicit NFrameOf(NScript* script) : NFrameBase(script, Kind) {}
};
using NFrame = NFrameOf<FrameKind::Frame>;
using NDialog = NFrameOf<FrameKind::Dialog>;
using NToolFrame = NFrameOf<FrameKind::ToolFrame>;
using NPopupFrame = NFrameOf<FrameKind::PopupFrame>;
using NLayeredFrame = NFrameOf<FrameKind::LayeredFrame>;
using NTrayTool = NFrameOf<FrameKind::TrayTool>;
using NFullScreen = NFrameOf<FrameKind::FullScreen>;

// Whether value is a frame (of any kind); window gets its window, null while the frame
// is closed. Functions that take an owner frame as their first argument ask this.
bool FrameOwner(const com_var& value, HWND* window);
