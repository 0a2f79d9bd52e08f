// NScriptSite: the site through which the engine calls back and reports script errors.
#pragma once

#include <windows.h>
#include <activscp.h>

#include <memory>
#include <string>
#include <vector>

#include "host/engine_messages.h"
#include "object/com_ptr.h"
#include "object/ref_counted.h"

class NScriptItem {
public:
    NScriptItem(std::wstring name, const GUID& type, IDispatch* object)
        : name(std::move(name)), type(type), object(com_ptr<IDispatch>::share(object)) {}
    virtual ~NScriptItem() = default;

    std::wstring name;
    GUID type;
    com_ptr<IDispatch> object;
};

using NScriptItemList = std::vector<std::unique_ptr<NScriptItem>>;

class NScriptSite final : public IActiveScriptSite,
                          public IActiveScriptSiteWindow,
                          public IActiveScriptSiteInterruptPoll,
                          private RefCounted<NScriptSite> {
public:
    NScriptSite() = default;
    NScriptSite(const NScriptSite&) = delete;
    NScriptSite& operator=(const NScriptSite&) = delete;

    // IUnknown (shared by both parts)
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference("NScriptSite"); }
    // IActiveScriptSite
    STDMETHODIMP GetLCID(LCID* plcid) override;
    STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** unk, ITypeInfo** info) override;
    STDMETHODIMP GetDocVersionString(BSTR* version) override;
    STDMETHODIMP OnScriptTerminate(const VARIANT* result, const EXCEPINFO* excep) override;
    STDMETHODIMP OnStateChange(SCRIPTSTATE state) override;
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override;
    STDMETHODIMP OnEnterScript() override;
    STDMETHODIMP OnLeaveScript() override;
    // IActiveScriptSiteWindow
    STDMETHODIMP GetWindow(HWND* hwnd) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    // IActiveScriptSiteInterruptPoll: engines that poll stop once a time limit ran out.
    STDMETHODIMP QueryContinue() override;

    NScriptItemList items;
    // Which standard messages fill in errors the engine leaves without a description.
    EngineFamily family = EngineFamily::Other;
    // Errors reported so far, so that callers can tell whether a failure was reported.
    unsigned long errorsReported = 0;
    // Set while the host calls into the engine for a call the script itself made (a
    // callable property, say): an error there goes back, unreported, to the host and
    // from it to the script, which may catch it.
    bool errorsToCaller = false;
    // Keeps the text of a loaded file, whose lines complete reports that come without one.
    void KeepSourceText(unsigned long cookie, std::wstring text);

private:
    friend class RefCounted<NScriptSite>;
    ~NScriptSite() = default;
    std::string SourceLine(unsigned long cookie, unsigned long line) const;

    std::vector<std::wstring> texts_;  // by cookie - 1
};

// The text of a script error report: "error [file:line]: description" with an
// optional "\n-> source line"; line is 1-based, file may be empty.
std::string FormatScriptError(const std::string& file, unsigned long line, const std::string& description,
                              const std::string& source);
