// NFile and NFileClass: text lines in six encodings and little-endian binary values
// over one C run-time stream, and the File class object's open.
#include "data/nfile.h"

#include "data/binary_array.h"
#include "data/binary_type.h"
#include "globals/encoding.h"
#include "globals/format.h"
#include "host/console_writer.h"
#include "object/nobject_wrap.h"

#include <fcntl.h>
#include <io.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <vector>


// Whole runs of the stream's buffer are searched and copied at once; the run-time
// library refills it (translating line ends in text mode).
bool ReadLineBytes(FILE* stream, std::string& line) {
    StreamLock lock(stream);
    bool any = false;
#ifndef _UCRT
    for (;;) {
        if (stream->_cnt > 0) {
            const char* start = stream->_ptr;
            const char* lf = static_cast<const char*>(memchr(start, '\n', static_cast<size_t>(stream->_cnt)));
            size_t n = lf ? static_cast<size_t>(lf - start) + 1 : static_cast<size_t>(stream->_cnt);
            line.append(start, n);
            stream->_ptr += n;
            stream->_cnt -= static_cast<int>(n);
            any = true;
            if (lf) return true;
        }
        int c = _filbuf(stream);
        if (c == EOF) return any;
        any = true;
        line.push_back(static_cast<char>(c));
        if (c == '\n') return true;
    }
#else
    for (int c; (c = _getc_nolock(stream)) != EOF;) {
        any = true;
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    return any;
#endif
}

namespace {

// Appends the UTF-16 units of one line as bytes (least significant first). Byte-order
// marks are dropped wherever they stand. In text mode a carriage return ends the line
// as a line feed and swallows the line feed after it; in binary mode a line feed ends
// the line and is kept. An odd final byte is no unit.
void ReadLineUnits(FILE* stream, bool text, std::string& units) {
    StreamLock lock(stream);
    for (;;) {
        int lo = _getc_nolock(stream);
        if (lo == EOF) return;
        int hi = _getc_nolock(stream);
        if (hi == EOF) return;
        unsigned unit = static_cast<unsigned>(lo) | (static_cast<unsigned>(hi) << 8);
        if (unit == 0xFEFF || unit == 0xFFFE) continue;
        if (text && unit == 13) {
            units.append("\n\0", 2);
            lo = _getc_nolock(stream);
            if (lo == EOF) return;
            hi = _getc_nolock(stream);
            if (hi == EOF) return;
            // A carriage return on its own (old Mac line ends) must not cost the first
            // character of the next line.
            if (lo != 10 || hi != 0) fseek(stream, -2, SEEK_CUR);
            return;
        }
        units.push_back(static_cast<char>(lo));
        units.push_back(static_cast<char>(hi));
        if (!text && unit == 10) return;
    }
}

// Name, mode and encoding of the constructor and of File.open, with their defaults.
struct OpenInfo {
    std::string name;
    std::string mode = "r";
    int encoding = kEncodingSjis;
};

OpenInfo OpenArguments(const ArgList& args) {
    OpenInfo info;
    info.name = args[0].ToText();
    if (args.count() > 1) info.mode = args[1].ToText();
    if (args.count() > 2) info.encoding = EncodingCode(args[2].ToText());
    return info;
}

// Largest number of values fetched by one fread of read(count).
constexpr size_t kReadChunk = 8192;
}  // namespace

NFile::NFile(NScript* script) : NMembers(script) {}
NFile::NFile(NScript* script, FILE* stream)
    : NMembers(script), encoding_(kEncodingAscii), readable_(stream == stdin), writable_(stream != stdin),
      stream_(stream) {}
NFile::~NFile() { CloseStream(); }

const MethodInfo<NFile> NFile::methodList[] = {
    {"gets", 0, 0, &NFile::Gets},
    {"puts", 1, 1, &NFile::Puts},
    {"print", kAnyCount, kAnyCount, &NFile::Print},
    {"printf", kAnyCount, kAnyCount, &NFile::Printf},
    {"read", 1, 2, &NFile::Read},
    {"write", 1, 2, &NFile::Write},
    {"rewind", 0, 0, &NFile::Rewind},
    {"close", 0, 0, &NFile::Close},
};
const MemberTable<MethodInfo<NFile>> NFile::methods(methodList);
const PropertyInfo<NFile> NFile::propertyList[] = {
    {"eof", &NFile::GetEof, nullptr},
};
const MemberTable<PropertyInfo<NFile>> NFile::properties(propertyList);

NObjectWrap* NFile::Create(ArgList& args, com_var&) {
    if (args.count() < 1 || args.count() > 3) return nullptr;
    OpenInfo info = OpenArguments(args);
    if (info.encoding == kEncodingUnknown || !Open(info.name, info.mode, info.encoding)) return nullptr;
    return new NObjectWrap(this);
}

bool NFile::Open(const std::string& name, const std::string& mode, int encoding) {
    CloseStream();
    // A mode that is not one at all is refused here rather than left to the run-time
    // library's invalid-parameter handling.
    if (mode.empty() || (mode[0] != 'r' && mode[0] != 'w' && mode[0] != 'a')) return false;
    FILE* stream = fopen(name.c_str(), mode.c_str());
    if (!stream) return false;
    stream_ = stream;
    owned_ = true;
    encoding_ = encoding;
    text_ = mode.find('b') == std::string::npos;
    append_ = mode[0] == 'a';
    bool update = mode.find('+') != std::string::npos;
    readable_ = mode[0] == 'r' || update;
    writable_ = mode[0] != 'r' || update;
    last_ = Direction::None;
    atStart_ = true;
    // UTF-16 line ends are translated unit by unit; the run-time's byte-level text mode
    // would end the text at any 0x1A byte (U+5C1A and many more) and merge 0x0D 0x0A
    // byte pairs that straddle two units, so such streams carry bytes untouched.
    if (encoding_ == kEncodingUtf16) _setmode(_fileno(stream_), _O_BINARY);
    return true;
}

void NFile::CloseStream() {
    if (stream_ && owned_) fclose(stream_);
    stream_ = nullptr;
}

// The run-time library's buffer serves one direction at a time: reading from a stream
// opened only for writing, or the other way round, would take or overwrite whatever
// the buffer holds and report success.
bool NFile::BeginRead() {
    if (!readable_) return false;
    atStart_ = false;
    if (last_ == Direction::Write) fseek(stream_, 0, SEEK_CUR);
    last_ = Direction::Read;
    return true;
}

bool NFile::BeginWrite() {
    if (!writable_) return false;
    atStart_ = false;
    if (last_ == Direction::Read) fseek(stream_, 0, SEEK_CUR);
    last_ = Direction::Write;
    return true;
}

std::string NFile::ReadLine() {
    bool first = atStart_;
    if (!BeginRead()) return std::string();
    std::string bytes;
    if (encoding_ == kEncodingUtf16) {
        ReadLineUnits(stream_, text_, bytes);
    } else {
        ReadLineBytes(stream_, bytes);
        // Editors put a byte-order mark before UTF-8 text too; it is no character.
        if (first && encoding_ == kEncodingUtf8 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
        if (encoding_ == kEncodingAscii || encoding_ == kEncodingSjis) return bytes;
    }
    return FromExternal(encoding_, bytes);
}

size_t NFile::WriteText(const std::string& narrow) {
    if (!BeginWrite()) return 0;
    if (encoding_ == kEncodingUtf16) return WriteUtf16(narrow);
    if (encoding_ == kEncodingAscii || encoding_ == kEncodingSjis)
        return WriteOutput(stream_, narrow);
    std::string bytes = ToExternal(encoding_, narrow);
    return WriteOutput(stream_, bytes);
}

size_t NFile::WriteUtf16(const std::string& narrow) {
    std::string units = ToExternal(kEncodingUtf16, narrow);
    size_t count = units.size() / 2;
    // The mark goes only at the very start of the file. A stream opened to append
    // reports position 0 until its first write, whatever the file already holds.
    bool atStart = ftell(stream_) == 0 && (!append_ || _filelengthi64(_fileno(stream_)) == 0);
    std::string out;
    out.reserve(units.size() + units.size() / 8 + 2);
    size_t mark = atStart ? 2 : 0;
    if (atStart) out.append("\xFF\xFE", 2);
    for (size_t i = 0; i < count * 2; i += 2) {
        if (text_ && units[i] == '\n' && units[i + 1] == '\0') out.append("\r\0", 2);
        out.append(units, i, 2);
    }
    size_t written = WriteOutput(stream_, out);
    if (written == out.size()) return count;
    // A short write answers the units that reached the stream whole.
    size_t done = 0;
    for (size_t pos = mark, i = 0; i < count * 2; i += 2, ++done) {
        pos += (text_ && units[i] == '\n' && units[i + 1] == '\0') ? 4 : 2;
        if (pos > written) break;
    }
    return done;
}

HRESULT NFile::Gets(ArgList&, com_var& result) {
    if (!stream_) return S_OK;
    result = com_var(ReadLine());
    return S_OK;
}

HRESULT NFile::Puts(ArgList& args, com_var& result) {
    if (!stream_) return S_OK;
    if (!args[0].IsString()) return DISP_E_TYPEMISMATCH;
    result = com_var(static_cast<double>(WriteText(args[0].ToText())));
    return S_OK;
}

HRESULT NFile::Print(ArgList& args, com_var&) {
    if (!stream_) return S_OK;
    std::string text;
    for (size_t i = 0; i < args.count(); ++i) text += args[i].ToText();
    text += '\n';
    WriteText(text);
    return S_OK;
}

HRESULT NFile::Printf(ArgList& args, com_var&) {
    if (!stream_) return S_OK;
    WriteText(FormatArgs(args));
    return S_OK;
}

HRESULT NFile::Read(ArgList& args, com_var& result) {
    if (!stream_) return S_OK;
    uint8_t value[8];
    if (args.count() == 1 && args[0].IsString()) {
        int code = BinaryTypeOf(args[0]);
        if (code == kBinaryUnknown) return DISP_E_BADVARTYPE;
        size_t size = BinaryTypeSize(code);
        if (BeginRead() && fread(value, 1, size, stream_) == size) result = com_var(ReadBinary(code, value));
        return S_OK;
    }
    int code = args.count() == 2 ? BinaryTypeOf(args[1]) : kBinaryUChar;
    if (code == kBinaryUnknown) return DISP_E_BADVARTYPE;
    int count = args[0].ToInt();
    if (count <= 0 || !BeginRead()) return S_OK;
    // Fetched in chunks, so that a large count over a short file costs no more memory
    // than the values that are there.
    size_t size = BinaryTypeSize(code);
    size_t remaining = static_cast<size_t>(count);
    std::vector<uint8_t> chunk(size * std::min(remaining, kReadChunk));
    std::vector<double> values;
    while (remaining > 0) {
        size_t want = std::min(remaining, kReadChunk);
        size_t got = fread(chunk.data(), size, want, stream_);
        for (size_t i = 0; i < got; ++i) values.push_back(ReadBinary(code, &chunk[i * size]));
        remaining -= got;
        if (got < want) break;
    }
    if (values.empty()) return S_OK;
    return NumbersToScript(script(), values, result);
}

HRESULT NFile::Write(ArgList& args, com_var& result) {
    if (!stream_) return S_OK;
    int code = args.count() == 2 ? BinaryTypeOf(args[1]) : kBinaryUChar;
    if (code == kBinaryUnknown) return DISP_E_BADVARTYPE;
    size_t size = BinaryTypeSize(code);
    std::vector<uint8_t> bytes;
    if (args[0].IsNumeric()) {
        bytes.resize(size);
        WriteBinary(code, args[0].ToNumber(), bytes.data());
    } else {
        std::vector<double> values;
        HRESULT hr = NumbersInRange(args[0], code, values);
        if (FAILED(hr)) return hr;
        bytes.resize(values.size() * size);
        for (size_t i = 0; i < values.size(); ++i) WriteBinary(code, values[i], &bytes[i * size]);
    }
    size_t written = bytes.empty() || !BeginWrite()
                         ? 0
                         : WriteOutput(stream_, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    result = com_var(static_cast<double>(written));
    return S_OK;
}

HRESULT NFile::Rewind(ArgList&, com_var&) {
    if (stream_) fseek(stream_, 0, SEEK_SET);
    last_ = Direction::None;
    atStart_ = true;
    return S_OK;
}

HRESULT NFile::Close(ArgList&, com_var&) {
    CloseStream();
    return S_OK;
}

HRESULT NFile::GetEof(com_var& value) {
    value = com_var(stream_ != nullptr && feof(stream_) != 0);
    return S_OK;
}

const MethodInfo<NFileClass> NFileClass::methodList[] = {
    {"open", 1, 3, &NFileClass::Open},
};
const MemberTable<MethodInfo<NFileClass>> NFileClass::methods(methodList);
const MemberTable<PropertyInfo<NFileClass>> NFileClass::properties;

HRESULT NFileClass::Open(ArgList& args, com_var& result) {
    OpenInfo info = OpenArguments(args);
    if (info.encoding == kEncodingUnknown) return DISP_E_BADVARTYPE;
    std::unique_ptr<NFile> file(new NFile(script()));
    if (!file->Open(info.name, info.mode, info.encoding)) return S_OK;
    NObjectWrap* wrap = new NObjectWrap(file.release());
    result = com_var(static_cast<IDispatch*>(static_cast<IDispatchEx*>(wrap)));
    return S_OK;
}
