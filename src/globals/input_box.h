// The one-line input box: a message above an edit field, OK and Cancel. The box sizes
// itself to the message.
#pragma once

#include <windows.h>

#include <string>

enum class InputMode { Plain, Password };

// Shows the box modally over owner (may be null) with text as the field's starting
// value. True when confirmed with OK; text then holds what was entered.
bool InputBox(HWND owner, const std::string& caption, const std::string& prompt, std::string& text, InputMode mode);
