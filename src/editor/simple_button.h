// The script editor's flat push button: a window class that draws itself and tells its
// parent of a click with WM_COMMAND.
#pragma once

#include <windows.h>

constexpr char kSimpleButtonClass[] = "SimpleButton WindowClass";

// Registers the class in the module (null: the program's own) unless it is there;
// true when it exists afterwards.
bool registerSimpleButton(HINSTANCE module);
