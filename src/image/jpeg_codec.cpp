// JPEG reading and writing through libjpeg-turbo.
//
// The library's fatal errors longjmp back to the setjmp of the caller. The functions
// that call setjmp keep only trivially destructible state; what they use is owned by
// their callers. The decoder writes its B, G, R, A output straight into the buffer's
// rows, and the encoder reads them straight from there.
#include "image/jpeg_codec.h"

#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>  // jpeglib.h needs FILE and size_t first

#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <memory>
#include <new>

namespace {
constexpr int32_t kRowsPerCall = 16;

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
};

void ErrorJump(j_common_ptr cinfo) { longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
// Warnings and traces are not printed.
void Silent(j_common_ptr) {}

void SetUpErrors(ErrorManager& errors) {
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorJump;
    errors.pub.output_message = Silent;
}

// A source manager over a ByteSource that behaves as the library's stdio source: an
// empty input is an error, input ending early gets a fake end-of-image marker and a
// warning, so that the rows decoded so far are kept.
struct SourceManager {
    jpeg_source_mgr pub;
    ByteSource* source;
    JOCTET* buffer;
    bool started;
};

void InitSource(j_decompress_ptr cinfo) { reinterpret_cast<SourceManager*>(cinfo->src)->started = false; }

boolean FillInput(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<SourceManager*>(cinfo->src);
    size_t n = src->source->read(src->buffer, kReadBufferBytes);
    if (n == 0) {
        if (!src->started) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = n;
    src->started = true;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<SourceManager*>(cinfo->src);
    if (count <= 0) return;
    while (static_cast<size_t>(count) > src->pub.bytes_in_buffer) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        FillInput(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

struct DestinationManager {
    jpeg_destination_mgr pub;
    FileSink* sink;
    JOCTET* buffer;
};

void InitDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DestinationManager*>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kReadBufferBytes;
}

boolean EmptyOutput(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DestinationManager*>(cinfo->dest);
    if (!dest->sink->write(dest->buffer, kReadBufferBytes)) ERREXIT(cinfo, JERR_FILE_WRITE);
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DestinationManager*>(cinfo->dest);
    if (!dest->sink->write(dest->buffer, kReadBufferBytes - dest->pub.free_in_buffer)) ERREXIT(cinfo, JERR_FILE_WRITE);
}

struct Decompressor {
    ErrorManager errors;
    jpeg_decompress_struct cinfo = {};
    SourceManager source;
    Decompressor() {
        SetUpErrors(errors);
        cinfo.err = &errors.pub;
        // Creation fails only when its first allocation does; destroying a structure
        // left without a memory manager then does nothing.
        if (setjmp(errors.jump)) return;
        jpeg_create_decompress(&cinfo);
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
};

struct Compressor {
    ErrorManager errors;
    jpeg_compress_struct cinfo = {};
    DestinationManager destination;
    Compressor() {
        SetUpErrors(errors);
        cinfo.err = &errors.pub;
        // Creation fails only when its first allocation does; destroying a structure
        // left without a memory manager then does nothing.
        if (setjmp(errors.jump)) return;
        jpeg_create_compress(&cinfo);
    }
    ~Compressor() { jpeg_destroy_compress(&cinfo); }
};

// Four-component files decode as C, M, Y, K bytes. Files with Adobe's marker (nearly
// all of them) store the inks inverted: 255 is no ink.
void CmykToBgra(const PixelView& rows, bool inverted) {
    for (int32_t k = 0; k < rows.height; ++k) {
        uint8_t* p = rows.row(k);
        for (int32_t x = 0; x < rows.width; ++x, p += 4) {
            uint32_t c = p[0], m = p[1], y = p[2], black = p[3];
            if (!inverted) {
                c = 255 - c, m = 255 - m, y = 255 - y, black = 255 - black;
            }
            p[0] = static_cast<uint8_t>(y * black / 255);
            p[1] = static_cast<uint8_t>(m * black / 255);
            p[2] = static_cast<uint8_t>(c * black / 255);
            p[3] = 255;
        }
    }
}

// Reads the header and chooses the output: B, G, R, A for grey and colour files,
// C, M, Y, K for four-component ones. False for other files.
bool ReadHeader(Decompressor* d, bool* cmyk) {
    if (setjmp(d->errors.jump)) return false;
    if (jpeg_read_header(&d->cinfo, TRUE) != JPEG_HEADER_OK) return false;
    switch (d->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        d->cinfo.out_color_space = JCS_EXT_BGRA;
        *cmyk = false;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d->cinfo.out_color_space = JCS_CMYK;
        *cmyk = true;
        break;
    default:
        return false;
    }
    return d->cinfo.image_width <= INT32_MAX && d->cinfo.image_height <= INT32_MAX;
}

bool ReadPixels(Decompressor* d, const PixelView& view, bool cmyk) {
    if (setjmp(d->errors.jump)) return false;
    jpeg_start_decompress(&d->cinfo);
    if (d->cinfo.output_components != 4 || d->cinfo.output_width != static_cast<JDIMENSION>(view.width) ||
        d->cinfo.output_height != static_cast<JDIMENSION>(view.height))
        return false;
    JSAMPROW rows[kRowsPerCall];
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        const int32_t y = static_cast<int32_t>(d->cinfo.output_scanline);
        const int32_t n = std::min(kRowsPerCall, view.height - y);
        for (int32_t i = 0; i < n; ++i) rows[i] = view.at(0, y + i);
        const int32_t got = static_cast<int32_t>(jpeg_read_scanlines(&d->cinfo, rows, static_cast<JDIMENSION>(n)));
        if (got <= 0) return false;
        if (cmyk) CmykToBgra(view.band(view.height - y - got, got), d->cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d->cinfo);
    return true;
}

bool WritePixels(Compressor* c, const PixelView& view, int quality, bool halveH, bool halveV) {
    if (setjmp(c->errors.jump)) return false;
    c->cinfo.image_width = static_cast<JDIMENSION>(view.width);
    c->cinfo.image_height = static_cast<JDIMENSION>(view.height);
    // The buffer's own B, G, R, A pixels; the library ignores the fourth byte.
    c->cinfo.input_components = 4;
    c->cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&c->cinfo);
    jpeg_set_quality(&c->cinfo, quality, TRUE);
    c->cinfo.comp_info[0].h_samp_factor = halveH ? 2 : 1;
    c->cinfo.comp_info[0].v_samp_factor = halveV ? 2 : 1;
    jpeg_start_compress(&c->cinfo, TRUE);
    JSAMPROW rows[kRowsPerCall];
    while (c->cinfo.next_scanline < c->cinfo.image_height) {
        const int32_t y = static_cast<int32_t>(c->cinfo.next_scanline);
        const int32_t n = std::min(kRowsPerCall, view.height - y);
        for (int32_t i = 0; i < n; ++i) rows[i] = view.at(0, y + i);
        jpeg_write_scanlines(&c->cinfo, rows, static_cast<JDIMENSION>(n));
    }
    jpeg_finish_compress(&c->cinfo);
    return true;
}
}  // namespace

bool LoadJpeg(ByteSource& source, PixelStore& store) {
    std::unique_ptr<JOCTET[]> buffer(new (std::nothrow) JOCTET[kReadBufferBytes]);
    if (!buffer) return false;
    Decompressor d;
    d.source.pub.init_source = InitSource;
    d.source.pub.fill_input_buffer = FillInput;
    d.source.pub.skip_input_data = SkipInput;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = TermSource;
    d.source.pub.bytes_in_buffer = 0;
    d.source.pub.next_input_byte = nullptr;
    d.source.source = &source;
    d.source.buffer = buffer.get();
    d.source.started = false;
    d.cinfo.src = &d.source.pub;

    bool cmyk = false;
    if (!ReadHeader(&d, &cmyk)) return false;
    // The buffer is made before the library allocates the picture's working memory, so
    // a header that claims a picture too large for memory fails here.
    const PixelView view = store.Allocate(static_cast<int32_t>(d.cinfo.image_width),
                                          static_cast<int32_t>(d.cinfo.image_height), false);
    return !view.empty() && ReadPixels(&d, view, cmyk);
}

bool SaveJpeg(const char* fileName, const PixelView& view, int quality, bool halveHorizontally,
              bool halveVertically) {
    if (view.empty()) return false;
    std::unique_ptr<JOCTET[]> buffer(new (std::nothrow) JOCTET[kReadBufferBytes]);
    if (!buffer) return false;
    FileSink file(fileName);
    if (!file.ok()) return false;
    Compressor c;
    c.destination.pub.init_destination = InitDestination;
    c.destination.pub.empty_output_buffer = EmptyOutput;
    c.destination.pub.term_destination = TermDestination;
    c.destination.sink = &file;
    c.destination.buffer = buffer.get();
    c.cinfo.dest = &c.destination.pub;
    return WritePixels(&c, view, quality, halveHorizontally, halveVertically) && file.close();
}
