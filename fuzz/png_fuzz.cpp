// Fuzzes PNG loading with any bytes. A picture that loads fills a buffer of its size
// whose colours never exceed their alpha; a small one saved as PNG loads again with
// the same size and alpha, its opaque and empty pixels unchanged.
#include "check.h"
#include "image/png_codec.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzPixels pixels;
    MemorySource source(data, size);
    if (!LoadPng(source, pixels)) return 0;
    const PixelView& view = pixels.view();
    Check(!view.empty() && PixelsConsistent(view));
    if (int64_t{view.width} * view.height > 4096) return 0;
    const char* name = FuzzFileName("png");
    Check(SavePng(name, view));
    FileSource file(name);
    FuzzPixels again;
    Check(LoadPng(file, again));
    const PixelView& back = again.view();
    Check(back.width == view.width && back.height == view.height && back.alpha == view.alpha);
    for (int32_t k = 0; k < view.height; ++k) {
        for (int32_t x = 0; x < view.width; ++x) {
            const uint8_t* a = view.row(k) + 4 * x;
            const uint8_t* b = back.row(k) + 4 * x;
            if (a[3] == 255 || a[3] == 0) Check(memcmp(a, b, 4) == 0);
        }
    }
    remove(name);
    return 0;
}
