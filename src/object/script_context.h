// What the object model asks of the script context that owns its objects. The context
// (NScript) sits above this layer, made of an engine, a site and named host objects, so
// the object model holds it only by pointer and asks through these functions, which
// the context defines.
#pragma once

#include <windows.h>
#include <dispex.h>

#include <string>

class NScript;

// Whether member names compare case-sensitively (false under VBScript).
bool ScriptCaseSensitive(const NScript* script);
// The engine's global object, or null before the engine runs.
IDispatchEx* ScriptGlobalObject(const NScript* script);
// A new reference to the script's global of that name (its Array constructor, say),
// or null.
IDispatch* ScriptObject(NScript* script, const std::string& name);
// Whether an error the engine meets in a call the host makes into it goes back to the
// host's caller instead of being reported; returns the previous setting.
bool SetScriptErrorsToCaller(NScript* script, bool on);
// Sets the engine's own error state to the status where the engine keeps one that the
// script reads (VBScript's Err); nothing elsewhere.
void ScriptRecordError(NScript* script, HRESULT status);

// The engine's own error for a host status, as the engines raise it for automation
// objects: its number (0x800A0000 plus the engine's number) and standard text; false
// when the engine has none.
bool ScriptStandardError(const NScript* script, HRESULT status, HRESULT* number, std::string* text);

// Routes engine errors for as long as it lives. On while the host makes a call into
// the engine that belongs to the script's own call into the host (its failure goes
// back to the script, whose try or On Error may catch it); off inside every call of
// the script into the host, so that event handlers run from there report as ever.
class ScriptErrorsToCaller {
public:
    ScriptErrorsToCaller(NScript* script, bool on) : script_(script), was_(script && SetScriptErrorsToCaller(script, on)) {}
    ~ScriptErrorsToCaller() {
        if (script_) SetScriptErrorsToCaller(script_, was_);
    }
    ScriptErrorsToCaller(const ScriptErrorsToCaller&) = delete;
    ScriptErrorsToCaller& operator=(const ScriptErrorsToCaller&) = delete;

private:
    NScript* script_;
    bool was_;
};
