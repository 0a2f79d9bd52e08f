// The TGA codec: header checks, run-length decoding, orientation, and the copies
// between file pixels and premultiplied buffers.
#include "image/tga32.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <new>

namespace {

constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kRunLengthTrueColour = 10;

// The header of an uncompressed picture with a bottom-left origin.
void PutHeader(uint8_t out[tga32::kHeaderSize], int32_t width, int32_t height, bool alpha) {
    memset(out, 0, tga32::kHeaderSize);
    out[2] = kTrueColour;
    out[12] = static_cast<uint8_t>(width);
    out[13] = static_cast<uint8_t>(width >> 8);
    out[14] = static_cast<uint8_t>(height);
    out[15] = static_cast<uint8_t>(height >> 8);
    out[16] = alpha ? 32 : 24;
    out[17] = alpha ? 8 : 0;  // eight alpha bits
}

// One memory row of a buffer as a TGA row: B, G, R, and straight alpha at 4 bytes.
void TgaRow(const uint8_t* src, uint8_t* dst, int32_t width, int32_t bpp) {
    if (bpp == 3) {
        for (int32_t x = 0; x < width; ++x, src += 4, dst += 3) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
        return;
    }
    for (int32_t x = 0; x < width; ++x, src += 4, dst += 4) {
        const uint32_t a = src[3];
        if (a == 255) {
            memcpy(dst, src, 4);
            continue;
        }
        dst[0] = static_cast<uint8_t>(Unpremultiply(src[0], a));
        dst[1] = static_cast<uint8_t>(Unpremultiply(src[1], a));
        dst[2] = static_cast<uint8_t>(Unpremultiply(src[2], a));
        dst[3] = static_cast<uint8_t>(a);
    }
}

// One file row into a memory row of a buffer: A = 255 at 3 bytes per pixel, colours
// premultiplied at 4; step is -4 for a row stored right to left.
void PixelRow(const uint8_t* src, uint8_t* dst, int32_t width, int32_t bpp, int step) {
    if (step < 0) dst += 4 * static_cast<ptrdiff_t>(width - 1);
    if (bpp == 3) {
        for (int32_t x = 0; x < width; ++x, src += 3, dst += step) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 255;
        }
        return;
    }
    for (int32_t x = 0; x < width; ++x, src += 4, dst += step) {
        const uint32_t a = src[3];
        dst[0] = static_cast<uint8_t>(Premultiply(src[0], a));
        dst[1] = static_cast<uint8_t>(Premultiply(src[1], a));
        dst[2] = static_cast<uint8_t>(Premultiply(src[2], a));
        dst[3] = static_cast<uint8_t>(a);
    }
}
}  // namespace

TgaReader::TgaReader(ByteSource& source, size_t bufferBytes) : in_(source, bufferBytes) {}

bool TgaReader::open() {
    uint8_t head[tga32::kHeaderSize];
    if (!in_.get(head, sizeof head)) return false;
    const uint8_t mapType = head[1], type = head[2], depth = head[16];
    if (mapType != 0 || (type != kTrueColour && type != kRunLengthTrueColour) || (depth != 24 && depth != 32))
        return false;
    if (!in_.skip(head[0])) return false;  // the image ID
    width_ = Le16(head + 12);
    height_ = Le16(head + 14);
    bpp_ = depth / 8;
    runLength_ = type == kRunLengthTrueColour;
    descriptor_ = head[17];
    // Refuse before anything is allocated when the file cannot hold that many pixels:
    // a raw pixel takes bpp bytes, and a packet of at least 1 + bpp bytes gives at
    // most 128.
    const uint64_t pixels = uint64_t{static_cast<uint32_t>(width_)} * static_cast<uint32_t>(height_);
    const uint64_t available = in_.remaining();
    return runLength_ ? pixels <= available / (1 + bpp_) * 128 : pixels * bpp_ <= available;
}

bool TgaReader::rows(uint8_t* out, int32_t count) {
    const size_t total = static_cast<size_t>(width_) * bpp_ * count;
    if (!runLength_) return in_.get(out, total);
    // A packet may run on into the next row, and into the next call.
    size_t filled = 0;
    while (filled < total) {
        if (left_ == 0) {
            uint8_t packet;
            if (!in_.get(&packet, 1)) return false;
            left_ = (packet & 127) + 1;
            raw_ = packet < 128;
            if (!raw_ && !in_.get(run_, bpp_)) return false;
        }
        const size_t pixels = std::min<size_t>(left_, (total - filled) / bpp_);
        if (raw_) {
            if (!in_.get(out + filled, pixels * bpp_)) return false;
        } else {
            for (size_t i = 0; i < pixels; ++i) memcpy(out + filled + i * bpp_, run_, bpp_);
        }
        filled += pixels * bpp_;
        left_ -= static_cast<int32_t>(pixels);
    }
    return true;
}

bool TgaReader::done() const { return left_ == 0; }

tga32::tga32(int32_t width, int32_t height, bool alpha) {
    if (allocate(width, height, alpha ? 4 : 3)) memset(pixels_.get(), 0, byteCount());
}

