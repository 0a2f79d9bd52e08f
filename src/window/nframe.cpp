// NFrameBase: construction, the member tables, and the message served on each access.
#include "window/nframe.h"

#include "object/nclass.h"
#include "object/nobject_wrap.h"
#include "window/ncontrol.h"

const MethodInfo<NFrameBase> NFrameBase::methodList[] = {
    {"open", 0, 2, &NFrameBase::Open},
    {"modal", 0, 2, &NFrameBase::Modal},
    {"close", 0, 1, &NFrameBase::Close},
    {"update", 0, 0, &NFrameBase::Update},
    {"focus", 0, 0, &NFrameBase::Focus},
    {"setTimer", 2, 2, &NFrameBase::SetTimer},
    {"clearTimer", 1, 1, &NFrameBase::ClearTimer},
    {"addmenu", 2, 3, &NFrameBase::AddMenu},
    {"popup", 1, 3, &NFrameBase::Popup},
    {"baloon", 1, 2, &NFrameBase::Balloon},
    {"button", kAnyCount, kAnyCount, &NFrameBase::AddButton},
    {"editbox", kAnyCount, kAnyCount, &NFrameBase::AddEditBox},
    {"axctrl", kAnyCount, kAnyCount, &NFrameBase::AddAxControl},
};
const MemberTable<MethodInfo<NFrameBase>> NFrameBase::methods(methodList);

const PropertyInfo<NFrameBase> NFrameBase::propertyList[] = {
    {"visible", &NFrameBase::GetVisible, &NFrameBase::PutVisible},
    {"valid", &NFrameBase::GetValid, nullptr},
    {"statusbar", &NFrameBase::GetStatusBar, &NFrameBase::PutStatusBar},
    {"status", &NFrameBase::GetStatus, &NFrameBase::PutStatus},
    {"image", &NFrameBase::GetImage, nullptr},
};
const MemberTable<PropertyInfo<NFrameBase>> NFrameBase::properties(propertyList);

namespace {
int32_t Truncated(const com_var& value) { return static_cast<int32_t>(value.ToNumber()); }
}  // namespace

bool FrameOwner(const com_var& value, HWND* window) {
    const NFrameBase* frame = InstanceOf<NFrameBase>(value);
    *window = frame ? frame->window() : nullptr;
    return frame != nullptr;
}

NObjectWrap* NFrameBase::Create(ArgList& args, com_var&) {
    const size_t n = args.count();
    if (n < 2 || n > 4 || !args[0].IsNumeric() || !args[1].IsNumeric()) return nullptr;
    if (!InWindowRange(args[0].ToNumber()) || !InWindowRange(args[1].ToNumber())) return nullptr;
    if ((n > 2 && !args[2].IsString()) || (n > 3 && !args[3].IsString())) return nullptr;
    std::string title = n > 2 ? args[2].ToText() : ProgramBaseName();
    std::string prefix = n > 3 ? args[3].ToText() : std::string();
    win_ = std::make_unique<NFrameWin>(script(), kind_, Truncated(args[0]), Truncated(args[1]), std::move(title),
                                       std::move(prefix));
    wrapper_ = new NObjectWrap(this);
    return wrapper_;
}

void NFrameBase::ServeOneMessage() const {
    if (!window()) return;
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        Sleep(0);
        return;
    }
    // The loop that waits for WM_QUIT is elsewhere: it gets it again.
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

HRESULT NFrameBase::Call(const std::string& name, ArgList& args, com_var& result) {
    ServeOneMessage();
    return NMembers<NFrameBase>::Call(name, args, result);
}

HRESULT NFrameBase::GetProp(const std::string& name, com_var& result) {
    ServeOneMessage();
    return NMembers<NFrameBase>::GetProp(name, result);
}

HRESULT NFrameBase::PutProp(const std::string& name, com_var value) {
    ServeOneMessage();
    return NMembers<NFrameBase>::PutProp(name, std::move(value));
}

HRESULT NFrameBase::OpenWith(ArgList& args, bool* opened) {
    *opened = false;
    HWND owner = nullptr;
    com_var handler;
    if (args.count() > 0) {
        if (NFrameBase* frame = InstanceOf<NFrameBase>(args[0])) {
            owner = frame->window();
            if (args.count() > 1) handler = args[1];
        } else if (args.count() > 1) {
            return DISP_E_BADPARAMCOUNT;
        } else {
            handler = args[0];
        }
    }
    if (!win_) return S_OK;
    // Re-opening closes the window first; when its onClose refuses, the window stays
    // and the frame is not opened a second time.
    if (win_->hwnd()) win_->Close(0);
    if (win_->hwnd()) return S_OK;
    *opened = win_->Open(owner, com_var(static_cast<IDispatch*>(wrapper_)), handler);
    return S_OK;
}

HRESULT NFrameBase::Open(ArgList& args, com_var&) {
    bool opened;
    return OpenWith(args, &opened);
}

