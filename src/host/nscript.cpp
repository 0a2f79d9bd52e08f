// NScript: engine creation, named items, file loading and calls into the script.
#include "host/nscript.h"

#include "host/busy_retry.h"
#include "host/console_writer.h"
#include "host/nscript_site.h"
#include "host/script_text_core.h"
#include "host/source_file_table.h"
#include "object/com_var.h"
#include "object/dispatch_helpers.h"
#include "object/script_context.h"
#include "object/text.h"

#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>

#include <memory>
#include <vector>

bool NScript::Initialize(const std::string& language, bool caseSensitive) {
    Close();
    caseSensitive_ = caseSensitive;
    NScriptSite* site = new NScriptSite;
    site->AddRef();
    site->family = EngineFamilyOf(language);
    site_ = com_ptr<NScriptSite>::adopt(site);

    std::wstring progid = ToWide(language.substr(0, 256));
    CLSID clsid;
    bool ok = SUCCEEDED(CLSIDFromProgID(progid.c_str(), &clsid)) &&
              SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER |
                                                             CLSCTX_LOCAL_SERVER,
                                         IID_IActiveScriptParse, parser_.put_void()));
    if (ok) {
        engine_ = parser_.query<IActiveScript>(IID_IActiveScript);
        ok = engine_ && SUCCEEDED(parser_->InitNew()) &&
             SUCCEEDED(engine_->SetScriptSite(static_cast<IActiveScriptSite*>(site)));
    }
    if (ok) {
        engine_->SetScriptState(SCRIPTSTATE_STARTED);
        ok = SUCCEEDED(engine_->GetScriptDispatch(nullptr, dispatch_.put())) && dispatch_;
        if (ok) global_ = dispatch_.query<IDispatchEx>(IID_IDispatchEx);
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

bool NScript::LoadScriptFile(const std::string& path) {
    if (!open()) return false;

    // A file that cannot be examined or read is no error: nothing is parsed.
    struct _stat64 st;
    if (_stat64(path.c_str(), &st) != 0 || st.st_size < 0 || st.st_size >= INT_MAX) return true;
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "rb"), fclose);
    if (!file) return true;
    std::vector<char> bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = fread(bytes.data(), 1, static_cast<size_t>(st.st_size), file.get());
    bytes[got] = '\0';

    std::wstring code = DecodeScriptText(bytes.data(), got);

    std::string name = FileNamePart(path);
    LowerNarrow(name);
    DWORD cookie = SourceFileTable::CookieOf(name);
    unsigned long reported = site_->errorsReported;
    site_->KeepSourceText(cookie, code);
    HRESULT hr = Parse(code.c_str(), cookie);
    // An engine may refuse a text without a word of its own; the user still learns of it.
    if (FAILED(hr) && site_->errorsReported == reported)
        PrintOutput(stderr, "error [%s]: cannot parse script (0x%08lX)\n", name.c_str(),
                    static_cast<unsigned long>(hr));
    return SUCCEEDED(hr);
}

