// In-process .NET hosting through the runtime's COM hosting interface.
#include "com/dotnet_host.h"

#include <windows.h>
#include <mscoree.h>

#include "host/platform.h"
#include "object/com_ptr.h"
#include "object/text.h"

namespace {
const CLSID kCorRuntimeHost = {0xcb2f6723, 0xab3a, 0x11d2, {0x9c, 0x40, 0x00, 0xc0, 0x4f, 0xa3, 0x0a, 0x3e}};
const IID kICorRuntimeHost = {0xcb2f6722, 0xab3a, 0x11d2, {0x9c, 0x40, 0x00, 0xc0, 0x4f, 0xa3, 0x0a, 0x3e}};
// Startup flags: concurrent garbage collection (1), multi-domain-host loader
// optimisation (3 << 1).
constexpr DWORD kStartupFlags = 0x1 | (0x3 << 1);

// The runtime's interfaces that the platform headers leave out, with the slots used.
// IAppDomainSetup: ApplicationBase and ApplicationName come first, get before put.
struct IAppDomainSetup : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_ApplicationBase(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ApplicationBase(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ApplicationName(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ApplicationName(BSTR value) = 0;
};
const IID kIAppDomainSetup = {0x27fff232, 0xa7a8, 0x40dd, {0x8d, 0x4a, 0x73, 0x4a, 0xd5, 0x9f, 0xcd, 0x41}};
const IID kAppDomain = {0x05f696dc, 0x2b29, 0x3663, {0xad, 0x8b, 0xc4, 0x38, 0x9c, 0xf2, 0xa7, 0x13}};
// System.Runtime.Remoting.IObjectHandle, which every ObjectHandle implements.
struct IObjectHandle : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Unwrap(VARIANT* object) = 0;
};
const IID kIObjectHandle = {0xc460e2b4, 0xe199, 0x412a, {0x84, 0x56, 0x84, 0xdc, 0x3e, 0x48, 0x38, 0xc3}};

// _AppDomain is an IUnknown interface whose CreateInstance(assembly, type, handle)
// comes after 34 other methods: IDispatch's four, Object's four, the two lifetime
// service methods, Evidence, seven event add/remove pairs and nine
// DefineDynamicAssembly overloads.
constexpr size_t kCreateInstanceSlot = 3 + 34;
using CreateInstanceFn = HRESULT(STDMETHODCALLTYPE*)(IUnknown* self, BSTR assembly, BSTR type, IUnknown** handle);

HRESULT CreateInstance(IUnknown* domain, BSTR assembly, BSTR type, IUnknown** handle) {
    void** table = *reinterpret_cast<void***>(domain);
    auto call = reinterpret_cast<CreateInstanceFn>(table[kCreateInstanceSlot]);
    return call(domain, assembly, type, handle);
}

using CorBindFn = HRESULT(STDAPICALLTYPE*)(LPCWSTR version, LPCWSTR flavour, DWORD flags, REFCLSID clsid,
                                            REFIID iid, void** out);

struct DotNetState {
    com_ptr<ICorRuntimeHost> host;
    com_ptr<IUnknown> domain;  // _AppDomain
    bool started = false;
    int attempts = 0;
};
DotNetState& State() {
    static DotNetState state;
    return state;
}

CorBindFn BindEntryPoint() {
    static CorBindFn bind = [] {
        HMODULE mscoree = GetModuleHandleA("mscoree.dll");
        if (!mscoree) mscoree = LoadLibraryA("mscoree.dll");
        return mscoree ? reinterpret_cast<CorBindFn>(
                             reinterpret_cast<void*>(GetProcAddress(mscoree, "CorBindToRuntimeEx")))
                       : nullptr;
    }();
    return bind;
}

void StartRuntime(const std::string& applicationBase) {
    DotNetState& state = State();
    ++state.attempts;
    CorBindFn bind = BindEntryPoint();
    if (!bind) return;
    if (FAILED(bind(nullptr, L"wks", kStartupFlags, kCorRuntimeHost, kICorRuntimeHost, state.host.put_void())) ||
        !state.host) {
        state.host.reset();
        return;
    }
    state.host->Start();
    com_ptr<IUnknown> setupObject;
    com_ptr<IAppDomainSetup> setup;
    if (SUCCEEDED(state.host->CreateDomainSetup(setupObject.put())) && setupObject)
        setup = setupObject.query<IAppDomainSetup>(kIAppDomainSetup);
    if (setup) {
        bstr_ptr base(NewBstr(applicationBase));
        setup->put_ApplicationBase(base.get());
        wchar_t program[MAX_PATH + 1] = {};
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        bstr_ptr name(SysAllocString(program));
        setup->put_ApplicationName(name.get());
    }
    com_ptr<IUnknown> domain;
    if (SUCCEEDED(state.host->CreateDomainEx(L"MyDomain", setupObject.get(), nullptr, domain.put())) && domain)
        state.domain = domain.query<IUnknown>(kAppDomain);
    if (!state.domain) StopDotNet();
}
}  // namespace

HRESULT CreateDotNetObject(ArgList& args, com_var& result) {
    if (args.count() != 2) return DISP_E_BADPARAMCOUNT;
    const std::string assembly = args[0].ToText(), type = args[1].ToText();
    DotNetState& state = State();
    if (!state.started) {
        StartRuntime(BaseDirectory());
        state.started = true;
    }
    if (!state.host || !state.domain) return S_OK;
    bstr_ptr assemblyName(NewBstr(assembly)), typeName(NewBstr(type));
    com_ptr<IUnknown> handle;
    if (FAILED(CreateInstance(state.domain.get(), assemblyName.get(), typeName.get(), handle.put())) || !handle)
        return S_OK;
    com_ptr<IObjectHandle> wrapped = handle.query<IObjectHandle>(kIObjectHandle);
    com_var object;
    if (wrapped && SUCCEEDED(wrapped->Unwrap(&object.v)) && object.type() == VT_DISPATCH && object.v.pdispVal)
        result = std::move(object);
    return S_OK;
}

void StopDotNet() {
    DotNetState& state = State();
    if (state.domain && state.host) state.host->UnloadDomain(state.domain.get());
    state.domain.reset();
    if (state.host) state.host->Stop();
    state.host.reset();
}

int DotNetStartAttempts() { return State().attempts; }
