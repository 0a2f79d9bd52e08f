// BMP reading and writing, and packed rows into 32-bit pixels.
#include "image/bmp_codec.h"

#include <string.h>

#include <algorithm>
#include <memory>
#include <new>

#include "image/file_bytes.h"

namespace {
void PutLe16(uint8_t* p, uint32_t v) { p[0] = static_cast<uint8_t>(v); p[1] = static_cast<uint8_t>(v >> 8); }
void PutLe32(uint8_t* p, uint32_t v) { PutLe16(p, v); PutLe16(p + 2, v >> 16); }

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
// The largest info header (124 bytes) and a palette of 256 entries, with room to spare.
constexpr size_t kMaxHeaderBlock = 2048;

void PutPalette(uint8_t* dst, const uint8_t* palette, size_t count, unsigned index) {
    if (index < count) {
        const uint8_t* e = palette + 4 * index;
        dst[0] = e[0];
        dst[1] = e[1];
        dst[2] = e[2];
    } else {
        dst[0] = dst[1] = dst[2] = 0;
    }
    dst[3] = 255;
}
}  // namespace

uint64_t PackedRowBytes(int32_t width, int bitCount) {
    if (width <= 0 || (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)) return 0;
    return (uint64_t{static_cast<uint32_t>(width)} * bitCount + 31) / 32 * 4;
}

void convertPackedRows(const PixelView& view, const uint8_t* palette, size_t paletteCount, const uint8_t* rows,
                       size_t rowsSize, int bitCount, bool topDown) {
    const uint64_t stride = PackedRowBytes(view.width, bitCount);
    if (view.empty() || stride == 0 || !rows) return;
    if (!palette) paletteCount = 0;
    const uint64_t complete = rowsSize / stride;
    const int32_t count = complete < static_cast<uint64_t>(view.height) ? static_cast<int32_t>(complete) : view.height;
    for (int32_t j = 0; j < count; ++j) {
        const uint8_t* src = rows + j * stride;
        uint8_t* dst = view.row(topDown ? view.height - 1 - j : j);
        const int32_t w = view.width;
        switch (bitCount) {
        case 24:
            for (int32_t x = 0; x < w; ++x, src += 3, dst += 4) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = 255;
            }
            break;
        case 8:
            for (int32_t x = 0; x < w; ++x, dst += 4) PutPalette(dst, palette, paletteCount, src[x]);
            break;
        case 4:
            for (int32_t x = 0; x < w; ++x, dst += 4)
                PutPalette(dst, palette, paletteCount, (src[x / 2] >> (x % 2 ? 0 : 4)) & 15);
            break;
        case 1:
            for (int32_t x = 0; x < w; ++x, dst += 4)
                PutPalette(dst, palette, paletteCount, (src[x / 8] >> (7 - x % 8)) & 1);
            break;
        }
    }
}

bool DecodeBmp(const uint8_t* data, size_t size, PixelStore& store) {
    MemorySource source(data, size);
    return DecodeBmp(source, store);
}

