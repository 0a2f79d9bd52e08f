// NObject: default answers of the seven operations.
#include "object/nobject.h"

#include "object/script_context.h"
#include "object/text.h"

#include <string.h>

NObject::NObject(NScript* script)
    : script_(script), caseSensitive_(script ? ScriptCaseSensitive(script) : true) {}

NObjectWrap* NObject::Create(ArgList&, com_var&) { return nullptr; }
HRESULT NObject::Call(const std::string&, ArgList&, com_var&) { return DISP_E_MEMBERNOTFOUND; }
HRESULT NObject::Construct(ArgList&, com_var&) { return DISP_E_BADVARTYPE; }
HRESULT NObject::GetProp(const std::string&, com_var&) { return DISP_E_MEMBERNOTFOUND; }
HRESULT NObject::PutProp(const std::string&, com_var) { return DISP_E_MEMBERNOTFOUND; }
HRESULT NObject::HasMember(const std::string&) { return DISP_E_UNKNOWNNAME; }

bool NObject::NameMatches(const std::string& name, const char* member) const {
    return caseSensitive_ ? strcmp(name.c_str(), member) == 0 : EqualsNoCase(name.c_str(), member);
}
