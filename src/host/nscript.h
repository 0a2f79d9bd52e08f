// NScript: the one script context; owns the engine, its site and the named items.
#pragma once

#include <windows.h>
#include <activscp.h>
#include <dispex.h>

#include <string>

#include "host/nscript_site.h"
#include "host/nsink_list.h"
#include "object/arg_list.h"
#include "object/com_ptr.h"

// The text of a script file's bytes: UTF-8 or UTF-16 LE after a byte-order mark,
// else the ANSI code page; it ends at the first NUL.
std::wstring DecodeScriptText(const char* bytes, size_t size);

class NScript {
public:
    NScript() = default;
    NScript(const NScript&) = delete;
    NScript& operator=(const NScript&) = delete;
    virtual ~NScript() { Close(); }

    // Creates and starts the engine of the language (a ProgID); false leaves it closed.
    bool Initialize(const std::string& language, bool caseSensitive);
    bool AddItem(const std::string& name, const GUID& type, IDispatch* object, bool globalMembers);
    // Has the engine parse and run a file; false when the engine reports failure.
    bool LoadScriptFile(const std::string& path);
    // Parses and runs text with no file name behind it (errors report line numbers only).
    bool ParseText(const std::wstring& code);
    // status, when given, receives the engine's answer (or the look-up's failure).
    bool CallFunction(const std::string& name, const ArgList* args, com_var* result, HRESULT* status = nullptr);
    bool InvokeByName(const std::string& name, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                      UINT* argErr);
    // A global script variable as a dispatch object (new reference), or null.
    IDispatch* GetScriptObject(const std::string& name);
    void Close();
    // Stops the script code that runs now (the engine's interrupt, which may be called
    // from any thread); the engine's answer.
    HRESULT Interrupt();

    bool caseSensitive() const noexcept { return caseSensitive_; }
    // The script's event connections, ended by Close.
    NSinkList& sinks() noexcept { return sinks_; }
    // The engine's global object (no reference taken), or null when closed.
    IDispatchEx* globalObject() const noexcept { return global_.get(); }
    bool open() const noexcept { return site_ && engine_ && parser_ && dispatch_; }
    // Raises the status in VBScript's Err object (through Err.Raise, which keeps its
    // standard number and text); nothing under other engines.
    void RecordError(HRESULT status);
    // See ScriptStandardError.
    bool StandardError(HRESULT status, HRESULT* number, std::string* text) const;
    // See NScriptSite::errorsToCaller; returns the previous setting.
    bool SetErrorsToCaller(bool on) noexcept {
        if (!site_) return false;
        bool was = site_->errorsToCaller;
        site_->errorsToCaller = on;
        return was;
    }

private:
    HRESULT Parse(const wchar_t* code, DWORD cookie);

    com_ptr<IActiveScriptParse> parser_;
    com_ptr<IActiveScript> engine_;
    com_ptr<IDispatch> dispatch_;
    com_ptr<IDispatchEx> global_;  // the same object, for forwarding
    com_ptr<NScriptSite> site_;
    NSinkList sinks_;
    bool caseSensitive_ = true;
};
