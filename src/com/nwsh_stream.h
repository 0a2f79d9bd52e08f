// NWshStream: StdIn, StdOut and StdErr of the WScript object, text streams over the
// process's standard streams with the stock host's reading and writing members.
#pragma once

#include "object/member_dispatch.h"

#include <stdio.h>

#include <string>

class NWshStream : public NMembers<NWshStream> {
public:
    // stdin is read, stdout and stderr written; the stream is never closed here.
    NWshStream(NScript* script, FILE* stream);

    bool StandardErrors() const override { return true; }

    static const MethodInfo<NWshStream> methodList[];
    static const MemberTable<MethodInfo<NWshStream>> methods;
    static const PropertyInfo<NWshStream> propertyList[];
    static const MemberTable<PropertyInfo<NWshStream>> properties;

private:
    HRESULT Write(ArgList& args, com_var& result);
    HRESULT WriteLine(ArgList& args, com_var& result);
    HRESULT WriteBlankLines(ArgList& args, com_var& result);
    HRESULT Read(ArgList& args, com_var& result);
    HRESULT ReadLine(ArgList& args, com_var& result);
    HRESULT ReadAll(ArgList& args, com_var& result);
    HRESULT Skip(ArgList& args, com_var& result);
    HRESULT SkipLine(ArgList& args, com_var& result);
    HRESULT Close(ArgList& args, com_var& result);
    HRESULT GetAtEndOfStream(com_var& value);
    HRESULT GetAtEndOfLine(com_var& value);
    HRESULT GetLine(com_var& value);
    HRESULT GetColumn(com_var& value);

    // S_OK when the stream is open for the direction, else the stock host's error.
    HRESULT Usable(bool reading) const;
    HRESULT Output(const std::string& text);
    // Up to count characters of the ANSI code page (a double-byte one whole).
    std::string ReadCharacters(LONG count);
    // One line without its line end; false at the end of the stream.
    bool ReadOneLine(std::string* line);
    // Moves Line and Column past text that was read or written.
    void Advance(const std::string& text);
    // The next byte without taking it, or EOF.
    int Peek();

    FILE* stream_;
    bool reading_;
    bool closed_ = false;
    LONG line_ = 1;
    LONG column_ = 1;
};
