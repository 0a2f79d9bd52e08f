// Fuzzes the TGA reader with any bytes. A file that decodes has pixels for its whole
// size; it goes into a buffer, and back out as a TGA of the same size and alpha whose
// opaque pixels keep their colour. Loading the same bytes a few rows at a time, through
// a small read buffer, gives the same verdict and the same buffer.
#include "check.h"
#include "image/tga32.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const ReadSizes sizes = ReadSizesOf(data, size);
    tga32 tga;
    const bool decoded = tga.decode(data, size);
    MemorySource source(data, size);
    MemoryPixels streamed;
    const bool loaded = LoadTga(source, streamed, sizes.piece, sizes.buffer);
    Check(loaded == decoded);
    if (!decoded) {
        Check(!tga.pixels() && tga.width() == 0);
        return 0;
    }
    Check(tga.pixels() && tga.width() > 0 && tga.height() > 0);
    Check(tga.byteCount() <= (size - tga32::kHeaderSize) * 128);
    MemoryPixels pixels;
    if (!TgaToPixels(tga, pixels)) return 0;
    const PixelView& view = pixels.view();
    Check(view.width == tga.width() && view.height == tga.height() && view.alpha == tga.alpha());
    Check(memcmp(view.bits, streamed.view().bits, static_cast<size_t>(view.pitch) * view.height) == 0);
    tga32 again = PixelsToTga(view);
    Check(again.width() == tga.width() && again.height() == tga.height() && again.alpha() == tga.alpha());
    const int32_t bpp = tga.bytesPerPixel();
    for (size_t i = 0; i < tga.byteCount(); i += bpp) {
        const uint8_t* a = tga.pixels() + i;
        if (bpp == 3 || a[3] == 255) Check(memcmp(a, again.pixels() + i, bpp) == 0);
        else if (a[3] == 0) Check(memcmp("\0\0\0", again.pixels() + i, 4) == 0);
    }
    uint8_t head[tga32::kHeaderSize];
    again.header(head);
    Check(head[2] == 2 && head[16] == bpp * 8);
    return 0;
}
