// SourceFileTable: the process-wide file names behind the engine's source context cookies.
#pragma once

#include <string>

namespace SourceFileTable {
// The cookie (1-based) of a lower-cased file name, adding the name if it is new.
unsigned long CookieOf(const std::string& name);
// The file name of a cookie; empty for 0 and for cookies beyond the table.
std::string NameOf(unsigned long cookie);
}  // namespace SourceFileTable
