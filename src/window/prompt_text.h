// The message text of the input and progress boxes: narrow text with line breaks and
// tabs, drawn character by character with the font selected into a device context.
#pragma once

#include <windows.h>

#include <string>

// Draws text with its top-left corner at (x, y). LF starts a line, CR is skipped, a
// tab moves to the next stop (every four average character widths from x), and other
// control bytes are skipped; a lead byte with its trail byte is one character.
void DrawPromptText(HDC dc, int x, int y, const std::string& text);
// The size DrawPromptText covers: the widest line, and the height of every line.
SIZE MeasurePromptText(HDC dc, const std::string& text);

// Moves a window to the middle of the screen ((screen size - window size) / 2).
void CentreOnScreen(HWND window);
