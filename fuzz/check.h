// What the fuzz targets share: a failed check stops the run as a crash, and the sizes
// the image readers work with, chosen by the input's last byte so that pieces of a
// few rows and tiny read buffers get their turn.
#pragma once

#include <stddef.h>
#include <stdint.h>

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

struct ReadSizes {
    size_t piece;
    size_t buffer;
};

inline ReadSizes ReadSizesOf(const uint8_t* data, size_t size) {
    if (size == 0) return {1, 1};
    const uint8_t last = data[size - 1];
    return {1u + last % 64u, 1u + last / 64u * 7u};
}

#include "image/pixel_view.h"

// A buffer in memory that refuses pictures of more than kMaxFuzzPixels, so that a header
// claiming a huge picture is refused as a host out of memory would refuse it.
constexpr int64_t kMaxFuzzPixels = 1 << 22;

class FuzzPixels final : public PixelStore {
public:
    explicit FuzzPixels(int64_t maxPixels = kMaxFuzzPixels) : maxPixels_(maxPixels) {}
    PixelView Allocate(int32_t width, int32_t height, bool alpha) override {
        if (int64_t{width} * height > maxPixels_) return PixelView();
        return memory_.Allocate(width, height, alpha);
    }
    const PixelView& view() const { return memory_.view(); }

private:
    int64_t maxPixels_;
    MemoryPixels memory_;
};

// Every pixel opaque; or, in a buffer with alpha, no colour above its alpha.
inline bool PixelsConsistent(const PixelView& view) {
    for (int32_t k = 0; k < view.height; ++k) {
        const uint8_t* p = view.row(k);
        for (int32_t x = 0; x < view.width; ++x, p += 4) {
            if (!view.alpha ? p[3] != 255 : p[0] > p[3] || p[1] > p[3] || p[2] > p[3]) return false;
        }
    }
    return true;
}

#include <stdio.h>
#include <unistd.h>

// A file of this process's own for writers to write to.
inline const char* FuzzFileName(const char* extension) {
    static char name[64];
    snprintf(name, sizeof name, "/tmp/kova-fuzz-%d.%s", static_cast<int>(getpid()), extension);
    return name;
}
