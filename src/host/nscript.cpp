// NScript: engine creation, named items, file loading and calls into the script.
#include "host/nscript.h"

#include "host/nscript_site.h"
#include "host/source_file_table.h"
#include "object/com_var.h"
#include "object/text.h"

#include <stdio.h>
#include <sys/stat.h>

#include <memory>
#include <vector>

// On 64-bit builds the parse interface is the 64-bit one, whose IID import
// libraries may lack; both are defined here.
#ifdef _WIN64
static const IID kIID_ActiveScriptParse = {0xc7ef7658, 0xe1ee, 0x480e, {0x97, 0xea, 0xd5, 0x2c, 0xb4, 0xd7, 0x6d, 0x17}};
#else
static const IID kIID_ActiveScriptParse = {0xbb1a2ae2, 0xa4f9, 0x11cf, {0x8f, 0x20, 0x00, 0x80, 0x5f, 0x2c, 0xd0, 0x64}};
#endif

bool NScript::Initialize(const std::string& language, bool caseSensitive) {
    Close();
    caseSensitive_ = caseSensitive;
    NScriptSite* site = new NScriptSite;
    site->AddRef();
    site_ = com_ptr<NScriptSite>::adopt(site);

    std::wstring progid = ToWide(language.substr(0, 256));
    CLSID clsid;
    bool ok = SUCCEEDED(CLSIDFromProgID(progid.c_str(), &clsid)) &&
              SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER |
                                                             CLSCTX_LOCAL_SERVER,
                                         kIID_ActiveScriptParse, parser_.put_void()));
    if (ok) {
        engine_ = parser_.query<IActiveScript>(IID_IActiveScript);
        ok = engine_ && SUCCEEDED(parser_->InitNew()) &&
             SUCCEEDED(engine_->SetScriptSite(static_cast<IActiveScriptSite*>(site)));
    }
    if (ok) {
        engine_->SetScriptState(SCRIPTSTATE_STARTED);
        ok = SUCCEEDED(engine_->GetScriptDispatch(nullptr, dispatch_.put())) && dispatch_;
    }
    if (!ok) Close();
    return ok;
}

bool NScript::AddItem(const std::string& name, const GUID& type, IDispatch* object, bool globalMembers) {
    if (!site_ || !engine_ || !parser_ || !object) return false;
    std::wstring wname = ToWide(name);
    site_->items.push_back(std::make_unique<NScriptItem>(wname, type, object));
    DWORD flags = SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE;
    if (globalMembers) flags |= SCRIPTITEM_GLOBALMEMBERS;
    engine_->AddNamedItem(wname.c_str(), flags);
    return true;
}

namespace {
// Task-allocator buffer for the converted script text.
struct TaskMem {
    wchar_t* p = nullptr;
    ~TaskMem() { CoTaskMemFree(p); }
};
}  // namespace

bool NScript::LoadScriptFile(const std::string& path) {
    if (!open()) return false;

    struct _stat64 st;
    if (_stat64(path.c_str(), &st) != 0) return true;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return true;
    std::vector<char> bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = fread(bytes.data(), 1, static_cast<size_t>(st.st_size), f);
    fclose(f);
    bytes[got] = '\0';

    // The file is text in the ANSI code page; it ends at its first NUL byte.
    int len = static_cast<int>(strlen(bytes.data()));
    int n = len ? MultiByteToWideChar(CP_ACP, 0, bytes.data(), len, nullptr, 0) : 0;
    TaskMem code;
    code.p = static_cast<wchar_t*>(CoTaskMemAlloc((static_cast<size_t>(n) + 1) * sizeof(wchar_t)));
    if (!code.p) return false;
    if (n) MultiByteToWideChar(CP_ACP, 0, bytes.data(), len, code.p, n);
    code.p[n] = L'\0';

    std::string name = FileNamePart(path);
    LowerNarrow(name);
    DWORD cookie = SourceFileTable::CookieOf(name);

    EXCEPINFO excep{};
    HRESULT hr = parser_->ParseScriptText(code.p, nullptr, nullptr, nullptr, cookie, 0, 0, nullptr, &excep);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrHelpFile);
    return SUCCEEDED(hr);
}

bool NScript::ParseText(const std::wstring& code) {
    if (!open()) return false;
    EXCEPINFO excep{};
    HRESULT hr = parser_->ParseScriptText(code.c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &excep);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrHelpFile);
    return SUCCEEDED(hr);
}

HRESULT NScript::FunctionId(const std::string& name, DISPID* id) {
    if (!dispatch_) return E_UNEXPECTED;
    bstr_ptr bname(NewBstr(name));
    LPOLESTR names[] = {bname.get()};
    return dispatch_->GetIDsOfNames(IID_NULL, names, 1, GetUserDefaultLCID(), id);
}

bool NScript::CallFunction(const std::string& name, const ArgList* args, com_var* result, HRESULT* status) {
    HRESULT ignored;
    if (!status) status = &ignored;
    *status = E_UNEXPECTED;
    if (!open()) return false;
    DISPID id = DISPID_UNKNOWN;
    *status = FunctionId(name, &id);
    if (FAILED(*status)) return false;
    OutgoingParams params(args);
    VARIANT out;
    VariantInit(&out);
    HRESULT hr = dispatch_->Invoke(id, IID_NULL, GetUserDefaultLCID(), DISPATCH_METHOD, params.get(), &out, nullptr,
                                   nullptr);
    *status = hr;
    if (FAILED(hr)) {
        VariantClear(&out);
        return false;
    }
    if (result) result->adopt(out);
    else VariantClear(&out);
    return true;
}

bool NScript::InvokeByName(const std::string& name, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                           UINT* argErr) {
    if (!open()) return false;
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(FunctionId(name, &id))) return false;
    return SUCCEEDED(dispatch_->Invoke(id, IID_NULL, GetUserDefaultLCID(), DISPATCH_METHOD, params, result, excep,
                                       argErr));
}

IDispatch* NScript::GetScriptObject(const std::string& name) {
    if (!dispatch_) return nullptr;
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(FunctionId(name, &id))) return nullptr;
    DISPPARAMS none{};
    VARIANT out;
    VariantInit(&out);
    if (FAILED(dispatch_->Invoke(id, IID_NULL, GetUserDefaultLCID(), DISPATCH_PROPERTYGET, &none, &out, nullptr,
                                 nullptr))) {
        VariantClear(&out);
        return nullptr;
    }
    com_var value;
    value.adopt(out);
    return value.ToDispatch();
}

void NScript::Close() {
    // Event sinks are disconnected here once COM events exist.
    dispatch_.reset();
    if (engine_) engine_->Close();
    engine_.reset();
    parser_.reset();
    if (site_) site_->items.clear();
    site_.reset();
}