bool DecodeBmp(ByteSource& source, PixelStore& store, size_t pieceBytes, size_t bufferBytes) {
    ByteReader in(source, bufferBytes);
    uint8_t fileHeader[kFileHeaderSize];
    if (!in.get(fileHeader, kFileHeaderSize) || fileHeader[0] != 0x42 || fileHeader[1] != 0x4D) return false;
    // The header block (info header and palette) runs up to the pixel data. Of a
    // block larger than any info header with a full palette, only the start is kept.
    const uint32_t offset = Le32(fileHeader + 10);
    if (offset < kFileHeaderSize + kInfoHeaderSize || offset - kFileHeaderSize > in.remaining()) return false;
    const size_t blockSize = offset - kFileHeaderSize;
    uint8_t block[kMaxHeaderBlock];
    const size_t kept = blockSize < sizeof block ? blockSize : sizeof block;
    if (!in.get(block, kept) || !in.skip(blockSize - kept)) return false;

    const uint32_t infoSize = Le32(block);
    if (infoSize < kInfoHeaderSize || infoSize > blockSize) return false;
    const int32_t width = static_cast<int32_t>(Le32(block + 4));
    const int32_t height = static_cast<int32_t>(Le32(block + 8));
    const int bitCount = Le16(block + 14);
    const uint32_t compression = Le32(block + 16), used = Le32(block + 32);
    // A negative height marks rows stored top-down.
    if (compression != 0 || height == 0 || height == INT32_MIN) return false;
    const int32_t rows = height < 0 ? -height : height;
    const bool topDown = height < 0;
    const uint64_t stride = PackedRowBytes(width, bitCount);
    if (stride == 0 || stride * static_cast<uint64_t>(rows) > in.remaining()) return false;

    // The palette follows the info header, whatever its size; only the entries the
    // header block holds are used.
    size_t paletteCount = 0;
    const uint8_t* palette = infoSize < kept ? block + infoSize : nullptr;
    if (bitCount <= 8 && palette) {
        const size_t full = size_t{1} << bitCount;
        paletteCount = used != 0 && used < full ? used : full;
        const size_t room = (kept - infoSize) / 4;
        if (paletteCount > room) paletteCount = room;
    }
    PixelView view = store.Allocate(width, rows, false);
    if (view.empty()) return false;

    // Rows are read and converted a piece at a time, so the file is never held whole.
    RowPiece piece;
    if (!piece.allocate(stride, rows, pieceBytes)) return false;
    for (int32_t j = 0; j < rows; j += piece.rows()) {
        const int32_t n = std::min(piece.rows(), rows - j);
        const size_t bytes = static_cast<size_t>(stride) * n;
        if (!in.get(piece.data(), bytes)) return false;
        // File rows j .. j + n - 1, bottom-up in memory unless the file is top-down.
        convertPackedRows(view.band(topDown ? rows - j - n : j, n), palette, paletteCount, piece.data(), bytes,
                          bitCount, topDown);
    }
    return true;
}

void BmpHeader(const PixelView& view, uint8_t out[kBmpHeaderSize]) {
    memset(out, 0, kBmpHeaderSize);
    const uint64_t fileSize = kBmpHeaderSize + PackedRowBytes(view.width, 24) * static_cast<uint64_t>(view.height);
    out[0] = 0x42;
    out[1] = 0x4D;
    PutLe32(out + 2, fileSize <= UINT32_MAX ? static_cast<uint32_t>(fileSize) : 0);
    PutLe32(out + 10, kBmpHeaderSize);
    uint8_t* info = out + kFileHeaderSize;
    PutLe32(info, kInfoHeaderSize);
    PutLe32(info + 4, static_cast<uint32_t>(view.width));
    PutLe32(info + 8, static_cast<uint32_t>(view.height));
    PutLe16(info + 12, 1);
    PutLe16(info + 14, 24);
}

void BmpRows(const PixelView& view, uint8_t* out) {
    const uint64_t stride = PackedRowBytes(view.width, 24);
    if (view.empty() || stride == 0) return;
    for (int32_t k = 0; k < view.height; ++k) {
        const uint8_t* src = view.row(k);
        uint8_t* dst = out + k * stride;
        int32_t x = 0;
        for (; x < view.width; ++x, src += 4, dst += 3) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
        for (uint64_t pad = 3 * static_cast<uint64_t>(x); pad < stride; ++pad) *dst++ = 0;
    }
}

bool writeBmp(const char* fileName, const PixelView& view) {
    const uint64_t stride = PackedRowBytes(view.width, 24);
    RowPiece piece;
    if (view.empty() || !piece.allocate(stride, view.height)) return false;
    uint8_t header[kBmpHeaderSize];
    BmpHeader(view, header);
    FileSink file(fileName);
    if (!file.write(header, kFileHeaderSize) || !file.write(header + kFileHeaderSize, kInfoHeaderSize)) return false;
    for (int32_t k = 0; k < view.height; k += piece.rows()) {
        const int32_t n = std::min(piece.rows(), view.height - k);
        BmpRows(view.band(k, n), piece.data());
        if (!file.write(piece.data(), static_cast<size_t>(stride) * n)) return false;
    }
    return file.close();
}
