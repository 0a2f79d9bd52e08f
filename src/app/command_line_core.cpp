// Command-line parsing: options end at the first word that is not one.
#include "app/command_line_core.h"

bool ParseCommandLine(int argc, const char* const* argv, StartupOptions& options) {
    int i = 1;
    for (; i < argc && (argv[i][0] == '-' || argv[i][0] == '/'); ++i) {
        char c = argv[i][1];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == 'h') options.hostName = argv[i] + 2;
        else if (c == 't') options.talk = true;
        else return false;  // includes a lone "-" or "/"
    }
    if (i < argc) {
        options.scriptPath = argv[i++];
        for (; i < argc; ++i) options.scriptOptions.push_back(argv[i]);
    }
    return options.talk || !options.scriptPath.empty();
}
