// NControl, NButton, NEditBox and NAxControl: creation from the script's arguments,
// the windows, and the data member.
#include "window/ncontrol.h"

#include <cmath>

#include "host/nscript.h"
#include "object/com_array.h"
#include "object/dispatch_helpers.h"
#include "object/nobject_wrap.h"
#include "object/text.h"
#include "window/nwindow.h"

const MethodInfo<NControl> NControl::methodList[] = {
    {"get", 0, 0, &NControl::Get},
    {"set", 1, 1, &NControl::Set},
};
const MemberTable<MethodInfo<NControl>> NControl::methods(methodList);

const PropertyInfo<NControl> NControl::propertyList[] = {
    {"data", &NControl::GetData, &NControl::SetData},
};
const MemberTable<PropertyInfo<NControl>> NControl::properties(propertyList);

namespace {
// The rectangle [x, y, w, h] of four numbers whose corners the window system can
// place; false for anything else.
bool ReadRect(const com_var& value, RECT* rect) {
    com_array array;
    if (FAILED(ScriptToArray(value, array, 5)) || array.count() != 4) return false;
    double n[4];
    for (long i = 0; i < 4; ++i) {
        const com_var item = array.get(i);
        if (!item.IsNumeric()) return false;
        n[i] = std::trunc(item.ToNumber());
        if (!InWindowRange(n[i])) return false;
    }
    if (!InWindowRange(n[0] + n[2]) || !InWindowRange(n[1] + n[3])) return false;
    *rect = RECT{static_cast<LONG>(n[0]), static_cast<LONG>(n[1]), static_cast<LONG>(n[0] + n[2]),
                 static_cast<LONG>(n[1] + n[3])};
    return true;
}

}  // namespace

NObjectWrap* NControl::Create(ArgList& args, com_var&) {
    const size_t n = args.count();
    if (n < 2 || n > 3 || !ReadRect(args[1], &rect_)) return nullptr;
    text_ = args[0].ToText();
    if (n > 2) name_ = args[2].ToText();
    return new NObjectWrap(this);
}

HRESULT NControl::GetData(com_var&) { return DISP_E_BADVARTYPE; }

HRESULT NControl::SetData(com_var&) { return DISP_E_BADVARTYPE; }

HRESULT NControl::Set(ArgList& args, com_var&) {
    com_var value = args[0];
    return SetData(value);
}

void NControl::MakeWindow(DWORD exStyle, const char* className, const std::string& text, DWORD style, HWND parent,
                          bool guiFont) {
    hwnd_ = CreateWindowExA(exStyle, className, text.c_str(), style, rect_.left, rect_.top, rect_.right - rect_.left,
                            rect_.bottom - rect_.top, parent, nullptr, ProgramInstance(), nullptr);
    if (hwnd_ && guiFont)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

void NButton::CreateControlWindow(HWND parent, const com_var&) {
    MakeWindow(0, "BUTTON", text_, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, parent);
}

void NEditBox::CreateControlWindow(HWND parent, const com_var&) {
    MakeWindow(WS_EX_CLIENTEDGE, "EDIT", LfToCrLf(text_), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, parent);
}

void NEditBox::ReadWindowText() {
    if (hwnd()) text_ = CrLfToLf(WindowTextOf(hwnd()));
}

void NEditBox::ReleaseControlWindow() {
    ReadWindowText();
    NControl::ReleaseControlWindow();
}

HRESULT NEditBox::GetData(com_var& result) {
    ReadWindowText();
    result = com_var(text_);
    return S_OK;
}

HRESULT NEditBox::SetData(com_var& value) {
    text_ = value.ToText();
    if (hwnd()) SetWindowTextA(hwnd(), LfToCrLf(text_).c_str());
    return S_OK;
}

namespace {
// The dispatch object of the control in a container window, or null. The container
// answers its registered message with the control (no reference added); the platform's
// container library also offers a function for it, which answers where the message
// does not.
com_ptr<IDispatch> HostedControl(HWND host) {
    static const UINT getControl = RegisterWindowMessageA("WM_ATLGETCONTROL");
    com_ptr<IUnknown> control = com_ptr<IUnknown>::share(
        reinterpret_cast<IUnknown*>(SendMessageA(host, getControl, 0, 0)));
    if (control) return control.query<IDispatch>(IID_IDispatch);
    using GetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    static const GetControlFn getControlFn = [] {
        HMODULE atl = GetModuleHandleA("atl.dll");
        return atl ? reinterpret_cast<GetControlFn>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")))
                   : nullptr;
    }();
    if (getControlFn && FAILED(getControlFn(host, control.put()))) control.reset();
    return control.query<IDispatch>(IID_IDispatch);
}
}  // namespace

void NAxControl::CreateControlWindow(HWND parent, const com_var& handler) {
    handler_ = handler;
    MakeWindow(0, "AtlAxWin", text_, WS_CHILD | WS_VISIBLE, parent, false);
    if (name().empty() || !hwnd()) return;
    com_ptr<IDispatch> dispatch = HostedControl(hwnd());
    if (!dispatch) return;
    com_ptr<IDispatch> target = com_ptr<IDispatch>::adopt(handler_.ToDispatch());
    if (script()->sinks().Attach(script(), dispatch.get(), name(), target.get())) connected_ = std::move(dispatch);
}

void NAxControl::ReleaseControlWindow() {
    handler_.clear();
    if (connected_) script()->sinks().Detach(connected_.get());
    connected_.reset();
    NControl::ReleaseControlWindow();
}

HRESULT NAxControl::GetData(com_var& result) {
    if (!hwnd()) return S_OK;
    com_ptr<IDispatch> dispatch = HostedControl(hwnd());
    if (dispatch) result = com_var(dispatch.get());
    return S_OK;
}

HRESULT NAxControl::SetData(com_var&) { return DISP_E_MEMBERNOTFOUND; }
