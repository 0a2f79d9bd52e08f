// KovaTest.Control: a windowed ActiveX control that fills its site with a flat colour
// and fires Clicked when clicked.
#include "control.h"

#include "object/handles.h"

#include <olectl.h>

#include <new>

namespace kova_test {

namespace {

const wchar_t kWindowClass[] = L"KovaTestControl";
const DISPID kClicked = 1;
ATOM g_class;

bool EnsureWindowClass(WNDPROC procedure) {
    if (g_class) return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    g_class = RegisterClassExW(&wc);
    return g_class != 0;
}

}  // namespace

void UnregisterControlClass() {
    if (g_class) UnregisterClassW(kWindowClass, ModuleInstance());
    g_class = 0;
}

HRESULT CreateControl(REFIID iid, void** out) { return Control::Create(iid, out); }

Control::Control() noexcept : TypeInfoDispatch(IID_IKovaControl) {}

Control::~Control() {
    if (events_) events_->Orphan();
    if (window_) DestroyWindow(window_);
}

HRESULT Control::Create(REFIID iid, void** out) {
    com_ptr<Control> control = com_ptr<Control>::share(new (std::nothrow) Control());
    if (!control) return E_OUTOFMEMORY;
    control->events_ = ConnectionPoint::Create(static_cast<IConnectionPointContainer*>(control.get()),
                                               DIID__IKovaControlEvents);
    control->caption_ = bstr_ptr(SysAllocString(L""));
    if (!control->events_ || !control->caption_.get()) return E_OUTOFMEMORY;
    return control->QueryInterface(iid, out);
}

HRESULT Control::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IKovaControl)
        *out = static_cast<IKovaControl*>(this);
    else if (iid == IID_IOleObject)
        *out = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
        *out = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IPersist || iid == IID_IPersistStreamInit)
        *out = static_cast<IPersistStreamInit*>(this);
    else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        *out = static_cast<IProvideClassInfo2*>(this);
    else if (iid == IID_IConnectionPointContainer)
        *out = static_cast<IConnectionPointContainer*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT Control::get_Color(long* color) {
    if (!color) return E_POINTER;
    *color = static_cast<long>(color_);
    return S_OK;
}

HRESULT Control::put_Color(long color) {
    color_ = static_cast<COLORREF>(color) & 0x00FFFFFF;
    if (window_) InvalidateRect(window_, nullptr, FALSE);
    return S_OK;
}

HRESULT Control::get_Caption(BSTR* caption) {
    if (!caption) return E_POINTER;
    *caption = SysAllocStringLen(caption_.get(), caption_.length());
    return *caption ? S_OK : E_OUTOFMEMORY;
}

HRESULT Control::put_Caption(BSTR caption) {
    bstr_ptr copy(SysAllocStringLen(caption, SysStringLen(caption)));
    if (!copy.get()) return E_OUTOFMEMORY;
    caption_ = std::move(copy);
    return S_OK;
}

HRESULT Control::Click(long x, long y) {
    com_ptr<Control> self = com_ptr<Control>::share(this);
    VARIANT args[2];
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = x;
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = y;
    return events_->Fire(kClicked, args, 2);
}

HRESULT Control::SetClientSite(IOleClientSite* site) {
    site_ = com_ptr<IOleClientSite>::share(site);
    return S_OK;
}

HRESULT Control::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = com_ptr<IOleClientSite>(site_).detach();
    return S_OK;
}

HRESULT Control::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT Control::Close(DWORD) {
    InPlaceDeactivate();
    return S_OK;
}

HRESULT Control::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT Control::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT Control::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT pos) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return Activate(site ? site : site_.get(), parent, pos);
    case OLEIVERB_HIDE:
        if (window_) ShowWindow(window_, SW_HIDE);
        return S_OK;
    default:
        return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT Control::EnumVerbs(IEnumOLEVERB** verbs) {
    if (verbs) *verbs = nullptr;
    return OLEOBJ_E_NOVERBS;
}

HRESULT Control::Update() { return S_OK; }
HRESULT Control::IsUpToDate() { return S_OK; }

HRESULT Control::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Control;
    return S_OK;
}

HRESULT Control::GetUserType(DWORD, LPOLESTR* type) {
    if (type) *type = nullptr;
    return OLE_S_USEREG;
}