std::wstring DecodeScriptText(const char* bytes, size_t size) {
    const ScriptTextSpan span = ScriptTextSpanOf(bytes, size);
    const char* text = bytes + span.start;
    const int n = static_cast<int>(span.length);
    switch (span.encoding) {
    case ScriptEncoding::Utf16: {
        const std::u16string units = Utf16LeUnits(text, span.length);
        return std::wstring(units.begin(), units.end());
    }
    case ScriptEncoding::Utf8: {
        int wide = n ? MultiByteToWideChar(CP_UTF8, 0, text, n, nullptr, 0) : 0;
        std::wstring out(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
        if (wide > 0) MultiByteToWideChar(CP_UTF8, 0, text, n, &out[0], wide);
        return out;
    }
    case ScriptEncoding::Ansi:
        break;
    }
    return ToWide(text, n);
}

bool NScript::ParseText(const std::wstring& code) {
    return open() && SUCCEEDED(Parse(code.c_str(), 0));
}

// The engine runs the text's global code at once (it is started) and reports
// errors through the site before returning.
HRESULT NScript::Parse(const wchar_t* code, DWORD cookie) {
    excep_info excep;
    return parser_->ParseScriptText(code, nullptr, nullptr, nullptr, cookie, 0, 0, nullptr, &excep);
}

bool NScript::CallFunction(const std::string& name, const ArgList* args, com_var* result, HRESULT* status) {
    HRESULT ignored;
    if (!status) status = &ignored;
    *status = E_UNEXPECTED;
    if (!open()) return false;
    DISPID id = DISPID_UNKNOWN;
    *status = NameToId(dispatch_.get(), name, &id);
    if (SUCCEEDED(*status)) *status = InvokeWith(dispatch_.get(), id, DISPATCH_METHOD, args, result);
    return SUCCEEDED(*status);
}

bool NScript::InvokeByName(const std::string& name, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                           UINT* argErr) {
    if (!open()) return false;
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(NameToId(dispatch_.get(), name, &id))) return false;
    return SUCCEEDED(dispatch_->Invoke(id, IID_NULL, GetUserDefaultLCID(), DISPATCH_METHOD, params, result, excep,
                                       argErr));
}

void NScript::RecordError(HRESULT status) {
    if (!open() || site_->family != EngineFamily::VBScript) return;
    // Err is no member of the script's global object; the engine gives it as the
    // value of an expression.
    com_var err;
    excep_info excep;
    if (FAILED(parser_->ParseScriptText(L"Err", nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISEXPRESSION, &err.v,
                                        &excep)))
        return;
    com_ptr<IDispatch> disp = com_ptr<IDispatch>::adopt(err.ToDispatch());
    if (!disp) return;
    ArgList args;
    args.push_back(com_var(static_cast<double>(static_cast<int32_t>(status))));
    ScriptErrorsToCaller quiet(this, true);  // Raise fails by design: it reports the status
    CallDispatch(disp.get(), "Raise", &args, nullptr);
}

bool NScript::StandardError(HRESULT status, HRESULT* number, std::string* text) const {
    if (!site_) return false;
    uint32_t engineNumber = EngineErrorNumber(static_cast<uint32_t>(status));
    const char* message = StandardErrorMessage(site_->family, static_cast<uint32_t>(status));
    if (!engineNumber || !message) return false;
    *number = static_cast<HRESULT>(engineNumber);
    *text = message;
    return true;
}

IDispatch* NScript::GetScriptObject(const std::string& name) {
    if (!dispatch_ || name.empty()) return nullptr;
    com_var value;
    // Read as a property only: with the method flag too, the engine calls a variable
    // that holds a function (Array, say) instead of giving the function.
    if (FAILED(InvokeByNameRetrying(dispatch_.get(), name, DISPATCH_PROPERTYGET, nullptr, &value)))
        return nullptr;
    return value.ToDispatch();
}

HRESULT NScript::Interrupt() {
    if (!engine_) return E_UNEXPECTED;
    return engine_->InterruptScriptThread(SCRIPTTHREADID_ALL, nullptr, 0);
}

void NScript::Close() {
    // No event may reach the engine once it closes.
    sinks_.Clear();
    global_.reset();
    dispatch_.reset();
    if (engine_) engine_->Close();
    engine_.reset();
    parser_.reset();
    if (site_) site_->items.clear();
    site_.reset();
}

bool ScriptCaseSensitive(const NScript* script) { return script->caseSensitive(); }

IDispatchEx* ScriptGlobalObject(const NScript* script) { return script->globalObject(); }

IDispatch* ScriptObject(NScript* script, const std::string& name) { return script->GetScriptObject(name); }

bool SetScriptErrorsToCaller(NScript* script, bool on) { return script->SetErrorsToCaller(on); }

void ScriptRecordError(NScript* script, HRESULT status) { script->RecordError(status); }

bool ScriptStandardError(const NScript* script, HRESULT status, HRESULT* number, std::string* text) {
    return script->StandardError(status, number, text);
}
