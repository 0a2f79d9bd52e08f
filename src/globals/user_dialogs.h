// User dialogs: message boxes, the one-line input box, and the file and folder
// choosers. Each takes an optional owner frame as its first argument.
#pragma once

#include "object/arg_list.h"

class NScript;

HRESULT f_alert(NScript* script, ArgList& args, com_var& result);
HRESULT f_confirm(NScript* script, ArgList& args, com_var& result);
HRESULT f_prompt(NScript* script, ArgList& args, com_var& result);
HRESULT f_passwd(NScript* script, ArgList& args, com_var& result);
HRESULT f_openDlg(NScript* script, ArgList& args, com_var& result);
HRESULT f_saveDlg(NScript* script, ArgList& args, com_var& result);
HRESULT f_folderDlg(NScript* script, ArgList& args, com_var& result);
