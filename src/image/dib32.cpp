// dib32: creation and release of the DIB section and its context, and the blits.
#include "image/dib32.h"

#include <string.h>

bool dib32::create(int32_t width, int32_t height, bool alpha) {
    release();
    view_ = PixelView();
    view_.alpha = alpha;
    if (!PixelSizeAllowed(width, height)) return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    gdi_bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return false;
    memory_dc dc;
    {
        screen_dc screen;
        dc.reset(CreateCompatibleDC(screen.get()));
    }
    if (!dc) return false;

    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    selection_ = dc_selection(dc_.get(), bitmap_.get());
    view_ = {static_cast<uint8_t*>(bits), width, height, width * 4, alpha};
    clear();
    return true;
}

void dib32::release() {
    selection_.reset();
    dc_.reset();
    bitmap_.reset();
    view_.bits = nullptr;
}

PixelView dib32::Allocate(int32_t width, int32_t height, bool alpha) {
    create(width, height, alpha);
    return view_;
}

BOOL dib32::blit(HDC target, int x, int y, int opacity, bool copy) const {
    if (view_.empty() || !target) return FALSE;
    if (copy) return BitBlt(target, x, y, view_.width, view_.height, dc_.get(), 0, 0, SRCCOPY);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(opacity < 0 ? 0 : opacity > 255 ? 255 : opacity),
                           AC_SRC_ALPHA};
    return AlphaBlend(target, x, y, view_.width, view_.height, dc_.get(), 0, 0, view_.width, view_.height, blend);
}

BOOL dib32::paintTo(HDC target, int x, int y, int opacity) const {
    return blit(target, x, y, opacity, !view_.alpha && opacity >= 255);
}

BOOL dib32::blendOnto(dib32& target, int x, int y, int opacity) const {
    const bool copy = !view_.alpha && !target.alpha() && opacity >= 255;
    if (&target != this || copy || view_.empty()) return blit(target.dc(), x, y, opacity, copy);
    // The platform refuses to blend a bitmap onto itself: blend from a copy.
    dib32 source;
    if (!source.create(view_.width, view_.height, view_.alpha)) return FALSE;
    memcpy(source.view_.bits, view_.bits, static_cast<size_t>(view_.pitch) * view_.height);
    return source.blit(dc(), x, y, opacity, false);
}

bool dib32::updateLayered(HWND window, int opacity) const {
    using UpdateLayeredFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    static const UpdateLayeredFn update = [] {
        HMODULE user = GetModuleHandleA("user32.dll");
        return user ? reinterpret_cast<UpdateLayeredFn>(
                          reinterpret_cast<void*>(GetProcAddress(user, "UpdateLayeredWindow")))
                    : nullptr;
    }();
    if (view_.empty() || !update) return false;
    SIZE size = {view_.width, view_.height};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(opacity < 0 ? 0 : opacity > 255 ? 255 : opacity),
                           AC_SRC_ALPHA};
    return update(window, nullptr, nullptr, &size, dc_.get(), &origin, 0, &blend, ULW_ALPHA) != FALSE;
}
