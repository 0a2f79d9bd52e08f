// codec_loop: libpng and libjpeg-turbo called directly, doing the work the codec
// benchmark compares Image.load and save with, and the picture files it uses. Prints
// the time per repetition: the fastest of up to five batches, after one run outside
// the timing when there are more (noise on a shared machine only ever adds time).
//
//   codec_loop make FOLDER               writes the pictures below into FOLDER
//   codec_loop OPERATION COUNT FOLDER
//
//   load.png, load.png.alpha   png_read_rows of bench.png (RGB) or bench-alpha.png
//                              (RGBA), 16 rows a call, with the transforms that give
//                              B, G, R, A bytes (expand, strip 16, grey to RGB, BGR,
//                              filler) into a new buffer of 4 bytes a pixel; rows with
//                              alpha premultiplied as they arrive
//   load.jpg                   jpeg_read_scanlines of bench.jpg, 16 rows a call, into
//                              a new buffer as JCS_EXT_BGRA
//   save.png, save.png.alpha   png_write_rows of that buffer at the default compression:
//                              RGB from B, G, R, X rows (BGR and filler transforms), or
//                              RGBA un-premultiplied 16 rows at a time
//   save.jpg                   jpeg_write_scanlines of the buffer as JCS_EXT_BGRX at
//                              quality 90, 1 × 1 sampling
//
// The pictures are 6000 × 4000: gradients with noise of ±4 in every channel (as
// photographs compress, not as one colour does); bench-alpha.png adds alpha rising from
// 0 to 255 across the picture. bench.jpg is bench.png at quality 90, 1 × 1 sampling.
// bench.pam and bench-alpha.pam hold the pixels raw, for ImageMagick to read.
#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <png.h>
// jpeglib.h needs FILE and size_t first.
#include <jpeglib.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "clock.h"

namespace {
constexpr int kWidth = 6000, kHeight = 4000, kRowsPerCall = 16;
constexpr size_t kFileBuffer = 64 * 1024;

// Pixels B, G, R, A, top row first.
struct Picture {
    std::unique_ptr<uint8_t[]> bits;
    int width = 0, height = 0;
    bool alpha = false;

