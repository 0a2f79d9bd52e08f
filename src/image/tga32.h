// tga32: a TGA picture in the file's own pixel order, and its codec; free of
// platform headers. Reads true-colour files (types 2 and 10, 24 and 32 bits) and
// writes uncompressed ones.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <memory>

#include "image/file_bytes.h"
#include "image/pixel_view.h"

// Reads a TGA file's header and then its rows in the file's own order, a piece at a
// time, decoding run-length packets as they come.
class TgaReader {
public:
    explicit TgaReader(ByteSource& source, size_t bufferBytes = kReadBufferBytes);
    // Reads and checks the header; false for anything but a true-colour file whose
    // remaining bytes can hold its pixels.
    bool open();
    // The next count rows, width × bytesPerPixel bytes each, as stored in the file.
    bool rows(uint8_t* out, int32_t count);
    // True when no packet runs on past the rows read so far.
    bool done() const;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t bytesPerPixel() const { return bpp_; }
    bool rightToLeft() const { return (descriptor_ & 0x10) != 0; }
    bool topToBottom() const { return (descriptor_ & 0x20) != 0; }

private:
    ByteReader in_;
    int32_t width_ = 0, height_ = 0, bpp_ = 3;
    bool runLength_ = false;
    uint8_t descriptor_ = 0;
    // The packet being decoded: pixels left, raw or a run of one pixel.
    int32_t left_ = 0;
    bool raw_ = false;
    uint8_t run_[4] = {};
};

class tga32 {
public:
    static constexpr size_t kHeaderSize = 18;

    tga32() = default;
    // A zero-filled picture (none when either side is zero or below).
    tga32(int32_t width, int32_t height, bool alpha);

    void clear();
    // Decodes a file's bytes; rows end up bottom-up, left to right. False (and
    // cleared) for anything but a complete true-colour file.
    bool decode(ByteSource& source);
    bool decode(const uint8_t* data, size_t size);
    // The 18 header bytes of the picture as written: uncompressed, bottom-left origin.
    void header(uint8_t out[kHeaderSize]) const;

    uint8_t* pixels() const { return pixels_.get(); }
    size_t byteCount() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_) * bytesPerPixel_; }
    int32_t bytesPerPixel() const { return bytesPerPixel_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool alpha() const { return alpha_; }

private:
    bool allocate(int32_t width, int32_t height, int32_t bytesPerPixel);

    std::unique_ptr<uint8_t[]> pixels_;
    int32_t bytesPerPixel_ = 3;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool alpha_ = false;
};

// The picture into a buffer made by the store, premultiplied when it has alpha.
bool TgaToPixels(const tga32& tga, PixelStore& store);
// The same straight from a file's bytes, pieceBytes of rows at a time, without a tga32.
bool LoadTga(ByteSource& source, PixelStore& store, size_t pieceBytes = kRowChunkBytes,
             size_t bufferBytes = kReadBufferBytes);
// A buffer's picture as a TGA, with straight alpha when the buffer has alpha.
tga32 PixelsToTga(const PixelView& view);
// The same written straight to a file, a piece of rows at a time; false when the
// buffer has no pixels, a side does not fit in 16 bits, or the file cannot be written.
bool WriteTgaFile(const char* fileName, const PixelView& view);
