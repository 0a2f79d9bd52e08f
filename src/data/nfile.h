// NFile: a run-time library stream read and written as text in one of six encodings
// or as little-endian binary values; NFileClass: the File class object with open.
#pragma once

#include <stdio.h>

#include "object/member_dispatch.h"
#include "object/nclass.h"

class NFile : public NMembers<NFile> {
public:
    explicit NFile(NScript* script);
    // A standard stream object: uses stream with encoding 0 and never closes it.
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
    bool owned_ = false;
    int encoding_ = 1;
    FILE* stream_ = nullptr;
};

class NFileClass : public NMembers<NFileClass, NClass<NFile>> {
public:
    using NMembers<NFileClass, NClass<NFile>>::NMembers;

    static const MethodInfo<NFileClass> methodList[];
    static const MemberTable<MethodInfo<NFileClass>> methods;
    static const MemberTable<PropertyInfo<NFileClass>> properties;

private:
    HRESULT open(ArgList& args, com_var& result);
};
