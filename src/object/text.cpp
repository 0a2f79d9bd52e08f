// Narrow text conversions; the ANSI code page may be a double-byte one.
#include "object/text.h"

#include "object/path_core.h"

#include <mbstring.h>
#include <string.h>

namespace {
MultiByteTable LeadRangesOf(const CPINFO& info) {
    MultiByteTable t{};
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
        for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) t.lead[b] = true;
    }
    for (int b = 0x40; b <= 0xFE; ++b) t.trail[b] = b != 0x7F;
    return t;
}

const MultiByteTable& MakeNarrowTable() {
    if (GetACP() == 932) return ShiftJisTable();
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize < 2) return SingleByteTable();
    static const MultiByteTable table = LeadRangesOf(info);
    return table;
}
}  // namespace

const MultiByteTable& NarrowTable() {
    static const MultiByteTable& table = MakeNarrowTable();
    return table;
}

std::string ToNarrow(const wchar_t* s, int len) {
    if (!s) return std::string();
    if (len < 0) len = static_cast<int>(wcslen(s));
    if (len == 0) return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, s, len, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, s, len, &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring ToWide(const char* s, int len) {
    if (!s) return std::wstring();
    if (len < 0) len = static_cast<int>(strlen(s));
    if (len == 0) return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, s, len, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, s, len, &out[0], n);
    return out;
}

BSTR NewBstr(const std::string& s) {
    int len = static_cast<int>(s.size());
    int n = len ? MultiByteToWideChar(CP_ACP, 0, s.data(), len, nullptr, 0) : 0;
    BSTR b = SysAllocStringLen(nullptr, static_cast<UINT>(n));
    if (b && n > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), len, b, n);
    return b;
}

void LowerNarrow(std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (IsDBCSLeadByte(c)) {
            ++i;  // the trail byte may look like a letter
        } else if (c >= 'A' && c <= 'Z') {
            s[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
}

bool EqualsNoCase(const char* a, const char* b) {
    return _stricmp(a, b) == 0;
}

std::string FileNamePart(const std::string& path) {
    return path.substr(PathNameStart(path, NarrowTable()));
}

std::string DirectoryPart(const std::string& path) {
    size_t name = PathNameStart(path, NarrowTable());
    size_t prefix = PathPrefixLength(path);
    if (name <= prefix) return path.substr(0, prefix);
    return path.substr(0, name - 1);
}

std::string CrLfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string LfToCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}
