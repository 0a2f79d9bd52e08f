// Fuzzes the packed-row conversion: byte 0 the width (1 to 64), byte 1 the height (1 to
// 16), byte 2 the bit count (1, 4, 8 or 24) and bit 2 the row order, byte 3 the palette
// entries (0 to 255) which follow; the rest are the rows. Every pixel converted is
// opaque, and from a palette entry or black when the rows are indexed.
#include "check.h"
#include "image/bmp_codec.h"

namespace {
const int kBitCounts[] = {1, 4, 8, 24};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size < 4) return 0;
    const int32_t width = data[0] % 64 + 1, height = data[1] % 16 + 1;
    const int bitCount = kBitCounts[data[2] & 3];
    const bool topDown = data[2] & 4;
    size_t paletteCount = data[3];
    const uint8_t* palette = data + 4;
    if (paletteCount * 4 > size - 4) paletteCount = (size - 4) / 4;
    const uint8_t* rows = palette + paletteCount * 4;
    const size_t rowsSize = size - 4 - paletteCount * 4;
    MemoryPixels pixels;
    const PixelView view = pixels.Allocate(width, height, false);
    Check(!view.empty());
    for (size_t i = 0; i < static_cast<size_t>(view.pitch) * height; ++i) view.bits[i] = 0xEE;
    convertPackedRows(view, palette, paletteCount, rows, rowsSize, bitCount, topDown);
    const uint64_t stride = PackedRowBytes(width, bitCount);
    const uint64_t complete = rowsSize / stride < static_cast<uint64_t>(height) ? rowsSize / stride : height;
    for (int32_t k = 0; k < height; ++k) {
        const bool converted = static_cast<uint64_t>(topDown ? height - 1 - k : k) < complete;
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* p = view.row(k) + 4 * x;
            if (!converted) {
                Check(p[0] == 0xEE && p[1] == 0xEE && p[2] == 0xEE && p[3] == 0xEE);
                continue;
            }
            Check(p[3] == 255);
            if (bitCount == 24) continue;
            bool found = p[0] == 0 && p[1] == 0 && p[2] == 0;
            for (size_t e = 0; e < paletteCount && !found; ++e)
                found = palette[4 * e] == p[0] && palette[4 * e + 1] == p[1] && palette[4 * e + 2] == p[2];
            Check(found);
        }
    }
    return 0;
}
