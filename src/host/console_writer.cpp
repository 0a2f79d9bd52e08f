// WriteOutput: narrow text to the standard streams, through the wide console call
// when they are consoles.
#include "host/console_writer.h"

#include "object/text.h"

#include <windows.h>
#include <io.h>
#include <stdarg.h>

#include <vector>

namespace {
struct ConsoleStream {
    bool checked = false;
    HANDLE console = nullptr;  // null when the stream is not a console
    std::string pending;       // a lead byte waiting for its trail byte
};

ConsoleStream g_streams[2];

// The console state of stdout or stderr, looked up once; null for other streams.
ConsoleStream* ConsoleOf(FILE* stream) {
    ConsoleStream* s = stream == stdout ? &g_streams[0] : stream == stderr ? &g_streams[1] : nullptr;
    if (!s || s->checked) return s && s->console ? s : nullptr;
    s->checked = true;
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) s->console = h;
    return s->console ? s : nullptr;
}

// The length of the part of text made of whole characters of the ANSI code page.
size_t WholeCharacters(const std::string& text) {
    const MultiByteTable& table = NarrowTable();
    size_t i = 0;
    while (i < text.size()) i += table.IsLead(static_cast<uint8_t>(text[i])) ? 2 : 1;
    return i > text.size() ? text.size() - 1 : text.size();
}

bool WriteConsoleText(HANDLE console, const char* data, size_t size) {
    std::wstring wide = ToWide(data, static_cast<int>(size));
    const wchar_t* p = wide.data();
    size_t left = wide.size();
    while (left > 0) {
        DWORD chunk = left > 16384 ? 16384 : static_cast<DWORD>(left), done = 0;
        if (!WriteConsoleW(console, p, chunk, &done, nullptr) || done == 0) return false;
        p += done;
        left -= done;
    }
    return true;
}
}  // namespace

size_t WriteOutput(FILE* stream, const char* data, size_t size) {
    ConsoleStream* console = ConsoleOf(stream);
    if (!console) return fwrite(data, 1, size, stream);
    // Whatever reached the C stream's buffer by other routes goes first.
    fflush(stream);
    std::string text = std::move(console->pending);
    console->pending.clear();
    text.append(data, size);
    size_t whole = WholeCharacters(text);
    console->pending.assign(text, whole, std::string::npos);
    if (whole > 0 && !WriteConsoleText(console->console, text.data(), whole)) return 0;
    return size;
}

void PrintOutput(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = _vscprintf(format, copy);
    va_end(copy);
    if (n > 0) {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        _vsnprintf(buf.data(), buf.size(), format, args);
        WriteOutput(stream, buf.data(), static_cast<size_t>(n));
    }
    va_end(args);
}
