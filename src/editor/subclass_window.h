// subclassWindow: puts a message filter in front of an existing window's procedure.
#pragma once

#include <windows.h>

// Sees every message of the window first and may change it and its parameters; true
// lets it go on to the window's own procedure, false swallows it (the result is 0).
using SubclassFilter = bool (*)(HWND window, UINT& message, WPARAM& wParam, LPARAM& lParam, void* data);

// Puts the filter in front of the window's procedure until the window is destroyed;
// false when the window has no procedure, no filter is given, or the window has a
// filter already.
bool subclassWindow(HWND window, SubclassFilter filter, void* data);
