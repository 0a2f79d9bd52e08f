// SourceFileTable: an append-only list that lives until the process ends.
#include "host/source_file_table.h"

#include <vector>

namespace {
std::vector<std::string>& Names() {
    static std::vector<std::string>* names = new std::vector<std::string>;
    return *names;
}
}  // namespace

unsigned long SourceFileTable::CookieOf(const std::string& name) {
    std::vector<std::string>& names = Names();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<unsigned long>(i + 1);
    names.push_back(name);
    return static_cast<unsigned long>(names.size());
}

std::string SourceFileTable::NameOf(unsigned long cookie) {
    std::vector<std::string>& names = Names();
    if (cookie == 0 || cookie > names.size()) return std::string();
    return names[cookie - 1];
}
