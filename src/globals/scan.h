// The global function sscanf.
#pragma once

#include "object/arg_list.h"

class NScript;

HRESULT f_sscanf(NScript* script, ArgList& args, com_var& result);