    bool allocate(int w, int h, bool a) {
        bits.reset(new (std::nothrow) uint8_t[static_cast<size_t>(w) * h * 4]);
        width = w, height = h, alpha = a;
        return bits != nullptr;
    }
    uint8_t* row(int y) const { return bits.get() + static_cast<size_t>(y) * width * 4; }
};

// A stdio file with a buffer of the codecs' size; closed on destruction.
struct File {
    FILE* f = nullptr;
    File(const std::string& path, const char* mode) : f(fopen(path.c_str(), mode)) {
        if (f) setvbuf(f, nullptr, _IOFBF, kFileBuffer);
    }
    ~File() {
        if (f) fclose(f);
    }
    bool close() {
        const bool ok = f && fclose(f) == 0;
        f = nullptr;
        return ok;
    }
};

// 255 * 65536 / a rounded up: c * kReciprocal[a] >> 16 is c * 255 / a for c, a <= 255.
struct Reciprocals {
    uint32_t of[256];
    Reciprocals() {
        of[0] = 0;
        for (uint32_t a = 1; a < 256; ++a) of[a] = (255u * 65536u + a - 1) / a;
    }
} const kReciprocal;

void Premultiply(uint8_t* p, size_t pixels) {
    for (size_t i = 0; i < pixels; ++i, p += 4) {
        const uint32_t a = p[3];
        if (a == 255) continue;
        p[0] = static_cast<uint8_t>(p[0] * a / 255);
        p[1] = static_cast<uint8_t>(p[1] * a / 255);
        p[2] = static_cast<uint8_t>(p[2] * a / 255);
    }
}

uint8_t Straight(uint32_t c, uint32_t a) {
    const uint32_t v = (c * kReciprocal.of[a]) >> 16;
    return static_cast<uint8_t>(v < 255 ? v : 255);
}

// --- PNG ---------------------------------------------------------------------

void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarning(png_structp, png_const_charp) {}

struct PngRead {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    ~PngRead() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

struct PngWrite {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    ~PngWrite() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

bool PngHeader(const PngRead& r, FILE* f, png_uint_32* w, png_uint_32* h, bool* alpha) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_init_io(r.png, f);
    png_read_info(r.png, r.info);
    png_set_expand(r.png);
    png_set_strip_16(r.png);
    png_set_gray_to_rgb(r.png);
    png_set_bgr(r.png);
    png_set_filler(r.png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(r.png, r.info);
    *w = png_get_image_width(r.png, r.info);
    *h = png_get_image_height(r.png, r.info);
    *alpha = png_get_color_type(r.png, r.info) == PNG_COLOR_TYPE_RGB_ALPHA;
    return png_get_rowbytes(r.png, r.info) == *w * 4;
}

bool PngRows(const PngRead& r, const Picture& p) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_bytep rows[kRowsPerCall];
    for (int y = 0; y < p.height; y += kRowsPerCall) {
        const int n = std::min(kRowsPerCall, p.height - y);
        for (int i = 0; i < n; ++i) rows[i] = p.row(y + i);
        png_read_rows(r.png, rows, nullptr, static_cast<png_uint_32>(n));
        if (p.alpha) Premultiply(p.row(y), static_cast<size_t>(n) * p.width);
    }
    png_read_end(r.png, nullptr);
    return true;
}

bool LoadPng(const std::string& path, Picture& p) {
    File file(path, "rb");
    PngRead r;
    png_uint_32 w = 0, h = 0;
    bool alpha = false;
    if (!file.f || !r.info || !PngHeader(r, file.f, &w, &h, &alpha)) return false;
    return p.allocate(static_cast<int>(w), static_cast<int>(h), alpha) && PngRows(r, p);
}

// straight: room for kRowsPerCall rows of RGBA, used when the picture has alpha.
bool PngWriteRows(const PngWrite& wr, FILE* f, const Picture& p, uint8_t* straight) {
    if (setjmp(png_jmpbuf(wr.png))) return false;
    png_init_io(wr.png, f);
    png_set_IHDR(wr.png, wr.info, static_cast<png_uint_32>(p.width), static_cast<png_uint_32>(p.height), 8,
                 p.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(wr.png, wr.info);
    if (!p.alpha) {
        png_set_bgr(wr.png);
        png_set_filler(wr.png, 0, PNG_FILLER_AFTER);
    }
    png_bytep rows[kRowsPerCall];
    for (int y = 0; y < p.height; y += kRowsPerCall) {
        const int n = std::min(kRowsPerCall, p.height - y);
        for (int i = 0; i < n; ++i) {
            if (!p.alpha) {
                rows[i] = p.row(y + i);
                continue;
            }
            const uint8_t* s = p.row(y + i);
            uint8_t* d = straight + static_cast<size_t>(i) * p.width * 4;
            rows[i] = d;
            for (int x = 0; x < p.width; ++x, s += 4, d += 4) {
                const uint32_t a = s[3];
                d[0] = a == 255 ? s[2] : a ? Straight(s[2], a) : 0;
                d[1] = a == 255 ? s[1] : a ? Straight(s[1], a) : 0;
                d[2] = a == 255 ? s[0] : a ? Straight(s[0], a) : 0;
                d[3] = static_cast<uint8_t>(a);
            }
        }
        png_write_rows(wr.png, rows, static_cast<png_uint_32>(n));
    }
    png_write_end(wr.png, nullptr);
    return true;
}

bool SavePng(const std::string& path, const Picture& p) {
    std::unique_ptr<uint8_t[]> straight(new (std::nothrow) uint8_t[static_cast<size_t>(p.width) * 4 * kRowsPerCall]);
    File file(path, "wb");
    PngWrite wr;
    return straight && file.f && wr.info && PngWriteRows(wr, file.f, p, straight.get()) && file.close();
}

// --- JPEG --------------------------------------------------------------------

struct JpegErrors {
    jpeg_error_mgr pub;
    jmp_buf jump;
};

void JpegError(j_common_ptr cinfo) { longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }
void JpegSilent(j_common_ptr) {}

struct JpegRead {
    JpegErrors errors;
    jpeg_decompress_struct cinfo = {};
    JpegRead() {
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = JpegError;
        errors.pub.output_message = JpegSilent;
        // Creation fails only when its first allocation does.
        if (setjmp(errors.jump)) return;
        jpeg_create_decompress(&cinfo);
    }
    ~JpegRead() { jpeg_destroy_decompress(&cinfo); }
};

struct JpegWrite {
    JpegErrors errors;
    jpeg_compress_struct cinfo = {};
    JpegWrite() {
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = JpegError;
        errors.pub.output_message = JpegSilent;
        // Creation fails only when its first allocation does.
        if (setjmp(errors.jump)) return;
        jpeg_create_compress(&cinfo);
    }
    ~JpegWrite() { jpeg_destroy_compress(&cinfo); }
};

bool JpegHeader(JpegRead& r, FILE* f) {
    if (setjmp(r.errors.jump)) return false;
    jpeg_stdio_src(&r.cinfo, f);
    jpeg_read_header(&r.cinfo, TRUE);
    r.cinfo.out_color_space = JCS_EXT_BGRA;
    return true;
}

bool JpegRows(JpegRead& r, const Picture& p) {
    if (setjmp(r.errors.jump)) return false;
    jpeg_start_decompress(&r.cinfo);
    JSAMPROW rows[kRowsPerCall];
    while (r.cinfo.output_scanline < r.cinfo.output_height) {
        const int y = static_cast<int>(r.cinfo.output_scanline);
        const int n = std::min(kRowsPerCall, p.height - y);
        for (int i = 0; i < n; ++i) rows[i] = p.row(y + i);
        jpeg_read_scanlines(&r.cinfo, rows, static_cast<JDIMENSION>(n));
    }
    jpeg_finish_decompress(&r.cinfo);
    return true;
}

bool LoadJpeg(const std::string& path, Picture& p) {
    File file(path, "rb");
    if (!file.f) return false;
    JpegRead r;
    if (!JpegHeader(r, file.f)) return false;
    return p.allocate(static_cast<int>(r.cinfo.image_width), static_cast<int>(r.cinfo.image_height), false) &&
           JpegRows(r, p);
}

bool JpegWriteRows(JpegWrite& wr, FILE* f, const Picture& p) {
    if (setjmp(wr.errors.jump)) return false;
    jpeg_stdio_dest(&wr.cinfo, f);
    wr.cinfo.image_width = static_cast<JDIMENSION>(p.width);
    wr.cinfo.image_height = static_cast<JDIMENSION>(p.height);
    wr.cinfo.input_components = 4;
    wr.cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&wr.cinfo);
    jpeg_set_quality(&wr.cinfo, 90, TRUE);
    wr.cinfo.comp_info[0].h_samp_factor = 1;
    wr.cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&wr.cinfo, TRUE);
    JSAMPROW rows[kRowsPerCall];
    while (wr.cinfo.next_scanline < wr.cinfo.image_height) {
        const int y = static_cast<int>(wr.cinfo.next_scanline);
        const int n = std::min(kRowsPerCall, p.height - y);
        for (int i = 0; i < n; ++i) rows[i] = p.row(y + i);
        jpeg_write_scanlines(&wr.cinfo, rows, static_cast<JDIMENSION>(n));
    }
    jpeg_finish_compress(&wr.cinfo);
    return true;
}

bool SaveJpeg(const std::string& path, const Picture& p) {
    File file(path, "wb");
    if (!file.f) return false;
    JpegWrite wr;
    return JpegWriteRows(wr, file.f, p) && file.close();
}

// --- the pictures ------------------------------------------------------------

// The straight pixels, raw, for ImageMagick.
bool SavePam(const std::string& path, const Picture& p) {
    File file(path, "wb");
    if (!file.f) return false;
    const int depth = p.alpha ? 4 : 3;
    fprintf(file.f, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH %d\nMAXVAL 255\nTUPLTYPE %s\nENDHDR\n", p.width, p.height,
            depth, p.alpha ? "RGB_ALPHA" : "RGB");
    std::unique_ptr<uint8_t[]> row(new uint8_t[static_cast<size_t>(p.width) * depth]);
    for (int y = 0; y < p.height; ++y) {
        const uint8_t* s = p.row(y);
        uint8_t* d = row.get();
        for (int x = 0; x < p.width; ++x, s += 4, d += depth) {
            const uint32_t a = p.alpha ? s[3] : 255;
            d[0] = a == 255 ? s[2] : a ? Straight(s[2], a) : 0;
            d[1] = a == 255 ? s[1] : a ? Straight(s[1], a) : 0;
            d[2] = a == 255 ? s[0] : a ? Straight(s[0], a) : 0;
            if (p.alpha) d[3] = static_cast<uint8_t>(a);
        }
        if (fwrite(row.get(), depth, p.width, file.f) != static_cast<size_t>(p.width)) return false;
    }
    return file.close();
}

bool Make(const std::string& folder) {
    Picture p;
    if (!p.allocate(kWidth, kHeight, false)) return false;
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* q = p.row(y);
        for (int x = 0; x < kWidth; ++x, q += 4) {
            const int base[3] = {x * 255 / kWidth, y * 255 / kHeight, (x + y) * 255 / (kWidth + kHeight)};
            for (int c = 0; c < 3; ++c) {
                seed = seed * 1103515245u + 12345u;
                const int v = base[c] + static_cast<int>((seed >> 16) % 9) - 4;
                q[c] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
            }
            q[3] = 255;
        }
    }
    if (!SavePng(folder + "\\bench.png", p) || !SaveJpeg(folder + "\\bench.jpg", p) ||
        !SavePam(folder + "\\bench.pam", p))
        return false;
    // Alpha across the picture, stored premultiplied as a loaded picture holds it.
    p.alpha = true;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* q = p.row(y);
        for (int x = 0; x < kWidth; ++x, q += 4) q[3] = static_cast<uint8_t>(x * 256 / kWidth);
        Premultiply(p.row(y), kWidth);
    }
    return SavePng(folder + "\\bench-alpha.png", p) && SavePam(folder + "\\bench-alpha.pam", p);
}