HRESULT NFrameBase::Modal(ArgList& args, com_var& result) {
    bool opened;
    HRESULT hr = OpenWith(args, &opened);
    if (FAILED(hr)) return hr;
    const int value = opened ? win_->RunModalLoop(kind_ == FrameKind::Dialog) : 0;
    result = com_var(static_cast<double>(value));
    return S_OK;
}

HRESULT NFrameBase::Close(ArgList& args, com_var&) {
    if (win_) win_->Close(args.count() > 0 ? Truncated(args[0]) : 0);
    return S_OK;
}

HRESULT NFrameBase::Update(ArgList&, com_var&) {
    if (win_) win_->Update();
    return S_OK;
}

HRESULT NFrameBase::Focus(ArgList&, com_var&) {
    if (window()) SetForegroundWindow(window());
    return S_OK;
}

HRESULT NFrameBase::SetTimer(ArgList& args, com_var&) {
    if (window())
        ::SetTimer(window(), static_cast<UINT_PTR>(Truncated(args[0])), static_cast<UINT>(Truncated(args[1])), nullptr);
    return S_OK;
}

HRESULT NFrameBase::ClearTimer(ArgList& args, com_var&) {
    if (window()) KillTimer(window(), static_cast<UINT_PTR>(Truncated(args[0])));
    return S_OK;
}

HRESULT NFrameBase::AddMenu(ArgList& args, com_var&) {
    if (win_) win_->menu().Add(args[0].ToText(), args[1], args.count() > 2 ? args[2].ToText() : std::string());
    return S_OK;
}

HRESULT NFrameBase::Popup(ArgList& args, com_var& result) {
    if (args.count() == 2) return DISP_E_BADPARAMCOUNT;
    if (!window()) return S_OK;
    POINT at = {};
    if (args.count() == 3) at = {Truncated(args[0]), Truncated(args[1])};
    const int32_t chosen = win_->Popup(args.count() == 3 ? &at : nullptr, args[args.count() - 1]);
    result = com_var(static_cast<double>(chosen));
    return S_OK;
}

HRESULT NFrameBase::Balloon(ArgList& args, com_var&) {
    if (!window() || kind_ != FrameKind::TrayTool) return S_OK;
    std::string title;
    if (args.count() > 1) {
        title = args[1].ToText();
    } else {
        char caption[256] = {};
        GetWindowTextA(window(), caption, sizeof caption);
        title = caption;
    }
    win_->Balloon(args[0].ToText(), title);
    return S_OK;
}

HRESULT NFrameBase::AddControl(NControl* made, ArgList& args, com_var& result) {
    std::unique_ptr<NControl> control(made);
    com_var unused;
    NObjectWrap* wrap = control->Create(args, unused);
    if (!wrap) return DISP_E_TYPEMISMATCH;
    NControl* added = control.release();  // the wrapper owns it now
    com_var object(static_cast<IDispatch*>(wrap));
    if (win_) win_->AddControl(object, added);
    result = std::move(object);
    return S_OK;
}

HRESULT NFrameBase::AddButton(ArgList& args, com_var& result) { return AddControl(new NButton(script()), args, result); }

HRESULT NFrameBase::AddAxControl(ArgList& args, com_var& result) {
    return AddControl(new NAxControl(script()), args, result);
}

HRESULT NFrameBase::AddEditBox(ArgList& args, com_var& result) {
    return AddControl(new NEditBox(script()), args, result);
}

HRESULT NFrameBase::GetVisible(com_var& value) {
    value = com_var(window() != nullptr && IsWindowVisible(window()) != FALSE);
    return S_OK;
}

HRESULT NFrameBase::PutVisible(com_var& value) {
    if (!window() || kind_ == FrameKind::TrayTool) return S_OK;
    if (value.ToNumber() != 0) {
        ShowWindow(window(), SW_RESTORE);
        UpdateWindow(window());
    } else {
        ShowWindow(window(), SW_HIDE);
    }
    return S_OK;
}

HRESULT NFrameBase::GetValid(com_var& value) {
    value = com_var(window() != nullptr);
    return S_OK;
}

HRESULT NFrameBase::GetStatusBar(com_var& value) {
    value = com_var(win_ && win_->statusBarShown());
    return S_OK;
}

HRESULT NFrameBase::PutStatusBar(com_var& value) {
    if (win_) win_->SetStatusBar(value.ToNumber() != 0);
    return S_OK;
}

HRESULT NFrameBase::GetStatus(com_var& value) {
    value = com_var(win_ ? win_->statusText() : std::string());
    return S_OK;
}

HRESULT NFrameBase::PutStatus(com_var& value) {
    if (win_) win_->SetStatusText(value.ToText());
    return S_OK;
}

HRESULT NFrameBase::GetImage(com_var& value) {
    if (win_) value = win_->canvasObject();
    return S_OK;
}
