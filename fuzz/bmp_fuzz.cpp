// Fuzzes the BMP reader with any bytes. A file that decodes gives an opaque buffer of
// its header's size; reading it a few rows at a time through a small buffer gives the
// same; writing that buffer out and decoding it again gives the same pixels.
#include "check.h"
#include "image/bmp_codec.h"

#include <string.h>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const ReadSizes sizes = ReadSizesOf(data, size);
    MemoryPixels pixels, pieces;
    MemorySource source(data, size);
    const bool decoded = DecodeBmp(data, size, pixels);
    Check(DecodeBmp(source, pieces, sizes.piece, sizes.buffer) == decoded);
    if (!decoded) return 0;
    const PixelView& view = pixels.view();
    Check(memcmp(pieces.view().bits, view.bits, static_cast<size_t>(view.pitch) * view.height) == 0);
    Check(!view.empty() && !view.alpha);
    const uint64_t rows = PackedRowBytes(view.width, 24) * static_cast<uint64_t>(view.height);
    if (rows > (1u << 20)) return 0;
    std::vector<uint8_t> file(kBmpHeaderSize + rows);
    BmpHeader(view, file.data());
    BmpRows(view, file.data() + kBmpHeaderSize);
    MemoryPixels again;
    Check(DecodeBmp(file.data(), file.size(), again));
    Check(again.view().width == view.width && again.view().height == view.height);
    Check(memcmp(again.view().bits, view.bits, static_cast<size_t>(view.pitch) * view.height) == 0);
    return 0;
}
