// Fuzzes JPEG loading with any bytes. A picture that loads fills an opaque buffer of
// its size; a small one saved as JPEG loads again with the same size.
//
// Pictures are capped far below the other targets' limit: a few bytes of header can
// claim a large picture that the library then decodes in full from its fake end of
// data, and such inputs would take nearly all of the run's time. The decoding paths
// (progressive, subsampled, CMYK, restart markers) are the same at any size.
#include "check.h"
#include "image/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    constexpr int64_t kMaxJpegPixels = 1 << 16;
    FuzzPixels pixels(kMaxJpegPixels);
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
