// Fuzzes JPEG loading with any bytes. A picture that loads fills an opaque buffer of
// its size; a small one saved as JPEG loads again with the same size.
#include "check.h"
#include "image/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzPixels pixels;
    MemorySource source(data, size);
    if (!LoadJpeg(source, pixels)) return 0;
    const PixelView& view = pixels.view();
    Check(!view.empty() && !view.alpha && PixelsConsistent(view));
    if (int64_t{view.width} * view.height > 4096) return 0;
    const char* name = FuzzFileName("jpg");
    Check(SaveJpeg(name, view, 90, size & 1, size & 2));
    FileSource file(name);
    FuzzPixels again;
    Check(LoadJpeg(file, again));
    Check(again.view().width == view.width && again.view().height == view.height);
    remove(name);
    return 0;
}
