// The pixel arithmetic of 32-bit buffers on plain memory; free of platform headers.
// Pixels are bytes B, G, R, A, rows bottom-up; a buffer with alpha stores its colour
// channels premultiplied. Coordinates given here are the script's: y = 0 is the top.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <array>
#include <memory>

#include "image/colour_core.h"

struct PixelView {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;  // bytes per row
    bool alpha = false;

    bool empty() const { return bits == nullptr; }
    // Memory row k (0 = the bottom row of the picture).
    uint8_t* row(int32_t k) const { return bits + static_cast<ptrdiff_t>(k) * pitch; }
    bool contains(int32_t x, int32_t y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    uint8_t* at(int32_t x, int32_t y) const { return row(height - 1 - y) + 4 * static_cast<ptrdiff_t>(x); }
    // Memory rows k to k + n - 1 as a picture of their own.
    PixelView band(int32_t k, int32_t n) const {
        PixelView part = *this;
        part.bits = row(k);
        part.height = n;
        return part;
    }
};

// Whole-word fills: the empty pixel of the buffer's mode, or a colour premultiplied by
// its alpha (and made opaque in an opaque buffer).
void ClearPixels(const PixelView& view);
void FillPixels(const PixelView& view, const Colour& colour);
// An opaque colour is stored as given; a translucent one blends each byte toward it
// with the weights a + 1 and 255 - a; alpha 0 and places outside do nothing.
void SetPixel(const PixelView& view, int32_t x, int32_t y, const Colour& colour);
// The straight colour at a place: (0, 0, 0, 0) outside the picture.
Colour GetPixel(const PixelView& view, int32_t x, int32_t y);
// Moves the picture right by dx and down by dy; uncovered pixels become empty.
void ScrollPixels(const PixelView& view, int32_t dx, int32_t dy);

inline uint32_t Premultiply(uint32_t c, uint32_t a) { return c * a / 255; }
// min(255, c * 255 / a) for c and a up to 255, by a multiplication: kReciprocal[a] is
// 255 * 65536 / a rounded up, which gives the same quotient for every such pair.
extern const std::array<uint32_t, 256> kReciprocal;
inline uint32_t Unpremultiply(uint32_t c, uint32_t a) {
    uint32_t v = (c * kReciprocal[a & 255]) >> 16;
    return v < 255 ? v : 255;
}

// Where a reader puts its picture: it asks for a buffer of the picture's size and
// fills the memory it gets. The view is empty when the buffer was refused.
class PixelStore {
public:
    virtual PixelView Allocate(int32_t width, int32_t height, bool alpha) = 0;

protected:
    ~PixelStore() = default;
};

// A buffer in ordinary memory, for work off the platform's bitmaps.
class MemoryPixels final : public PixelStore {
public:
    PixelView Allocate(int32_t width, int32_t height, bool alpha) override;
    const PixelView& view() const { return view_; }

private:
    std::unique_ptr<uint8_t[]> memory_;
    PixelView view_;
};

// The largest buffer handed out, in bytes: the pitch and every offset fit in 31 bits.
constexpr int64_t kMaxPixelBytes = INT64_C(0x7FFFFFFF);
// True when a buffer of this size can exist: both sides positive, within the limit.
bool PixelSizeAllowed(int32_t width, int32_t height);
