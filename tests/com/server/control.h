// KovaTest.Control: a windowed ActiveX control that fills its site with a flat colour
// and fires Clicked when clicked.
#pragma once

#include "com_base.h"
#include "connection_point.h"
#include "kova_test.h"

#include <ocidl.h>
#include <oleidl.h>

namespace kova_test {

class Control final : public TypeInfoDispatch<IKovaControl>,
                      public IOleObject,
                      public IOleInPlaceObject,
                      public IPersistStreamInit,
                      public IProvideClassInfo2,
                      public IConnectionPointContainer,
                      RefCounted<Control>,
                      LiveObject {
public:
    static HRESULT Create(REFIID iid, void** out);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("Control"); }

    // IKovaControl
    STDMETHODIMP get_Color(long* color) override;
    STDMETHODIMP put_Color(long color) override;
    STDMETHODIMP get_Caption(BSTR* caption) override;
    STDMETHODIMP put_Caption(BSTR caption) override;
    STDMETHODIMP Click(long x, long y) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD save) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT pos) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleWindow, IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;

    // IPersist, IPersistStreamInit
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clear_dirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

private:
    friend class RefCounted<Control>;
    Control() noexcept;
    ~Control();

    HRESULT Activate(IOleClientSite* site, HWND parent, LPCRECT pos);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void Paint();

    com_ptr<ConnectionPoint> events_;
    com_ptr<IOleClientSite> site_;
    com_ptr<IOleInPlaceSite> inplace_site_;
    HWND window_ = nullptr;
    COLORREF color_ = RGB(0x20, 0x80, 0xC0);
    bstr_ptr caption_;
    SIZEL extent_ = {2540, 2540};  // HIMETRIC: one inch square
};

HRESULT CreateControl(REFIID iid, void** out);
// Run when the DLL is unloaded: the window class's procedure goes with it.
void UnregisterControlClass();

}  // namespace kova_test
