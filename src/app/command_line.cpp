// The engine choice, the program name and the usage text.
#include "app/command_line.h"

#include "object/text.h"

#include "kova_version.h"

const char* const ProductBanner =
    "KOVA - console script host ver" KOVA_VERSION ",\n"
    "  by the KOVA developers";

std::string ChooseEngine(const StartupOptions& options) {
    if (!options.hostName.empty()) return options.hostName;
    std::string name = FileNamePart(options.scriptPath);
    size_t dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    LowerNarrow(ext);
    return (ext == "vb" || ext == "vbs") ? "VBScript" : "JavaScript";
}

std::string ProgramName(const std::string& argv0) {
    std::string name = FileNamePart(argv0);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::string UsageText(const std::string& programName) {
    return std::string(ProductBanner) + "\nUsage: " + programName +
           " [options] [script [script options]]\n\n<options>\n"
           "    -h<hostname> : select scripting host name\n"
           "    -t           : talk mode (supported only JScript)\n";
}
