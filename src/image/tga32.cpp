// The TGA codec: header checks, run-length decoding, orientation, and the copies
// between file pixels and premultiplied buffers.
#include "image/tga32.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <new>

#include "image/file_bytes.h"

namespace {
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kRunLengthTrueColour = 10;
constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopToBottom = 0x20;
}  // namespace

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
    clear();
    if (size < kHeaderSize) return false;
    const uint8_t idLength = data[0], mapType = data[1], type = data[2], depth = data[16], descriptor = data[17];
    if (mapType != 0 || (type != kTrueColour && type != kRunLengthTrueColour) || (depth != 24 && depth != 32))
        return false;
    const int32_t width = Le16(data + 12), height = Le16(data + 14), bpp = depth / 8;
    size_t pos = kHeaderSize + idLength;
    if (pos > size) return false;
    const uint64_t pixelCount = uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height);
    const uint64_t available = size - pos;
    // Refuse before allocating when the file cannot hold that many pixels: a raw
    // pixel takes bpp bytes, and a packet of at least 1 + bpp bytes gives at most 128.
    if (type == kTrueColour ? pixelCount * bpp > available : pixelCount > available / (1 + bpp) * 128)
        return false;
    if (!allocate(width, height, bpp)) return false;

    uint8_t* out = pixels_.get();
    const size_t total = byteCount();
    if (type == kTrueColour) {
        memcpy(out, data + pos, total);
    } else {
        size_t filled = 0;
        while (filled < total) {
            if (pos >= size) return clear(), false;
            const uint8_t packet = data[pos++];
            const size_t bytes = static_cast<size_t>((packet & 127) + 1) * bpp;
            if (bytes > total - filled) return clear(), false;
            if (packet < 128) {
                if (bytes > size - pos) return clear(), false;
                memcpy(out + filled, data + pos, bytes);
                pos += bytes;
            } else {
                if (static_cast<size_t>(bpp) > size - pos) return clear(), false;
                for (size_t i = 0; i < bytes; i += bpp) memcpy(out + filled + i, data + pos, bpp);
                pos += bpp;
            }
            filled += bytes;
        }
    }

    // Bottom-left origin, left to right, whatever order the file used.
    const size_t rowBytes = static_cast<size_t>(width) * bpp;
    if (descriptor & kRightToLeft) {
        for (int32_t y = 0; y < height; ++y) {
            uint8_t* left = out + y * rowBytes;
            uint8_t* right = left + rowBytes - bpp;
            for (; left < right; left += bpp, right -= bpp) std::swap_ranges(left, left + bpp, right);
        }
    }
    if (descriptor & kTopToBottom) {
        for (int32_t y = 0; y < height / 2; ++y)
            std::swap_ranges(out + y * rowBytes, out + (y + 1) * rowBytes, out + (height - 1 - y) * rowBytes);
    }
    return true;
}

bool tga32::readTga(const char* fileName) {
    FileBytes file;
    if (!file.read(fileName)) return false;
    return decode(file.data(), file.size());
}

void tga32::header(uint8_t out[kHeaderSize]) const {
    memset(out, 0, kHeaderSize);
    out[2] = kTrueColour;
    out[12] = static_cast<uint8_t>(width_);
    out[13] = static_cast<uint8_t>(width_ >> 8);
    out[14] = static_cast<uint8_t>(height_);
    out[15] = static_cast<uint8_t>(height_ >> 8);
    out[16] = static_cast<uint8_t>(bytesPerPixel_ * 8);
    out[17] = alpha_ ? 8 : 0;  // eight alpha bits, bottom-left origin
}

bool tga32::writeTga(const char* fileName) const {
    if (!pixels_ || width_ > 0xFFFF || height_ > 0xFFFF) return false;
    uint8_t head[kHeaderSize];
    header(head);
    return WriteFileBytes(fileName, {{head, kHeaderSize}, {pixels_.get(), byteCount()}});
}

bool TgaToPixels(const tga32& tga, PixelStore& store) {
    if (!tga.pixels()) return false;
    PixelView view = store.Allocate(tga.width(), tga.height(), tga.alpha());
    if (view.empty()) return false;
    const int32_t bpp = tga.bytesPerPixel();
    for (int32_t k = 0; k < view.height; ++k) {
        const uint8_t* src = tga.pixels() + static_cast<size_t>(k) * view.width * bpp;
        uint8_t* dst = view.row(k);
        if (bpp == 3) {
            for (int32_t x = 0; x < view.width; ++x, src += 3, dst += 4) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = 255;
            }
        } else {
            for (int32_t x = 0; x < view.width; ++x, src += 4, dst += 4) {
                const uint32_t a = src[3];
                dst[0] = static_cast<uint8_t>(Premultiply(src[0], a));
                dst[1] = static_cast<uint8_t>(Premultiply(src[1], a));
                dst[2] = static_cast<uint8_t>(Premultiply(src[2], a));
                dst[3] = static_cast<uint8_t>(a);
            }
        }
    }
    return true;
}

tga32 PixelsToTga(const PixelView& view) {
    if (view.empty()) return tga32();
    tga32 tga(view.width, view.height, view.alpha);
    if (!tga.pixels()) return tga;
    const int32_t bpp = tga.bytesPerPixel();
    for (int32_t k = 0; k < view.height; ++k) {
        const uint8_t* src = view.row(k);
        uint8_t* dst = tga.pixels() + static_cast<size_t>(k) * view.width * bpp;
        if (bpp == 3) {
            for (int32_t x = 0; x < view.width; ++x, src += 4, dst += 3) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
            }
        } else {
            for (int32_t x = 0; x < view.width; ++x, src += 4, dst += 4) {
                const uint32_t a = src[3];
                dst[0] = static_cast<uint8_t>(Unpremultiply(src[0], a));
                dst[1] = static_cast<uint8_t>(Unpremultiply(src[1], a));
                dst[2] = static_cast<uint8_t>(Unpremultiply(src[2], a));
                dst[3] = static_cast<uint8_t>(a);
            }
        }
    }
    return tga;
}
