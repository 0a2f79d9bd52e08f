// Stand-in until the real implementation lands.
#include "data/nfile.h"

NFile::NFile(NScript* script) : NMembers(script) {}
NFile::NFile(NScript* script, FILE* stream) : NMembers(script), encoding_(0), stream_(stream) {}
NFile::~NFile() = default;
NObjectWrap* NFile::Create(ArgList&, com_var&) { return nullptr; }
bool NFile::Open(const std::string&, const std::string&, int) { return false; }

const MemberTable<MethodInfo<NFile>> NFile::methods;
const MemberTable<PropertyInfo<NFile>> NFile::properties;

const MethodInfo<NFileClass> NFileClass::methodList[] = {
    {"open", 1, 3, &NFileClass::open},
};
const MemberTable<MethodInfo<NFileClass>> NFileClass::methods(methodList);
const MemberTable<PropertyInfo<NFileClass>> NFileClass::properties;

HRESULT NFileClass::open(ArgList&, com_var&) { return E_NOTIMPL; }
