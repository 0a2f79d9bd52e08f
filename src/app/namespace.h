// The script's global namespace: __global, Script and every global name of the host.
#pragma once

#include <string>
#include <vector>

class NScript;

// The text of Script.version.
extern const char* const VersionText;

// The engines a global name is registered for: every one, or only the engine named
// "JavaScript" or "VBScript".
enum class Engine { Any, JScript, VBScript };

struct GlobalName {
    const char* name;
    Engine engine;
};

// Every global name, in registration order: Script first, then the functions, classes
// and objects that are also members of Script.
std::vector<GlobalName> GlobalNames();
// The values Script holds besides the global names.
std::vector<const char*> ScriptValueNames();

// Registers everything once, after the engine is initialised and before any script
// text is parsed. The engine's answers are not checked. scriptPath is the script file
// as given (empty in talk mode without one).
void RegisterNamespace(NScript* script, const std::string& hostName, const std::vector<std::string>& options,
                       const std::string& scriptPath);
