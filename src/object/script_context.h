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
