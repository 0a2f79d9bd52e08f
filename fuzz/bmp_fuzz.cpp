// Fuzzes the BMP reader with any bytes. A file that decodes gives an opaque buffer of
// its header's size; writing that buffer out and decoding it again gives the same pixels.
#include "image/bmp_codec.h"

#include <string.h>

#include <vector>

namespace {
void Check(bool ok) {
    if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    MemoryPixels pixels;
    if (!DecodeBmp(data, size, pixels)) return 0;
    const PixelView& view = pixels.view();
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
