// Interface identifiers that the MinGW import libraries lack, defined once here.
#include <windows.h>
#include <initguid.h>
#include <dispex.h>
#include <activscp.h>
