/* The least any script host does before a script's first line: enter a single-threaded
 * COM apartment and create the JScript engine. Its start-up is the floor for kova.exe. */
#include <windows.h>
#include <objbase.h>
#include <stdio.h>

int main(void) {
    if (FAILED(CoInitialize(NULL))) return 1;
    CLSID clsid;
    IUnknown* engine = NULL;
    int status = 1;
    if (SUCCEEDED(CLSIDFromProgID(L"JScript", &clsid)) &&
        SUCCEEDED(CoCreateInstance(&clsid, NULL, CLSCTX_INPROC_SERVER, &IID_IUnknown, (void**)&engine))) {
        engine->lpVtbl->Release(engine);
        puts("Hello, world!");
        status = 0;
    }
    CoUninitialize();
    return status;
}
