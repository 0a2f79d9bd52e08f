// The BMP codec: uncompressed files of 1, 4, 8 and 24 bits in, 24-bit files out, and
// the conversion of packed rows shared with the image plug-ins; free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "image/file_bytes.h"
#include "image/pixel_view.h"

// Bytes of one packed row of width pixels at bitCount bits, padded to 4 bytes; 0 for
// a bit count other than 1, 4, 8 and 24.
uint64_t PackedRowBytes(int32_t width, int bitCount);

// Converts packed rows into an opaque buffer of the picture's size. Rows come bottom-up
// (top-down when topDown), each PackedRowBytes long; only the complete rows within
// rowsSize are converted. Palette entries are B, G, R, reserved; an index beyond the
// paletteCount entries gives black.
void convertPackedRows(const PixelView& view, const uint8_t* palette, size_t paletteCount, const uint8_t* rows,
                       size_t rowsSize, int bitCount, bool topDown = false);

// Decodes a file's bytes into a buffer made by the store.
bool DecodeBmp(ByteSource& source, PixelStore& store, size_t pieceBytes = kRowChunkBytes,
               size_t bufferBytes = kReadBufferBytes);
bool DecodeBmp(const uint8_t* data, size_t size, PixelStore& store);

constexpr size_t kBmpHeaderSize = 54;
// The file and info headers of a 24-bit file of the buffer's size, and its rows
// (PackedRowBytes(width, 24) × height bytes): B, G, R of each pixel as stored, alpha
// dropped.
void BmpHeader(const PixelView& view, uint8_t out[kBmpHeaderSize]);
void BmpRows(const PixelView& view, uint8_t* out);
// Writes the file a piece of rows at a time; false when the buffer has no pixels or
// the file cannot be written.
bool writeBmp(const char* fileName, const PixelView& view);
