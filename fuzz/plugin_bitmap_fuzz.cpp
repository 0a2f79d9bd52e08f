// Fuzzes the conversion of a plug-in's bitmap: the first byte tells how many of the
// following bytes (times 4, at most the rest) form the header block; the rest are the
// rows. A bitmap that converts gives an opaque buffer of the header's size.
#include "check.h"
#include "image/plugin_bitmap.h"

#include <stdlib.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size < 1) return 0;
    size_t infoSize = size_t{data[0]} * 4;
    if (infoSize > size - 1) infoSize = size - 1;
    const uint8_t* info = data + 1;
    const uint8_t* bits = info + infoSize;
    FuzzPixels pixels;
    if (!ConvertPluginBitmap(info, infoSize, bits, size - 1 - infoSize, pixels)) return 0;
    const PixelView& view = pixels.view();
    const int32_t height = static_cast<int32_t>(info[8] | info[9] << 8 | info[10] << 16 | uint32_t{info[11]} << 24);
    Check(!view.empty() && !view.alpha && PixelsConsistent(view));
    Check(view.width == static_cast<int32_t>(info[4] | info[5] << 8 | info[6] << 16 | uint32_t{info[7]} << 24));
    Check(view.height == abs(height));
    return 0;
}
