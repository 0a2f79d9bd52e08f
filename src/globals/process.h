// Process and system functions: waiting with window messages dispatched, time,
// sound, ending the process, running scripts, commands and programs, identifiers.
#pragma once

#include "object/arg_list.h"

#include <string>

class NScript;

HRESULT f_sleep(NScript* script, ArgList& args, com_var& result);
HRESULT f_beep(NScript* script, ArgList& args, com_var& result);
HRESULT f_tick(NScript* script, ArgList& args, com_var& result);
HRESULT f_exit(NScript* script, ArgList& args, com_var& result);
HRESULT f_exec(NScript* script, ArgList& args, com_var& result);
HRESULT f_system(NScript* script, ArgList& args, com_var& result);
HRESULT f_startfile(NScript* script, ArgList& args, com_var& result);
HRESULT f_process(NScript* script, ArgList& args, com_var& result);
HRESULT f_guid(NScript* script, ArgList& args, com_var& result);
HRESULT f_fps(NScript* script, ArgList& args, com_var& result);
HRESULT f_sync(NScript* script, ArgList& args, com_var& result);


// Starts a command line. With wait, waits for the program's end and gives its exit
// code; an owner window is disabled meanwhile and its messages keep flowing.
// False when the program could not be started.
bool RunProcess(const std::string& command, bool wait, HWND owner, DWORD* exitCode);
