// Pixel arithmetic on plain memory: fills, single pixels and scrolling.
#include "image/pixel_view.h"

#include <string.h>

#include <algorithm>
#include <array>
#include <new>

namespace {
constexpr std::array<uint32_t, 256> Reciprocals() {
    std::array<uint32_t, 256> r{};  // alpha 0 has 0, so transparent pixels read as black
    for (uint32_t a = 1; a < 256; ++a) r[a] = (255u * 65536u + a - 1) / a;
    return r;
}
}  // namespace

const std::array<uint32_t, 256> kReciprocal = Reciprocals();

namespace {
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

uint32_t EmptyPixel(const PixelView& view) { return view.alpha ? 0u : kOpaqueBlack; }

void FillWords(const PixelView& view, uint32_t word) {
    if (view.empty()) return;
    const size_t words = static_cast<size_t>(view.pitch) * static_cast<size_t>(view.height) / 4;
    uint32_t* p = reinterpret_cast<uint32_t*>(view.bits);
    if (word == 0) memset(p, 0, words * 4);
    else std::fill_n(p, words, word);
}

void FillRun(uint8_t* start, int64_t count, uint32_t word) {
    if (count > 0) std::fill_n(reinterpret_cast<uint32_t*>(start), static_cast<size_t>(count), word);
}
}  // namespace

void ClearPixels(const PixelView& view) { FillWords(view, EmptyPixel(view)); }

void FillPixels(const PixelView& view, const Colour& c) {
    uint32_t word = c.a << 24 | Premultiply(c.r, c.a) << 16 | Premultiply(c.g, c.a) << 8 | Premultiply(c.b, c.a);
    if (!view.alpha) word |= kOpaqueBlack;
    FillWords(view, word);
}

void SetPixel(const PixelView& view, int32_t x, int32_t y, const Colour& c) {
    if (view.empty() || !view.contains(x, y) || c.a == 0) return;
    uint8_t* p = view.at(x, y);
    if (c.a >= 255) {
        p[0] = static_cast<uint8_t>(c.b);
        p[1] = static_cast<uint8_t>(c.g);
        p[2] = static_cast<uint8_t>(c.r);
        p[3] = static_cast<uint8_t>(c.a);
        return;
    }
    const uint32_t t = c.a + 1, u = 256 - t;
    p[0] = static_cast<uint8_t>((p[0] * u + c.b * t) >> 8);
    p[1] = static_cast<uint8_t>((p[1] * u + c.g * t) >> 8);
    p[2] = static_cast<uint8_t>((p[2] * u + c.r * t) >> 8);
    p[3] = static_cast<uint8_t>((p[3] * u + 255 * t) >> 8);
}

Colour GetPixel(const PixelView& view, int32_t x, int32_t y) {
    if (view.empty() || !view.contains(x, y)) return {0, 0, 0, 0};
    const uint8_t* p = view.at(x, y);
    if (!view.alpha) return {p[2], p[1], p[0], 255};
    const uint32_t a = p[3];
    return {Unpremultiply(p[2], a), Unpremultiply(p[1], a), Unpremultiply(p[0], a), a};
}

void ScrollPixels(const PixelView& view, int32_t dx, int32_t dy) {
    if (view.empty()) return;
    const int64_t w = view.width, h = view.height, sx = dx, sy = dy;
    const uint32_t empty = EmptyPixel(view);
    if (sx <= -w || sx >= w || sy <= -h || sy >= h) {
        FillWords(view, empty);
        return;
    }
    const int64_t moved = w - (sx < 0 ? -sx : sx);
    const int64_t from = sx < 0 ? -sx : 0, to = sx < 0 ? 0 : sx;
    // Script row y lies at memory row h - 1 - y; each destination row takes row y - dy.
    auto move = [&](int64_t y) {
        uint8_t* dst = view.row(static_cast<int32_t>(h - 1 - y));
        const uint8_t* src = view.row(static_cast<int32_t>(h - 1 - (y - sy)));
        memmove(dst + 4 * to, src + 4 * from, static_cast<size_t>(moved) * 4);
        // The columns whose source lay outside the row.
        if (sx > 0) FillRun(dst, sx, empty);
        else if (sx < 0) FillRun(dst + 4 * moved, -sx, empty);
    };
    if (sy >= 1) {
        for (int64_t y = h - 1; y >= sy; --y) move(y);
        for (int64_t y = 0; y < sy; ++y) FillRun(view.row(static_cast<int32_t>(h - 1 - y)), w, empty);
    } else {
        for (int64_t y = 0; y < h + sy; ++y) move(y);
        for (int64_t y = h + sy; y < h; ++y) FillRun(view.row(static_cast<int32_t>(h - 1 - y)), w, empty);
    }
}

bool PixelSizeAllowed(int32_t width, int32_t height) {
    return width > 0 && height > 0 && int64_t{width} * height * 4 <= kMaxPixelBytes;
}

PixelView MemoryPixels::Allocate(int32_t width, int32_t height, bool alpha) {
    memory_.reset();
    view_ = PixelView();
    if (!PixelSizeAllowed(width, height)) return view_;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    memory_.reset(new (std::nothrow) uint8_t[bytes]);
    if (!memory_) return view_;
    view_ = {memory_.get(), width, height, width * 4, alpha};
    ClearPixels(view_);
    return view_;
}
