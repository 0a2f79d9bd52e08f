// Fuzzes the path splitting with any bytes, under the Shift_JIS and the single-byte
// table. The prefix comes before the file name; a file name holds no separator but a
// trail byte of a double-byte character; the directory part ends at a separator.
#include "check.h"
#include "object/path_core.h"

#include <string>

namespace {
bool Separator(char c) { return c == '\\' || c == '/'; }

void Run(const std::string& path, const MultiByteTable& narrow) {
    const size_t prefix = PathPrefixLength(path);
    const size_t name = PathNameStart(path, narrow);
    Check(prefix <= name && name <= path.size());
    if (path.size() >= 2 && path[1] == ':') {
        Check(prefix == 2);
    } else if (path.size() >= 2 && Separator(path[0]) && Separator(path[1])) {
        // "\\server\share": one separator between the server and the share
        Check(prefix >= 2 && (prefix == path.size() || Separator(path[prefix])));
        size_t inner = 0;
        for (size_t i = 2; i < prefix; ++i) inner += Separator(path[i]);
        Check(inner <= 1 && (prefix == path.size() || inner == 1));
    } else {
        Check(prefix == 0);
    }
    if (name > prefix) Check(Separator(path[name - 1]));
    for (size_t i = name; i < path.size(); ++i) {
        if (narrow.IsLead(static_cast<uint8_t>(path[i]))) ++i;
        else Check(!Separator(path[i]));
    }
    if (&narrow == &SingleByteTable()) {
        for (size_t i = name; i < path.size(); ++i) Check(!Separator(path[i]));
        // with no double-byte characters, the name starts after the last separator
        const size_t last = path.find_last_of("\\/");
        Check(name == (last == std::string::npos || last < prefix ? prefix : last + 1));
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    Run(path, ShiftJisTable());
    Run(path, SingleByteTable());
    return 0;
}
