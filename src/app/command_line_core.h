// The words of the command line: options, the script path and the script's own
// options. Free of platform headers.
#pragma once

#include <string>
#include <vector>

struct StartupOptions {
    std::string hostName;  // engine ProgID from -h, or chosen by ChooseEngine
    bool talk = false;
    std::string scriptPath;  // exactly as typed
    std::vector<std::string> scriptOptions;
};

// False when the words ask for the usage text (a bad option, or nothing to run).
bool ParseCommandLine(int argc, const char* const* argv, StartupOptions& options);
