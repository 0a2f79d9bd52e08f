// dib32: the 32-bit pixel buffer, a DIB section selected into a memory device context
// of its own, so the same memory serves per-pixel work and the platform's blits.
#pragma once

#include "image/pixel_view.h"
#include "object/handles.h"

class dib32 final : public PixelStore {
public:
    dib32() = default;
    dib32(const dib32&) = delete;
    dib32& operator=(const dib32&) = delete;
    ~dib32() { release(); }

    // A new cleared buffer; false when the platform refused it (sides of zero or
    // below, or too large): the buffer is then empty and 0 × 0.
    bool create(int32_t width, int32_t height, bool alpha);
    void release();
    void clear() { ClearPixels(view_); }
    void fill(const Colour& c) { FillPixels(view_, c); }
    void setPixel(int32_t x, int32_t y, const Colour& c) { SetPixel(view_, x, y, c); }
    Colour getPixel(int32_t x, int32_t y) const { return GetPixel(view_, x, y); }
    void scrollBy(int32_t dx, int32_t dy) { ScrollPixels(view_, dx, dy); }

    // Copies (opaque, full opacity) or alpha-blends the picture onto a device context.
    BOOL paintTo(HDC target, int x, int y, int opacity) const;
    BOOL blendOnto(dib32& target, int x, int y, int opacity) const;
    // Pushes the picture into a layered window with per-pixel alpha.
    bool updateLayered(HWND window, int opacity) const;

    PixelView Allocate(int32_t width, int32_t height, bool alpha) override;

    const PixelView& view() const { return view_; }
    HDC dc() const { return dc_.get(); }
    int32_t width() const { return view_.width; }
    int32_t height() const { return view_.height; }
    bool alpha() const { return view_.alpha; }

private:
    BOOL blit(HDC target, int x, int y, int opacity, bool copy) const;

    // Released in reverse order: the bitmap is selected out, then the context and
    // the bitmap are deleted.
    gdi_bitmap bitmap_;
    memory_dc dc_;
    dc_selection selection_;
    PixelView view_;
};
