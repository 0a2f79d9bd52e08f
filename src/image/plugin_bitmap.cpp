// An image plug-in's bitmap into a pixel buffer, through the BMP codec's row conversion.
#include "image/plugin_bitmap.h"

#include "image/bmp_codec.h"
#include "image/file_bytes.h"

namespace {
constexpr size_t kInfoHeaderSize = 40;
}  // namespace

bool ConvertPluginBitmap(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize,
                         PixelStore& store) {
    if (!info || !bits || infoSize < kInfoHeaderSize) return false;
    const uint32_t headerSize = Le32(info);
    const int32_t width = static_cast<int32_t>(Le32(info + 4));
    const int32_t height = static_cast<int32_t>(Le32(info + 8));
    const int bitCount = Le16(info + 14);
    const uint32_t compression = Le32(info + 16), used = Le32(info + 32);
    if (compression != 0 || height == 0 || height == INT32_MIN) return false;
    const int32_t rows = height < 0 ? -height : height;
    const uint64_t stride = PackedRowBytes(width, bitCount);
    if (stride == 0 || stride * static_cast<uint64_t>(rows) > bitsSize) return false;

    // The palette follows the header (of 40 bytes, or the larger size it names); only
    // the entries inside the block count.
    const size_t paletteAt = headerSize > kInfoHeaderSize && headerSize < infoSize ? headerSize : kInfoHeaderSize;
    size_t paletteCount = 0;
    if (bitCount <= 8) {
        const size_t full = size_t{1} << bitCount;
        paletteCount = used != 0 && used < full ? used : full;
        const size_t room = (infoSize - paletteAt) / 4;
        if (paletteCount > room) paletteCount = room;
    }
    const PixelView view = store.Allocate(width, rows, false);
    if (view.empty()) return false;
    convertPackedRows(view, info + paletteAt, paletteCount, bits, bitsSize, bitCount, height < 0);
    return true;
}
