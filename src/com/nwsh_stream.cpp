// NWshStream: reads and writes the standard streams in the ANSI code page, through
// the same reader as stdin.gets and the same writer as print, counting lines and
// columns as it goes.
#include "com/nwsh_stream.h"

#include "data/nfile.h"
#include "host/console_writer.h"
#include "object/dispatch_helpers.h"
#include "object/text.h"

namespace {
// Errors of the stock host's text streams, as the engines number them.
constexpr HRESULT kBadFileMode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 54);
constexpr HRESULT kBadFileNumber = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 52);
constexpr HRESULT kPastEnd = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 62);

HRESULT CountArgument(const com_var& value, LONG* count) {
    HRESULT hr = AutomationLong(value, count);
    if (SUCCEEDED(hr) && *count < 0) hr = E_INVALIDARG;
    return hr;
}
}  // namespace

const MethodInfo<NWshStream> NWshStream::methodList[] = {
    {"Write", 1, 1, &NWshStream::Write},
    {"WriteLine", 0, 1, &NWshStream::WriteLine},
    {"WriteBlankLines", 1, 1, &NWshStream::WriteBlankLines},
    {"Read", 1, 1, &NWshStream::Read},
    {"ReadLine", 0, 0, &NWshStream::ReadLine},
    {"ReadAll", 0, 0, &NWshStream::ReadAll},
    {"Skip", 1, 1, &NWshStream::Skip},
    {"SkipLine", 0, 0, &NWshStream::SkipLine},
    {"Close", 0, 0, &NWshStream::Close},
};
const MemberTable<MethodInfo<NWshStream>> NWshStream::methods{methodList};
const PropertyInfo<NWshStream> NWshStream::propertyList[] = {
    {"AtEndOfStream", &NWshStream::GetAtEndOfStream, nullptr},
    {"AtEndOfLine", &NWshStream::GetAtEndOfLine, nullptr},
    {"Line", &NWshStream::GetLine, nullptr},
    {"Column", &NWshStream::GetColumn, nullptr},
};
const MemberTable<PropertyInfo<NWshStream>> NWshStream::properties{propertyList};

NWshStream::NWshStream(NScript* script, FILE* stream) : NMembers(script), stream_(stream), reading_(stream == stdin) {}

HRESULT NWshStream::Usable(bool reading) const {
    if (closed_) return kBadFileNumber;
    return reading == reading_ ? S_OK : kBadFileMode;
}

void NWshStream::Advance(const std::string& text) {
    const MultiByteTable& table = NarrowTable();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line_;
            column_ = 1;
            continue;
        }
        if (table.IsLead(static_cast<uint8_t>(text[i]))) ++i;
        ++column_;
    }
}

HRESULT NWshStream::Output(const std::string& text) {
    HRESULT hr = Usable(false);
    if (FAILED(hr)) return hr;
    WriteOutput(stream_, text);
    Advance(text);
    return S_OK;
}

HRESULT NWshStream::Write(ArgList& args, com_var&) {
    std::string text;
    HRESULT hr = AutomationText(args[0], &text);
    return FAILED(hr) ? hr : Output(text);
}

HRESULT NWshStream::WriteLine(ArgList& args, com_var&) {
    std::string text;
    if (!args.empty()) {
        HRESULT hr = AutomationText(args[0], &text);
        if (FAILED(hr)) return hr;
    }
    return Output(text + '\n');
}

HRESULT NWshStream::WriteBlankLines(ArgList& args, com_var&) {
    LONG count = 0;
    HRESULT hr = CountArgument(args[0], &count);
    return FAILED(hr) ? hr : Output(std::string(static_cast<size_t>(count), '\n'));
}

int NWshStream::Peek() {
    StreamLock lock(stream_);
    int c = _getc_nolock(stream_);
    if (c != EOF) ungetc(c, stream_);  // the lock is re-entrant
    return c;
}

std::string NWshStream::ReadCharacters(LONG count) {
    const MultiByteTable& table = NarrowTable();
    std::string text;
    StreamLock lock(stream_);
    for (LONG i = 0; i < count; ++i) {
        int c = _getc_nolock(stream_);
        if (c == EOF) break;
        text.push_back(static_cast<char>(c));
        if (table.IsLead(static_cast<uint8_t>(c)) && (c = _getc_nolock(stream_)) != EOF)
            text.push_back(static_cast<char>(c));
    }
    Advance(text);
    return text;
}

bool NWshStream::ReadOneLine(std::string* line) {
    if (!ReadLineBytes(stream_, *line)) return false;
    ++line_;
    column_ = 1;
    if (!line->empty() && line->back() == '\n') line->pop_back();
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return true;
}

HRESULT NWshStream::Read(ArgList& args, com_var& result) {
    LONG count = 0;
    HRESULT hr = CountArgument(args[0], &count);
    if (SUCCEEDED(hr)) hr = Usable(true);
    if (FAILED(hr)) return hr;
    if (Peek() == EOF) return kPastEnd;
    result = com_var(ReadCharacters(count));
    return S_OK;
}

HRESULT NWshStream::ReadLine(ArgList&, com_var& result) {
    HRESULT hr = Usable(true);
    if (FAILED(hr)) return hr;
    std::string line;
    if (!ReadOneLine(&line)) return kPastEnd;
    result = com_var(line);
    return S_OK;
}

HRESULT NWshStream::ReadAll(ArgList&, com_var& result) {
    HRESULT hr = Usable(true);
    if (FAILED(hr)) return hr;
    std::string text;
    char buf[65536];
    for (size_t n; (n = fread(buf, 1, sizeof buf, stream_)) > 0;) text.append(buf, n);
    if (text.empty()) return kPastEnd;
    Advance(text);
    result = com_var(text);
    return S_OK;
}

HRESULT NWshStream::Skip(ArgList& args, com_var&) {
    LONG count = 0;
    HRESULT hr = CountArgument(args[0], &count);
    if (SUCCEEDED(hr)) hr = Usable(true);
    if (FAILED(hr)) return hr;
    if (count > 0 && Peek() == EOF) return kPastEnd;
    ReadCharacters(count);
    return S_OK;
}

HRESULT NWshStream::SkipLine(ArgList&, com_var&) {
    HRESULT hr = Usable(true);
    if (FAILED(hr)) return hr;
    std::string line;
    return ReadOneLine(&line) ? S_OK : kPastEnd;
}

// The standard stream itself stays open: print and the stdin object still use it.
HRESULT NWshStream::Close(ArgList&, com_var&) {
    if (!reading_) fflush(stream_);
    closed_ = true;
    return S_OK;
}

HRESULT NWshStream::GetAtEndOfStream(com_var& value) {
    HRESULT hr = Usable(true);
    if (FAILED(hr)) return hr;
    value = com_var(Peek() == EOF);
    return S_OK;
}

HRESULT NWshStream::GetAtEndOfLine(com_var& value) {
    HRESULT hr = Usable(true);
    if (FAILED(hr)) return hr;
    int c = Peek();
    value = com_var(c == EOF || c == '\n' || c == '\r');
    return S_OK;
}

HRESULT NWshStream::GetLine(com_var& value) {
    value = com_var(static_cast<double>(line_));
    return S_OK;
}

HRESULT NWshStream::GetColumn(com_var& value) {
    value = com_var(static_cast<double>(column_));
    return S_OK;
}
