// The command line: the engine it chooses, the program name and the usage text.
#pragma once

#include <string>

#include "app/command_line_core.h"

// Two lines naming the product; printed by the usage text and the talk-mode help.
extern const char* const ProductBanner;

// The engine: the -h name if one was given, else JavaScript, or VBScript for .vb/.vbs files.
std::string ChooseEngine(const StartupOptions& options);
// The program's own name: the file-name part of the first word without its extension.
std::string ProgramName(const std::string& argv0);
std::string UsageText(const std::string& programName);
