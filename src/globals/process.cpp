// Stand-in until the real implementation lands.
#include "globals/process.h"

HRESULT f_sleep(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_beep(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_tick(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_exit(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_exec(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_system(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_startfile(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_process(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_guid(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_fps(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
HRESULT f_sync(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
