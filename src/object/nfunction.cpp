// NFunction: calls of the object itself reach the bound handler.
#include "object/nfunction.h"

HRESULT NFunction::Call(const std::string& name, ArgList& args, com_var& result) {
    if (!name.empty()) return DISP_E_TYPEMISMATCH;
    return fn_(script(), args, result);
}
