// Fuzzes the command-line words: the input split at NUL bytes, after the program's own
// name. Options (h and t, either case, after "-" or "/") come first; the first other
// word is the script and every word after it is the script's, as it stands.
#include "app/command_line_core.h"
#include "check.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::vector<std::string> words{"kova.exe", ""};
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    if (size == 0) words.pop_back();
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    StartupOptions options;
    const bool ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), options);

    size_t first = 1;  // the first word that is no option
    bool badOption = false, talk = false;
    std::string host;
    for (; first < words.size() && (words[first][0] == '-' || words[first][0] == '/'); ++first) {
        const char c = words[first][1] | 0x20;
        if (c == 'h') host = words[first].substr(2);
        else if (c == 't') talk = true;
        else { badOption = true; break; }
    }
    Check(options.hostName == host && options.talk == talk);
    if (badOption) {
        Check(!ok && options.scriptPath.empty() && options.scriptOptions.empty());
        return 0;
    }
    if (first == words.size()) {
        Check(options.scriptPath.empty() && options.scriptOptions.empty() && ok == talk);
        return 0;
    }
    Check(options.scriptPath == words[first]);
    Check(ok == (talk || !words[first].empty()));
    Check(options.scriptOptions.size() == words.size() - first - 1);
    for (size_t i = 0; i < options.scriptOptions.size(); ++i) Check(options.scriptOptions[i] == words[first + 1 + i]);
    return 0;
}