bool tga32::allocate(int32_t width, int32_t height, int32_t bytesPerPixel) {
    clear();
    if (!PixelSizeAllowed(width, height)) return false;
    pixels_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerPixel]);
    if (!pixels_) return false;
    width_ = width;
    height_ = height;
    bytesPerPixel_ = bytesPerPixel;
    alpha_ = bytesPerPixel == 4;
    return true;
}

void tga32::clear() {
    pixels_.reset();
    bytesPerPixel_ = 3;
    width_ = height_ = 0;
    alpha_ = false;
}

bool tga32::decode(const uint8_t* data, size_t size) {
    MemorySource source(data, size);
    return decode(source);
}

bool tga32::decode(ByteSource& source) {
    clear();
    TgaReader reader(source);
    if (!reader.open() || !allocate(reader.width(), reader.height(), reader.bytesPerPixel())) return false;
    uint8_t* out = pixels_.get();
    if (!reader.rows(out, height_) || !reader.done()) return clear(), false;

    // Bottom-left origin, left to right, whatever order the file used.
    const size_t rowBytes = static_cast<size_t>(width_) * bytesPerPixel_;
    const int32_t bpp = bytesPerPixel_;
    if (reader.rightToLeft()) {
        for (int32_t y = 0; y < height_; ++y) {
            uint8_t* left = out + y * rowBytes;
            uint8_t* right = left + rowBytes - bpp;
            for (; left < right; left += bpp, right -= bpp) std::swap_ranges(left, left + bpp, right);
        }
    }
    if (reader.topToBottom()) {
        for (int32_t y = 0; y < height_ / 2; ++y)
            std::swap_ranges(out + y * rowBytes, out + (y + 1) * rowBytes, out + (height_ - 1 - y) * rowBytes);
    }
    return true;
}

void tga32::header(uint8_t out[kHeaderSize]) const { PutHeader(out, width_, height_, alpha_); }

bool TgaToPixels(const tga32& tga, PixelStore& store) {
    if (!tga.pixels()) return false;
    PixelView view = store.Allocate(tga.width(), tga.height(), tga.alpha());
    if (view.empty()) return false;
    const size_t rowBytes = static_cast<size_t>(view.width) * tga.bytesPerPixel();
    for (int32_t k = 0; k < view.height; ++k)
        PixelRow(tga.pixels() + k * rowBytes, view.row(k), view.width, tga.bytesPerPixel(), 4);
    return true;
}

bool LoadTga(ByteSource& source, PixelStore& store, size_t pieceBytes, size_t bufferBytes) {
    TgaReader reader(source, bufferBytes);
    if (!reader.open()) return false;
    const int32_t width = reader.width(), height = reader.height(), bpp = reader.bytesPerPixel();
    PixelView view = store.Allocate(width, height, bpp == 4);
    if (view.empty()) return false;
    // Rows are decoded a piece at a time and put where the file's origin says.
    const size_t rowBytes = static_cast<size_t>(width) * bpp;
    RowPiece piece;
    if (!piece.allocate(rowBytes, height, pieceBytes)) return false;
    const int step = reader.rightToLeft() ? -4 : 4;
    for (int32_t j = 0; j < height; j += piece.rows()) {
        const int32_t n = std::min(piece.rows(), height - j);
        if (!reader.rows(piece.data(), n)) return false;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t k = reader.topToBottom() ? height - 1 - (j + i) : j + i;
            PixelRow(piece.data() + i * rowBytes, view.row(k), width, bpp, step);
        }
    }
    return reader.done();
}

tga32 PixelsToTga(const PixelView& view) {
    if (view.empty()) return tga32();
    tga32 tga(view.width, view.height, view.alpha);
    if (!tga.pixels()) return tga;
    const size_t rowBytes = static_cast<size_t>(view.width) * tga.bytesPerPixel();
    for (int32_t k = 0; k < view.height; ++k)
        TgaRow(view.row(k), tga.pixels() + k * rowBytes, view.width, tga.bytesPerPixel());
    return tga;
}

bool WriteTgaFile(const char* fileName, const PixelView& view) {
    if (view.empty() || view.width > 0xFFFF || view.height > 0xFFFF) return false;
    const int32_t bpp = view.alpha ? 4 : 3;
    const size_t rowBytes = static_cast<size_t>(view.width) * bpp;
    RowPiece piece;
    if (!piece.allocate(rowBytes, view.height)) return false;
    uint8_t head[tga32::kHeaderSize];
    PutHeader(head, view.width, view.height, view.alpha);
    FileSink file(fileName);
    if (!file.write(head, sizeof head)) return false;
    for (int32_t k = 0; k < view.height; k += piece.rows()) {
        const int32_t n = std::min(piece.rows(), view.height - k);
        for (int32_t i = 0; i < n; ++i) TgaRow(view.row(k + i), piece.data() + i * rowBytes, view.width, bpp);
        if (!file.write(piece.data(), rowBytes * n)) return false;
    }
    return file.close();
}
