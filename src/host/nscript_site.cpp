// NScriptSite: item look-up for the engine and the error reports on standard error.
#include "host/nscript_site.h"

#include "host/console_writer.h"
#include "host/script_watchdog.h"
#include "host/source_file_table.h"
#include "object/text.h"

#include <stdio.h>

STDMETHODIMP NScriptSite::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IActiveScriptSite))
        *ppv = static_cast<IActiveScriptSite*>(this);
    else if (IsEqualIID(riid, IID_IActiveScriptSiteWindow))
        *ppv = static_cast<IActiveScriptSiteWindow*>(this);
    else if (IsEqualIID(riid, IID_IActiveScriptSiteInterruptPoll))
        *ppv = static_cast<IActiveScriptSiteInterruptPoll*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP NScriptSite::GetLCID(LCID* plcid) {
    if (!plcid) return E_POINTER;
    *plcid = GetUserDefaultLCID();
    return S_OK;
}

STDMETHODIMP NScriptSite::GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** unk, ITypeInfo** info) {
    if ((mask & SCRIPTINFO_IUNKNOWN) && unk) *unk = nullptr;
    if ((mask & SCRIPTINFO_ITYPEINFO) && info) *info = nullptr;
    if (!name) return E_FAIL;
    NScriptItem* item = nullptr;
    for (auto& it : items) {
        if (it->name == name) {
            item = it.get();
            break;
        }
    }
    if (!item || !item->object) return E_FAIL;
    if (mask & SCRIPTINFO_IUNKNOWN) {
        if (!unk) return E_POINTER;
        item->object->AddRef();
        *unk = item->object.get();
    }
    if (mask & SCRIPTINFO_ITYPEINFO) {
        if (!info) return E_POINTER;
        wchar_t path[MAX_PATH];
        DWORD len = GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (len == 0 || len >= MAX_PATH) return E_FAIL;
        com_ptr<ITypeLib> lib;
        HRESULT hr = LoadTypeLib(path, lib.put());
        if (FAILED(hr)) return hr;
        return lib->GetTypeInfoOfGuid(item->type, info);
    }
    return (mask & SCRIPTINFO_IUNKNOWN) ? S_OK : E_FAIL;
}

STDMETHODIMP NScriptSite::GetDocVersionString(BSTR* version) {
    if (!version) return E_POINTER;
    *version = SysAllocString(L"");
    return S_OK;
}

STDMETHODIMP NScriptSite::OnScriptTerminate(const VARIANT*, const EXCEPINFO*) { return S_OK; }
STDMETHODIMP NScriptSite::OnStateChange(SCRIPTSTATE) { return S_OK; }
STDMETHODIMP NScriptSite::OnEnterScript() { return S_OK; }
// A script stopped for its time limit ends the process as soon as the engine lets go.
STDMETHODIMP NScriptSite::OnLeaveScript() {
    EndTimedOutScript();
    return S_OK;
}

STDMETHODIMP NScriptSite::GetWindow(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = GetDesktopWindow();
    return S_OK;
}

STDMETHODIMP NScriptSite::EnableModeless(BOOL) { return S_OK; }

STDMETHODIMP NScriptSite::QueryContinue() { return ScriptTimedOut() ? S_FALSE : S_OK; }

void NScriptSite::KeepSourceText(unsigned long cookie, std::wstring text) {
    if (cookie == 0) return;
    if (texts_.size() < cookie) texts_.resize(cookie);
    texts_[cookie - 1] = std::move(text);
}

std::string NScriptSite::SourceLine(unsigned long cookie, unsigned long line) const {
    if (cookie == 0 || cookie > texts_.size()) return std::string();
    const std::wstring& text = texts_[cookie - 1];
    size_t start = 0;
    for (unsigned long i = 0; i < line; ++i) {
        start = text.find(L'\n', start);
        if (start == std::wstring::npos) return std::string();
        ++start;
    }
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    if (end > start && text[end - 1] == L'\r') --end;
    return ToNarrow(text.data() + start, static_cast<int>(end - start));
}

std::string FormatScriptError(const std::string& file, unsigned long line, const std::string& description,
                              const std::string& source) {
    // Reports are capped at 2047 characters, cut rather than overrun.
    std::string text = "error [";
    if (!file.empty()) text += file + ":";
    text += std::to_string(line) + "]: " + description;
    if (!source.empty()) text += "\n-> " + source;
    if (text.size() > 2047) text.resize(2047);
    return text;
}

// Always S_OK: the engine has already abandoned the failing code, and any other
// answer only makes it report the same error again its own way.
STDMETHODIMP NScriptSite::OnScriptError(IActiveScriptError* error) {
    if (!error) return S_OK;
    // The interrupt of a time limit is reported by the process's end, not as an error.
    EndTimedOutScript();
    // Not S_OK: the engine then hands the error itself back to its caller.
    if (errorsToCaller) return S_FALSE;
    try {
        DWORD cookie = 0;
        ULONG line = 0;
        LONG column = 0;
        error->GetSourcePosition(&cookie, &line, &column);
        bstr_ptr source;
        if (FAILED(error->GetSourceLineText(source.put()))) source.put();
        excep_info excep;
        error->GetExceptionInfo(&excep);
        if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);

        ++errorsReported;
        // Engines that leave out the source line or the description (a VBScript
        // run-time error, say) get them from the file's text and the standard messages.
        std::string sourceText = ToNarrow(source.get());
        if (sourceText.empty()) sourceText = SourceLine(cookie, line);
        HRESULT status = excep.scode ? excep.scode : excep.wCode ? MAKE_HRESULT(1, FACILITY_CONTROL, excep.wCode) : 0;
        std::string description = ErrorDescription(family, ToNarrow(excep.bstrDescription),
                                                   ToNarrow(excep.bstrSource), static_cast<uint32_t>(status));
        std::string text = FormatScriptError(SourceFileTable::NameOf(cookie), line + 1, description, sourceText);
        WriteOutput(stderr, text + "\n");
    } catch (...) {
        // Out of memory while reporting: nothing sensible is left to print.
    }
    return S_OK;
}
