// PNG reading and writing through libpng.
//
// libpng reports errors by longjmp to the setjmp of the caller. The functions that
// call setjmp keep only trivially destructible state, so the jump skips nothing that
// owns memory; what they use is owned by their callers.
#include "image/png_codec.h"

#include <png.h>
#include <setjmp.h>
#include <stdint.h>

#include <algorithm>
#include <memory>
#include <new>

namespace {
// Rows libpng decodes or encodes per call; straight after they are decoded, the
// rows of a picture with alpha are premultiplied while they are still in cache.
constexpr int32_t kRowsPerCall = 16;
// The most memory one ancillary chunk (a colour profile, say) may take.
constexpr size_t kMaxChunkBytes = 8 * 1000 * 1000;
// Chunks libpng would read whole that nothing here uses: texts, calibrations, palettes
// suggested for displays. Five bytes each, the name and a zero.
constexpr png_byte kUnusedChunks[] = "tEXt\0zTXt\0iTXt\0pCAL\0sCAL\0sPLT";

void NoWarning(png_structp, png_const_charp) {}

// Errors come back as a longjmp; libpng prints nothing.
void ErrorJump(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void ReadFromSource(png_structp png, png_bytep data, size_t length) {
    auto* in = static_cast<ByteReader*>(png_get_io_ptr(png));
    if (!in->get(data, length)) png_error(png, "read past the end");
}

void WriteToSink(png_structp png, png_bytep data, size_t length) {
    if (!static_cast<FileSink*>(png_get_io_ptr(png))->write(data, length)) png_error(png, "write failed");
}

void NoFlush(png_structp) {}

void PremultiplyRows(const PixelView& rows) {
    for (int32_t k = 0; k < rows.height; ++k) {
        uint8_t* p = rows.row(k);
        for (int32_t x = 0; x < rows.width; ++x, p += 4) {
            const uint32_t a = p[3];
            if (a == 255) continue;
            p[0] = static_cast<uint8_t>(Premultiply(p[0], a));
            p[1] = static_cast<uint8_t>(Premultiply(p[1], a));
            p[2] = static_cast<uint8_t>(Premultiply(p[2], a));
        }
    }
}

struct ReadStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

struct WriteStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteStructs() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

struct Header {
    uint32_t width = 0, height = 0;
    bool alpha = false;
    int passes = 1;
};

// Reads the chunks up to the image data and sets the transforms that give B, G, R, A
// bytes of 8 bits: the layout of the pixel buffer.
bool ReadHeader(png_structp png, png_infop info, Header* header) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    header->passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    header->width = png_get_image_width(png, info);
    header->height = png_get_image_height(png, info);
    header->alpha = png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB_ALPHA;
    return png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 4 &&
           png_get_rowbytes(png, info) == size_t{header->width} * 4;
}

// rows holds the buffer's rows from the top of the picture.
bool ReadPixels(png_structp png, const PixelView& view, png_bytep* rows, bool interlaced) {
    if (setjmp(png_jmpbuf(png))) return false;
    if (interlaced) {
        png_read_image(png, rows);
        if (view.alpha) PremultiplyRows(view);
    } else {
        for (int32_t y = 0; y < view.height; y += kRowsPerCall) {
            const int32_t n = std::min(kRowsPerCall, view.height - y);
            png_read_rows(png, rows + y, nullptr, static_cast<uint32_t>(n));
            if (view.alpha) PremultiplyRows(view.band(view.height - y - n, n));
        }
    }
    png_read_end(png, nullptr);
    return true;
}

// With alpha, rows of straight R, G, B, A in straight; without, the buffer's own rows,
// which the transforms set here turn into R, G, B.
bool WritePixels(png_structp png, png_infop info, const PixelView& view, png_bytep straight) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<uint32_t>(view.width), static_cast<uint32_t>(view.height), 8,
                 view.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (!view.alpha) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    }
    png_bytep rows[kRowsPerCall];
    for (int32_t y = 0; y < view.height; y += kRowsPerCall) {
        const int32_t n = std::min(kRowsPerCall, view.height - y);
        for (int32_t i = 0; i < n; ++i) {
            const uint8_t* src = view.at(0, y + i);
            if (!view.alpha) {
                // libpng copies each row before it transforms it.
                rows[i] = const_cast<png_bytep>(src);
                continue;
            }
            png_bytep dst = straight + static_cast<size_t>(i) * view.width * 4;
            rows[i] = dst;
            for (int32_t x = 0; x < view.width; ++x, src += 4, dst += 4) {
                const uint32_t a = src[3];
                dst[0] = static_cast<uint8_t>(a == 255 ? src[2] : a ? Unpremultiply(src[2], a) : 0);
                dst[1] = static_cast<uint8_t>(a == 255 ? src[1] : a ? Unpremultiply(src[1], a) : 0);
                dst[2] = static_cast<uint8_t>(a == 255 ? src[0] : a ? Unpremultiply(src[0], a) : 0);
                dst[3] = static_cast<uint8_t>(a);
            }
        }
        png_write_rows(png, rows, static_cast<uint32_t>(n));
    }
    png_write_end(png, nullptr);
    return true;
}
}  // namespace

bool LoadPng(ByteSource& source, PixelStore& store) {
    ByteReader in(source);
    uint8_t signature[8];
    if (!in.get(signature, sizeof signature) || png_sig_cmp(signature, 0, sizeof signature) != 0) return false;
    ReadStructs s;
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorJump, NoWarning);
    if (!s.png || !(s.info = png_create_info_struct(s.png))) return false;
    png_set_read_fn(s.png, &in, ReadFromSource);
    png_set_sig_bytes(s.png, sizeof signature);
    // A chunk's length is the file's word: a few bytes claiming a gigabyte of text
    // would get a gigabyte allocated before the file is found short. The chunks no
    // pixel depends on are skipped unread, and the others bounded.
    png_set_keep_unknown_chunks(s.png, PNG_HANDLE_CHUNK_NEVER, kUnusedChunks, sizeof kUnusedChunks / 5);
    png_set_chunk_malloc_max(s.png, kMaxChunkBytes);

    Header header;
    if (!ReadHeader(s.png, s.info, &header)) return false;
    if (header.width > INT32_MAX || header.height > INT32_MAX) return false;
    const PixelView view =
        store.Allocate(static_cast<int32_t>(header.width), static_cast<int32_t>(header.height), header.alpha);
    if (view.empty()) return false;
    std::unique_ptr<png_bytep[]> rows(new (std::nothrow) png_bytep[view.height]);
    if (!rows) return false;
    for (int32_t y = 0; y < view.height; ++y) rows[y] = view.at(0, y);
    return ReadPixels(s.png, view, rows.get(), header.passes > 1);
}

bool SavePng(const char* fileName, const PixelView& view) {
    if (view.empty()) return false;
    std::unique_ptr<png_byte[]> straight;
    if (view.alpha) {
        straight.reset(new (std::nothrow) png_byte[static_cast<size_t>(view.width) * 4 * kRowsPerCall]);
        if (!straight) return false;
    }
    FileSink file(fileName);
    if (!file.ok()) return false;
    WriteStructs s;
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorJump, NoWarning);
    if (!s.png || !(s.info = png_create_info_struct(s.png))) return false;
    png_set_write_fn(s.png, &file, WriteToSink, NoFlush);
    return WritePixels(s.png, s.info, view, straight.get()) && file.close();
}
