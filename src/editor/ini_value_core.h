// The numbers of the editor's settings file, read from their text. Free of platform
// headers.
#pragma once

#include <stdint.h>

#include <string>

// Decimal: leading digits (0 when none), as atoi reads them.
int32_t ParseIniDecimal(const std::string& text);
// Hexadecimal: the hex digits of the text, any other character skipped; wraps to 32 bits.
uint32_t ParseIniHex(const std::string& text);
