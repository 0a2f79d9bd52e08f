// The command line: options, the script path and the script's own options.
#pragma once

#include <string>
#include <vector>

struct StartupOptions {
    std::string hostName;  // engine ProgID from -h, or chosen by ChooseEngine
    bool talk = false;
    std::string scriptPath;  // exactly as typed
    std::vector<std::string> scriptOptions;
};

// Two lines naming the product; printed by the usage text and the talk-mode help.
extern const char* const ProductBanner;

// False when the words ask for the usage text (a bad option, or nothing to run).
bool ParseCommandLine(int argc, const char* const* argv, StartupOptions& options);
// The engine: the -h name if one was given, else JavaScript, or VBScript for .vb/.vbs files.
std::string ChooseEngine(const StartupOptions& options);
// The program's own name: the file-name part of the first word without its extension.
std::string ProgramName(const std::string& argv0);
std::string UsageText(const std::string& programName);
