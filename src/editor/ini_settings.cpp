// Settings through the platform's private profile functions.
#include "editor/ini_settings.h"

#include "object/text.h"
#include "window/nwindow.h"

std::string resolveIniPath(const std::string& name) {
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string path(program, length < MAX_PATH ? length : 0);
    // The folder with its final separator.
    const std::string folder = path.substr(0, path.size() - FileNamePart(path).size());
    if (name.empty()) return folder + ProgramBaseName() + ".ini";
    return FileNamePart(name) == name ? folder + name : name;
}

std::string readIniString(const std::string& path, const char* key, const std::string& fallback,
                          const char* section) {
    std::string buffer(64, '\0');
    for (;;) {
        const DWORD got = GetPrivateProfileStringA(section, key, fallback.c_str(), &buffer[0],
                                                   static_cast<DWORD>(buffer.size()), path.c_str());
        if (got < buffer.size() - 1) {
            buffer.resize(got);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

int32_t readIniInt(const std::string& path, const char* key, int32_t fallback, const char* section) {
    const std::string text = readIniString(path, key, std::string(), section);
    return text.empty() ? fallback : ParseIniDecimal(text);
}

uint32_t readIniHex(const std::string& path, const char* key, uint32_t fallback, const char* section) {
    const std::string text = readIniString(path, key, std::string(), section);
    return text.empty() ? fallback : ParseIniHex(text);
}

bool writeIniString(const std::string& path, const char* key, const std::string& value, const char* section) {
    return WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != FALSE;
}
