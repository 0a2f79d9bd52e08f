// The DLL's entry points: class objects, unloading, registration, the type library and
// LiveObjects.
#include "module.h"

#include "com_base.h"
#include "control.h"
#include "items.h"
#include "kova_test.h"
#include "object/handles.h"
#include "server.h"

#include <olectl.h>

#include <string>

namespace kova_test {

namespace {

HINSTANCE g_instance;
LONG g_live;
LONG g_locks;
// Loaded on first use, dropped when the DLL may unload.
ITypeLib* g_typelib;

// The module's path, or empty.
std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(g_instance, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

HRESULT LoadOwnTypeLib(ITypeLib** lib) {
    std::wstring path = ModulePath();
    return path.empty() ? E_FAIL : LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib);
}

using CreateFn = HRESULT (*)(REFIID, void**);

HRESULT CreateServer(REFIID iid, void** out) { return Server::Create(true, iid, out); }
HRESULT CreatePlain(REFIID iid, void** out) { return Server::Create(false, iid, out); }

// A static class object per coclass; references to it keep the DLL loaded.
class ClassFactory final : public IClassFactory {
public:
    explicit constexpr ClassFactory(CreateFn create) : create_(create) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { LockModule(); return 2; }
    STDMETHODIMP_(ULONG) Release() override { UnlockModule(); return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return create_(iid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock)
            LockModule();
        else
            UnlockModule();
        return S_OK;
    }

private:
    CreateFn create_;
};

ClassFactory g_server_factory(CreateServer);
ClassFactory g_plain_factory(CreatePlain);
ClassFactory g_items_factory(CreateItems);
ClassFactory g_control_factory(CreateControl);

struct CoClass {
    const CLSID* clsid;
    const wchar_t* progid;  // version-independent
    const wchar_t* name;
    ClassFactory* factory;
};
const CoClass kClasses[] = {
    {&CLSID_Server, L"KovaTest.Server", L"KOVA test server", &g_server_factory},
    {&CLSID_Plain, L"KovaTest.Plain", L"KOVA test server without class information", &g_plain_factory},
    {&CLSID_Items, L"KovaTest.Items", L"KOVA test collection", &g_items_factory},
    {&CLSID_Control, L"KovaTest.Control", L"KOVA test control", &g_control_factory},
};

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    return StringFromGUID2(guid, text, 40) ? std::wstring(text) : std::wstring();
}

using reg_key = unique_handle<HKEY, RegCloseKey>;

// Creates HKCR\key and sets its value `name` (null: the default value) to text.
bool SetClassesValue(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    reg_key k;
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    k.reset(h);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(k.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool RegisterCoClass(const CoClass& c, const std::wstring& path, const std::wstring& libid) {
    const std::wstring clsid = GuidText(*c.clsid);
    const std::wstring key = L"CLSID\\" + clsid;
    const std::wstring progid = c.progid, versioned = progid + L".1";
    return SetClassesValue(key, nullptr, c.name) && SetClassesValue(key + L"\\InprocServer32", nullptr, path) &&
           SetClassesValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
           SetClassesValue(key + L"\\ProgID", nullptr, versioned) &&
           SetClassesValue(key + L"\\VersionIndependentProgID", nullptr, progid) &&
           SetClassesValue(key + L"\\TypeLib", nullptr, libid) && SetClassesValue(key + L"\\Version", nullptr, L"1.0") &&
           SetClassesValue(progid, nullptr, c.name) && SetClassesValue(progid + L"\\CLSID", nullptr, clsid) &&
           SetClassesValue(progid + L"\\CurVer", nullptr, versioned) && SetClassesValue(versioned, nullptr, c.name) &&
           SetClassesValue(versioned + L"\\CLSID", nullptr, clsid);
}

void UnregisterCoClass(const CoClass& c) {
    const std::wstring progid = c.progid;
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(*c.clsid)).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, progid.c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (progid + L".1").c_str());
}

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
LONG LiveObjectCount() { return InterlockedCompareExchange(&g_live, 0, 0); }
void ObjectCreated() { InterlockedIncrement(&g_live); }
void ObjectDestroyed() { InterlockedDecrement(&g_live); }
void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }

HRESULT GetTypeInfoOf(REFGUID guid, ITypeInfo** info) {
    if (!g_typelib) {
        // Apartments on other threads may load it at the same time: one copy is kept.
        ITypeLib* lib = nullptr;
        HRESULT hr = LoadOwnTypeLib(&lib);
        if (FAILED(hr)) return hr;
        if (InterlockedCompareExchangePointer(reinterpret_cast<void**>(&g_typelib), lib, nullptr)) lib->Release();
    }
    return g_typelib->GetTypeInfoOfGuid(guid, info);
}

}  // namespace kova_test

using namespace kova_test;

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // Unloaded while the process goes on: a later load may sit at another address,
        // where the class's old window procedure would be gone.
        UnregisterControlClass();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const CoClass& c : kClasses)
        if (clsid == *c.clsid) return c.factory->QueryInterface(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
    if (LiveObjectCount() != 0 || InterlockedCompareExchange(&g_locks, 0, 0) != 0) return S_FALSE;
    if (auto* lib = static_cast<ITypeLib*>(InterlockedExchangePointer(reinterpret_cast<void**>(&g_typelib), nullptr)))
        lib->Release();
    return S_OK;
}

STDAPI DllRegisterServer() {
    std::wstring path = ModulePath();
    com_ptr<ITypeLib> lib;
    if (path.empty() || FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.put()))) return SELFREG_E_TYPELIB;
    HRESULT hr = RegisterTypeLib(lib.get(), path.data(), nullptr);
    if (FAILED(hr)) return SELFREG_E_TYPELIB;
    const std::wstring libid = GuidText(LIBID_KovaTest);
    for (const CoClass& c : kClasses)
        if (!RegisterCoClass(c, path, libid)) return SELFREG_E_CLASS;
    return S_OK;
}

STDAPI DllUnregisterServer() {
    for (const CoClass& c : kClasses) UnregisterCoClass(c);
    UnRegisterTypeLib(LIBID_KovaTest, 1, 0, LOCALE_NEUTRAL, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    return S_OK;
}

// Objects of this DLL alive now, for tests that check nothing leaks.
int __stdcall LiveObjects(void) { return static_cast<int>(LiveObjectCount()); }

}  // extern "C"
