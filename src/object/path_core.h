// Where a path's parts begin, stepping over double-byte characters of a narrow set.
// Free of platform headers.
#pragma once

#include <stddef.h>

#include <string>

#include "object/multibyte.h"

// Length of a drive ("C:") or share ("\\server\share") prefix; 0 when there is none.
size_t PathPrefixLength(const std::string& path);
// Position after the prefix and the last separator ('\' or '/'): where the file name
// begins. A separator byte that trails a lead byte is part of its character.
size_t PathNameStart(const std::string& path, const MultiByteTable& narrow);
