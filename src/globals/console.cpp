// Console functions: text goes through the one output writer, which the stdout
// object shares, so output of both kinds keeps its order.
#include "globals/console.h"

#include "globals/format.h"
#include "host/console_writer.h"

#include <conio.h>
#include <stdio.h>

HRESULT f_print(NScript*, ArgList& args, com_var&) {
    std::string text;
    for (size_t i = 0; i < args.count(); ++i) text += args[i].ToText();
    text += '\n';
    WriteOutput(stdout, text);
    return S_OK;
}

HRESULT f_printf(NScript*, ArgList& args, com_var&) {
    WriteOutput(stdout, FormatArgs(args));
    return S_OK;
}

HRESULT f_sprintf(NScript*, ArgList& args, com_var& result) {
    result = com_var(FormatArgs(args));
    return S_OK;
}

namespace {
HRESULT KeyFunction(ArgList& args, com_var& result, int (*read)()) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    fflush(stdout);  // a prompt written before the wait must be visible
    result = com_var(static_cast<double>(read()));
    return S_OK;
}
}  // namespace

HRESULT f_getch(NScript*, ArgList& args, com_var& result) { return KeyFunction(args, result, _getch); }
HRESULT f_getche(NScript*, ArgList& args, com_var& result) { return KeyFunction(args, result, _getche); }
HRESULT f_kbhit(NScript*, ArgList& args, com_var& result) { return KeyFunction(args, result, _kbhit); }