// Runs body count times (once before, when count > 1) in up to five batches; answers
// the fastest batch's time per run, or -1 when body failed. count becomes the number of
// timed runs.
template <class Body>
double Best(int& count, Body body) {
    const int batches = count < 5 ? count : 5, per = count / batches;
    const bool warm = count > 1;
    count = batches * per;
    if (warm && !body()) return -1;
    double best = 0;
    for (int b = 0; b < batches; ++b) {
        const double start = Now();
        for (int i = 0; i < per; ++i)
            if (!body()) return -1;
        const double ms = (Now() - start) / per;
        if (b == 0 || ms < best) best = ms;
    }
    return best;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "make") == 0) {
        if (Make(argv[2])) return 0;
        fprintf(stderr, "codec_loop: cannot write the pictures into %s\n", argv[2]);
        return 1;
    }
    if (argc != 4 || atoi(argv[2]) < 1) {
        fprintf(stderr, "usage: codec_loop make FOLDER | codec_loop OPERATION COUNT FOLDER\n");
        return 2;
    }
    const std::string op = argv[1], folder = argv[3];
    int count = atoi(argv[2]);
    const bool alpha = op.size() > 6 && op.compare(op.size() - 6, 6, ".alpha") == 0;
    const bool jpeg = op == "load.jpg" || op == "save.jpg";
    const std::string source = folder + (jpeg && op == "load.jpg" ? "\\bench.jpg" : alpha ? "\\bench-alpha.png" : "\\bench.png");
    const std::string target = folder + (jpeg ? "\\codec_loop.jpg" : "\\codec_loop.png");
    double ms = -1;
    const char* what = nullptr;
    if (op == "load.png" || op == "load.png.alpha") {
        what = "png_read_rows into a new buffer";
        ms = Best(count, [&] {
            Picture p;
            return LoadPng(source, p);
        });
    } else if (op == "load.jpg") {
        what = "jpeg_read_scanlines into a new buffer";
        ms = Best(count, [&] {
            Picture p;
            return LoadJpeg(source, p);
        });
    } else if (op == "save.png" || op == "save.png.alpha" || op == "save.jpg") {
        Picture p;
        if (!LoadPng(source, p)) {
            fprintf(stderr, "codec_loop %s: cannot read %s\n", op.c_str(), source.c_str());
            return 1;
        }
        what = jpeg ? "jpeg_write_scanlines, quality 90, 1 x 1" : "png_write_rows, default compression";
        ms = Best(count, [&] { return jpeg ? SaveJpeg(target, p) : SavePng(target, p); });
        remove(target.c_str());
    } else {
        fprintf(stderr, "codec_loop: unknown operation %s\n", op.c_str());
        return 2;
    }
    if (ms < 0) {
        fprintf(stderr, "codec_loop %s: failed\n", op.c_str());
        return 1;
    }
    printf("%-16s %4d x %10.1f ms  %s\n", op.c_str(), count, ms, what);
    return 0;
}
