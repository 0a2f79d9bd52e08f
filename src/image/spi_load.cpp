// Image plug-ins: the registry setting, the folder listing, and the calls, each made
// through a fault guard since a plug-in is foreign code.
#include "image/spi_load.h"

#include <string.h>

#include "host/fault_guard.h"
#include "image/dib32.h"
#include "image/file_bytes.h"
#include "image/plugin_bitmap.h"

namespace {
constexpr char kPluginKey[] = "Software\\Kiriyama\\Susie\\Plug-in";
// GetPicture's flag: the data is the file's bytes in memory.
constexpr unsigned kDataInMemory = 1;

// Patterns of plug-in file names. A 64-bit process also takes the ".sph" files that
// 64-bit plug-ins are usually named with; a DLL of the other width fails to load.
const char* const kPatterns[] = {
    "\\*.spi",
#ifdef _WIN64
    "\\*.sph",
#endif
};

// The folder the registry names; empty when there is none.
std::string PluginFolder() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPluginKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::string();
    unique_handle<HKEY, RegCloseKey> owned(key);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, "Path", nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return std::string();
    std::string text(size, '\0');
    if (RegQueryValueExA(key, "Path", nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size) != ERROR_SUCCESS)
        return std::string();
    text.resize(strnlen(text.data(), size));
    return text;
}

template <class F>
F Entry(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Local memory a plug-in allocated, freed on every path, and locked while it is read.
using local_memory = unique_handle<HLOCAL, LocalFree>;

class LockedLocal {
public:
    explicit LockedLocal(HLOCAL memory)
        : memory_(memory), data_(static_cast<const uint8_t*>(::LocalLock(memory))), size_(LocalSize(memory)) {}
    LockedLocal(const LockedLocal&) = delete;
    LockedLocal& operator=(const LockedLocal&) = delete;
    ~LockedLocal() {
        if (data_) LocalUnlock(memory_);
    }
    const uint8_t* data() const { return data_; }
    size_t size() const { return data_ ? size_ : 0; }

private:
    HLOCAL memory_;
    const uint8_t* data_;
    size_t size_;
};
}  // namespace

SPIInfo::SPIInfo(std::string path) : module_(LoadLibraryA(path.c_str())), path_(std::move(path)) {
    if (!module_) return;
    getPluginInfo_ = GetProcAddress(module_.get(), "GetPluginInfo");
    isSupported_ = Entry<IsSupportedFn>(module_.get(), "IsSupported");
    getPicture_ = Entry<GetPictureFn>(module_.get(), "GetPicture");
}

bool SPIInfo::supports(const std::string& fileName, const uint8_t (&head)[kPluginHeadBytes]) const {
    if (!usable()) return false;
    int answer = 0;
    const bool returned = CallGuarded([&] {
        answer = isSupported_(fileName.c_str(), const_cast<uint8_t*>(head));
    });
    return returned && answer != 0;
}

bool SPIInfo::decode(const uint8_t* data, size_t size, dib32& buffer) const {
    if (!usable() || size > static_cast<size_t>(INTPTR_MAX)) return false;
    HLOCAL info = nullptr, bits = nullptr;
    int result = -1;
    const bool returned = CallGuarded([&] {
        result = getPicture_(reinterpret_cast<LPCSTR>(data), static_cast<LONG_PTR>(size), kDataInMemory, &info, &bits,
                             nullptr, 0);
    });
    // After a fault the outputs may be anything: they are left alone.
    if (!returned) return false;
    const local_memory ownedInfo(info), ownedBits(bits);
    if (result != 0 || !info || !bits) return false;
    const LockedLocal infoBytes(info), bitBytes(bits);
    return ConvertPluginBitmap(infoBytes.data(), infoBytes.size(), bitBytes.data(), bitBytes.size(), buffer);
}

SPILoad& SPILoad::instance() {
    static SPILoad plugins;
    return plugins;
}

void SPILoad::scan() {
    plugins_.clear();
    scanned_ = true;
    const std::string folder = PluginFolder();
    if (folder.empty()) return;
    for (const char* pattern : kPatterns) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        const unique_handle<HANDLE, FindClose> owned(search);
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            plugins_.push_back(std::make_unique<SPIInfo>(folder + "\\" + found.cFileName));
        } while (FindNextFileA(search, &found));
    }
}

const SPIInfo* SPILoad::find(const std::string& fileName) {
    if (!scanned_) scan();
    if (plugins_.empty()) return nullptr;
    uint8_t head[kPluginHeadBytes] = {};
    {
        FileSource file(fileName.c_str());
        if (!file.ok()) return nullptr;
        file.read(head, sizeof head);
    }
    for (const auto& plugin : plugins_) {
        if (plugin->supports(fileName, head)) return plugin.get();
    }
    return nullptr;
}

bool SPILoad::load(const std::string& fileName, dib32& buffer) {
    const SPIInfo* plugin = find(fileName);
    if (!plugin) return false;
    FileBytes bytes;
    return bytes.read(fileName.c_str()) && plugin->decode(bytes.data(), bytes.size(), buffer);
}
