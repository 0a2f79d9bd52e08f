// Interface identifiers that the MinGW import libraries lack (IDispatchEx, and the
// 64-bit IActiveScriptParse that IID_IActiveScriptParse names on x86_64), defined once here.
#include <windows.h>
#include <initguid.h>
#include <dispex.h>
#include <activscp.h>
