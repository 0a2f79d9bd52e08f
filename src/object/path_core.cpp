// Path prefixes and separators.
#include "object/path_core.h"

size_t PathPrefixLength(const std::string& p) {
    if (p.size() >= 2 && p[1] == ':') return 2;
    if (p.size() >= 2 && (p[0] == '\\' || p[0] == '/') && (p[1] == '\\' || p[1] == '/')) {
        size_t i = 2, parts = 0;
        while (i < p.size() && parts < 2) {
            if (p[i] == '\\' || p[i] == '/') ++parts;
            if (parts < 2) ++i;
        }
        return i;
    }
    return 0;
}

size_t PathNameStart(const std::string& p, const MultiByteTable& narrow) {
    size_t start = PathPrefixLength(p);
    size_t name = start;
    for (size_t i = start; i < p.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (narrow.IsLead(c)) { ++i; continue; }
        if (c == '\\' || c == '/') name = i + 1;
    }
    return name;
}
