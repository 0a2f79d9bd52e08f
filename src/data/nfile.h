// NFile: a run-time library stream read and written as text in one of six encodings
// or as little-endian binary values; NFileClass: the File class object with open.
#pragma once

#include <stdio.h>

#include <string>

#include "object/member_dispatch.h"
#include "object/nclass.h"

// Appends the bytes of a stream up to and including the next line feed; false when
// not even one byte could be read. stdin.gets reads its lines this way.
bool ReadLineBytes(FILE* stream, std::string& line);

// Holds a stream's lock over a run of unlocked reads.
class StreamLock {
public:
    explicit StreamLock(FILE* stream) : stream_(stream) { _lock_file(stream_); }
    ~StreamLock() { _unlock_file(stream_); }
    StreamLock(const StreamLock&) = delete;
    StreamLock& operator=(const StreamLock&) = delete;

private:
    FILE* stream_;
};

class NFile : public NMembers<NFile> {
public:
    explicit NFile(NScript* script);
    // A standard stream object: uses stream in text mode with encoding 0 and never
    // closes it; stdin is read, any other stream written.
    NFile(NScript* script, FILE* stream);
    ~NFile() override;

    NObjectWrap* Create(ArgList& args, com_var& result) override;
    // Opens name with mode and encoding (already validated); true when the stream opened.
    bool Open(const std::string& name, const std::string& mode, int encoding);

    static const MethodInfo<NFile> methodList[];
    static const MemberTable<MethodInfo<NFile>> methods;
    static const PropertyInfo<NFile> propertyList[];
    static const MemberTable<PropertyInfo<NFile>> properties;

private:
    HRESULT Gets(ArgList& args, com_var& result);
    HRESULT Puts(ArgList& args, com_var& result);
    HRESULT Print(ArgList& args, com_var& result);
    HRESULT Printf(ArgList& args, com_var& result);
    HRESULT Read(ArgList& args, com_var& result);
    HRESULT Write(ArgList& args, com_var& result);
    HRESULT Rewind(ArgList& args, com_var& result);
    HRESULT Close(ArgList& args, com_var& result);
    HRESULT GetEof(com_var& value);

    // One line as narrow text; empty at the end of the stream.
    std::string ReadLine();
    // Writes narrow text in the encoding; answers bytes written, or UTF-16 units.
    size_t WriteText(const std::string& narrow);
    size_t WriteUtf16(const std::string& narrow);
    void CloseStream();
    // False when the stream was not opened for the direction. A stream open both ways
    // gets the positioning call the run-time library needs between a write and a read.
    bool BeginRead();
    bool BeginWrite();

    bool owned_ = false;
    int encoding_ = 1;
    // Opened without "b": line ends are translated (by the run-time library for
    // bytes, by this class for UTF-16 units).
    bool text_ = true;
    bool append_ = false;
    bool readable_ = false;
    bool writable_ = false;
    enum class Direction { None, Read, Write } last_ = Direction::None;
    // Nothing read or written since the stream was opened or rewound.
    bool atStart_ = false;
    FILE* stream_ = nullptr;
};

class NFileClass : public NMembers<NFileClass, NClass<NFile>> {
public:
    using NMembers<NFileClass, NClass<NFile>>::NMembers;

    static const MethodInfo<NFileClass> methodList[];
    static const MemberTable<MethodInfo<NFileClass>> methods;
    static const MemberTable<PropertyInfo<NFileClass>> properties;

private:
    HRESULT Open(ArgList& args, com_var& result);
};
