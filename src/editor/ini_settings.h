// Settings in a private profile file next to the program.
#pragma once

#include <windows.h>

#include <stdint.h>

#include <string>

#include "editor/ini_value_core.h"

// The settings file's path: with no name, the program's own path with ".ini" for its
// extension; a bare file name goes into the program's folder; any other path as given.
std::string resolveIniPath(const std::string& name = std::string());

// The value of key in section of the file, or fallback when the key is missing.
std::string readIniString(const std::string& path, const char* key, const std::string& fallback,
                          const char* section = "Default");
// Decimal: leading digits (0 when none); fallback when the key is missing or empty.
int32_t readIniInt(const std::string& path, const char* key, int32_t fallback, const char* section = "Default");
// Hexadecimal: the hex digits of the value, any other character skipped.
uint32_t readIniHex(const std::string& path, const char* key, uint32_t fallback, const char* section = "Default");
bool writeIniString(const std::string& path, const char* key, const std::string& value, const char* section = "Default");
