// Image plug-ins: decoder DLLs that follow the Susie plug-in interface, found in the
// folder the registry names, for pictures of formats the host does not read itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "object/handles.h"

class dib32;

// The head of a file that plug-ins are shown to decide whether they read it.
constexpr size_t kPluginHeadBytes = 2048;

// One plug-in DLL, loaded for the life of the process. A file that did not load, or
// lacks an entry point, stays in the list and is never asked.
class SPIInfo {
public:
    explicit SPIInfo(std::string path);

    bool usable() const { return isSupported_ && getPicture_; }
    const std::string& path() const { return path_; }
    // True when the plug-in says it reads the file; a fault inside it is a no.
    bool supports(const std::string& fileName, const uint8_t (&head)[kPluginHeadBytes]) const;
    // Decodes the file's bytes into the buffer; false on any failure, a fault included.
    bool decode(const uint8_t* data, size_t size, dib32& buffer) const;

private:
    using IsSupportedFn = int(WINAPI*)(LPCSTR fileName, void* head);
    using GetPictureFn = int(WINAPI*)(LPCSTR data, LONG_PTR size, unsigned flags, HLOCAL* info, HLOCAL* bits,
                                      FARPROC progress, LONG_PTR user);

    unique_handle<HMODULE, FreeLibrary> module_;
    FARPROC getPluginInfo_ = nullptr;  // looked up, never called
    IsSupportedFn isSupported_ = nullptr;
    GetPictureFn getPicture_ = nullptr;
    std::string path_;
};

// The plug-ins of the process: the folder is listed once, at the first use, and the
// list is kept until the process ends.
class SPILoad {
public:
    static SPILoad& instance();

    // True when a plug-in decoded the file into the buffer.
    bool load(const std::string& fileName, dib32& buffer);
    // The first plug-in that reads the file, or null.
    const SPIInfo* find(const std::string& fileName);
    void scan();

private:
    std::vector<std::unique_ptr<SPIInfo>> plugins_;
    bool scanned_ = false;
};
