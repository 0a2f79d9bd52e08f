// The script editor as talk mode uses it.
#pragma once

#include <string>

// Shows the editor with the title and waits until the user ends the editing: the
// editor's whole text when the user chose to run it, the empty text otherwise.
std::string OpenEditor(const std::string& title);
