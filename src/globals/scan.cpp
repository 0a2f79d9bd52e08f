// Stand-in until the real implementation lands.
#include "globals/scan.h"

HRESULT f_sscanf(NScript*, ArgList&, com_var&) { return E_NOTIMPL; }
