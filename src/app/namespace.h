// The script's global namespace: __global, Script and every global name of the host.
#pragma once

#include <string>
#include <vector>

class NScript;

// The text of Script.version.
extern const char* const VersionText;

// Registers everything once, after the engine is initialised and before any script
// text is parsed. The engine's answers are not checked. scriptPath is the script file
// as given (empty in talk mode without one).
void RegisterNamespace(NScript* script, const std::string& hostName, const std::vector<std::string>& options,
                       const std::string& scriptPath);
