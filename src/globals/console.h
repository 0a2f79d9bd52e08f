// Console output and key input: print, printf, sprintf, getch, getche, kbhit.
#pragma once

#include "object/arg_list.h"

class NScript;

HRESULT f_print(NScript* script, ArgList& args, com_var& result);
HRESULT f_printf(NScript* script, ArgList& args, com_var& result);
HRESULT f_sprintf(NScript* script, ArgList& args, com_var& result);
HRESULT f_getch(NScript* script, ArgList& args, com_var& result);
HRESULT f_getche(NScript* script, ArgList& args, com_var& result);
HRESULT f_kbhit(NScript* script, ArgList& args, com_var& result);