HRESULT Control::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    extent_ = *size;
    return S_OK;
}

HRESULT Control::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = extent_;
    return S_OK;
}

HRESULT Control::Advise(IAdviseSink*, DWORD* cookie) {
    if (cookie) *cookie = 0;
    return E_NOTIMPL;
}

HRESULT Control::Unadvise(DWORD) { return E_NOTIMPL; }

HRESULT Control::EnumAdvise(IEnumSTATDATA** advise) {
    if (advise) *advise = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
              OLEMISC_SETCLIENTSITEFIRST | OLEMISC_CANTLINKINSIDE;
    return S_OK;
}

HRESULT Control::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

HRESULT Control::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

HRESULT Control::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT Control::InPlaceDeactivate() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    if (com_ptr<IOleInPlaceSite> site = std::move(inplace_site_)) site->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT Control::UIDeactivate() { return S_OK; }

HRESULT Control::SetObjectRects(LPCRECT pos, LPCRECT) {
    if (!pos) return E_POINTER;
    if (window_) MoveWindow(window_, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
    return S_OK;
}

HRESULT Control::ReactivateAndUndo() { return E_NOTIMPL; }

HRESULT Control::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Control;
    return S_OK;
}

HRESULT Control::IsDirty() { return S_FALSE; }
HRESULT Control::Load(LPSTREAM) { return S_OK; }
HRESULT Control::Save(LPSTREAM, BOOL) { return S_OK; }

HRESULT Control::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    size->QuadPart = 0;
    return S_OK;
}

HRESULT Control::InitNew() { return S_OK; }

HRESULT Control::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    return GetTypeInfoOf(CLSID_Control, info);
}

HRESULT Control::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID__IKovaControlEvents;
    return S_OK;
}

HRESULT Control::EnumConnectionPoints(IEnumConnectionPoints** out) { return events_->Enumerate(out); }

HRESULT Control::FindConnectionPoint(REFIID iid, IConnectionPoint** out) { return events_->Find(iid, out); }

HRESULT Control::Activate(IOleClientSite* site, HWND parent, LPCRECT pos) {
    if (window_) {
        ShowWindow(window_, SW_SHOW);
        return S_OK;
    }
    if (!site) return E_UNEXPECTED;
    com_ptr<IOleInPlaceSite> inplace;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, inplace.put_void())) || !inplace) return E_NOINTERFACE;
    if (inplace->CanInPlaceActivate() != S_OK) return E_FAIL;
    inplace->OnInPlaceActivate();
    HWND site_window = nullptr;
    if (SUCCEEDED(inplace->GetWindow(&site_window)) && site_window) parent = site_window;
    com_ptr<IOleInPlaceFrame> frame;
    com_ptr<IOleInPlaceUIWindow> document;
    RECT site_pos = {}, clip = {};
    OLEINPLACEFRAMEINFO frame_info = {};
    frame_info.cb = sizeof frame_info;
    if (SUCCEEDED(inplace->GetWindowContext(frame.put(), document.put(), &site_pos, &clip, &frame_info)))
        pos = &site_pos;
    if (!parent || !pos || !EnsureWindowClass(WindowProc)) {
        inplace->OnInPlaceDeactivate();
        return E_FAIL;
    }
    // WM_NCCREATE sets window_.
    if (!CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, pos->left, pos->top,
                         pos->right - pos->left, pos->bottom - pos->top, parent, nullptr, ModuleInstance(), this)) {
        inplace->OnInPlaceDeactivate();
        return E_FAIL;
    }
    inplace_site_ = std::move(inplace);
    return S_OK;
}

// The window does not keep the control alive: the control destroys it when it is
// deactivated or destroyed itself, and a window destroyed with its parent first
// forgets the control at WM_NCDESTROY.
LRESULT CALLBACK Control::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        control->window_ = window;
    }
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        control->window_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return control->OnMessage(message, wparam, lparam);
}

LRESULT Control::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
        Click(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        return 0;
    default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
}

void Control::Paint() {
    window_paint paint(window_);
    RECT r;
    GetClientRect(window_, &r);
    gdi_brush brush(CreateSolidBrush(color_));
    if (paint.dc() && brush) FillRect(paint.dc(), &r, brush.get());
}

}  // namespace kova_test
