// The message text of the input and progress boxes: one walk over the bytes serves
// both measuring and drawing.
#include "window/prompt_text.h"

#include "object/text.h"

namespace {
// Walks the text as it would be drawn; draws only when asked. Answers the size covered.
SIZE WalkPromptText(HDC dc, int x0, int y0, const std::string& text, bool draw) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight;
    const int tabWidth = metrics.tmAveCharWidth * 4;
    const MultiByteTable& narrow = NarrowTable();
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const size_t n = text.size();
    int x = x0, y = y0, right = x0;
    for (size_t i = 0; i < n;) {
        const uint8_t b = bytes[i];
        size_t length = 1;
        if (narrow.IsPair(bytes, n, i)) {
            length = 2;
        } else if (b == '\n') {
            x = x0;
            y += lineHeight;
            ++i;
            continue;
        } else if (b == '\t') {
            if (tabWidth > 0) x = x0 + ((x - x0) / tabWidth + 1) * tabWidth;
            right = x > right ? x : right;
            ++i;
            continue;
        } else if (b < 0x20 || b == 0x7F || narrow.IsLead(b)) {
            // Control bytes, and a lead byte without its trail, are not drawn.
            ++i;
            continue;
        }
        const char* character = text.data() + i;
        const int len = static_cast<int>(length);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, character, len, &extent);
        if (draw) TextOutA(dc, x, y, character, len);
        x += extent.cx;
        right = x > right ? x : right;
        i += length;
    }
    return SIZE{right - x0, y - y0 + lineHeight};
}
}  // namespace

void DrawPromptText(HDC dc, int x, int y, const std::string& text) { WalkPromptText(dc, x, y, text, true); }

SIZE MeasurePromptText(HDC dc, const std::string& text) { return WalkPromptText(dc, 0, 0, text, false); }

void CentreOnScreen(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
