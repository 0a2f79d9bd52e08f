// Narrow (ANSI code page) text and its conversions to and from engine strings.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "object/multibyte.h"

// The narrow character set's lead and trail bytes (the ANSI code page's).
const MultiByteTable& NarrowTable();

// Narrow text from a wide string of a known length (or up to its NUL when len < 0).
std::string ToNarrow(const wchar_t* s, int len = -1);
// Wide string from narrow text of a known length (or up to its NUL when len < 0).
std::wstring ToWide(const char* s, int len = -1);
inline std::wstring ToWide(const std::string& s) { return ToWide(s.data(), static_cast<int>(s.size())); }
// A new BSTR holding the narrow text; the caller owns it.
BSTR NewBstr(const std::string& s);

// Lower-cases single-byte letters in place, stepping over double-byte characters
// of the ANSI code page so that their trail bytes are left alone.
void LowerNarrow(std::string& s);
// Case-insensitive comparison of single-byte letters, the way _stricmp does it.
bool EqualsNoCase(const char* a, const char* b);

// Line ends: CR LF pairs become LF (a lone CR stays); LF becomes CR LF (every one, so
// an existing CR LF becomes CR CR LF).
std::string CrLfToLf(const std::string& text);
std::string LfToCrLf(const std::string& text);

// The file-name part of a path: after any drive or share prefix and the last separator.
std::string FileNamePart(const std::string& path);
// The drive-and-directory part: everything before the last separator.
std::string DirectoryPart(const std::string& path);
