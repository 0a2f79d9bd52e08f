// The script editor as talk mode uses it.
#pragma once

#include <string>

// Shows the editor with the title (null: "Script Editor") and waits until the user
// ends the editing: the editor's whole text, with LF line ends, when the user chose to
// run it; the empty text otherwise. The editor keeps its text for the next time.
std::string openEditor(const char* title);
