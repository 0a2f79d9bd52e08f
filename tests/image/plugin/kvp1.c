/* KVP1, a picture format made for testing the host's image plug-in loader. A file is
   (numbers little-endian):

     offset  bytes
     0       4      "KVP1"
     4       2      width, 1 to 65535
     6       2      height, 1 to 65535
     8       1      bits per pixel of the bitmap to produce: 1, 4, 8, 16, 24 or 32
     9       1      mode (enum kvp1_mode): 0 decodes normally, 1 to 5 misbehave
     10      1      only for 1, 4 and 8 bits: palette count N, 1 to 2^bits (0 means 2^bits)
     11      3 × N  the palette, R, G, B per colour
     ...            the rows, top row first, each (width × bits + 7) / 8 bytes and
                    starting on a byte; 1, 4 and 8 bits: palette indices, the leftmost
                    pixel in the most significant bits; 24 bits: R, G, B per pixel;
                    16 and 32 bits: any bytes, copied as they are

   Bytes after the last row are ignored. The bitmap is a 40-byte info header with
   biClrUsed = N, N palette entries, and the rows bottom-up padded to 4 bytes. */
#include "kvp1.h"

#include <string.h>

static unsigned read16(const uint8_t* p) { return (unsigned)p[0] | (unsigned)p[1] << 8; }

static void write16(uint8_t* p, unsigned v) {
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
}

static void write32(uint8_t* p, uint32_t v) {
    write16(p, v & 0xffff);
    write16(p + 2, v >> 16);
}

int kvp1_signed(const uint8_t* head) { return memcmp(head, "KVP1", 4) == 0; }

int kvp1_parse(const uint8_t* data, size_t len, struct kvp1_picture* picture) {
    memset(picture, 0, sizeof *picture);
    if (len < 4 || !kvp1_signed(data)) return KVP1_NOT_KVP1;
    if (len < KVP1_HEAD_BYTES) return KVP1_SHORT;
    const unsigned width = read16(data + 4), height = read16(data + 6), bits = data[8], mode = data[9];
    if (width == 0 || height == 0 || mode > KVP1_TOP_DOWN) return KVP1_NOT_KVP1;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return KVP1_NOT_KVP1;
    size_t at = KVP1_HEAD_BYTES;
    unsigned colours = 0;
    if (bits <= 8) {
        if (len < at + 1) return KVP1_SHORT;
        colours = data[at++];
        if (colours == 0) colours = 1u << bits;
        if (colours > 1u << bits) return KVP1_NOT_KVP1;
        if (len - at < 3u * colours) return KVP1_SHORT;
        picture->palette = data + at;
        at += 3u * colours;
    }
    /* At most 65535 × 32 bits a row and 65535 rows: 64-bit arithmetic cannot overflow. */
    const uint64_t row_bytes = ((uint64_t)width * bits + 7) / 8;
    const uint64_t stride = ((uint64_t)width * bits + 31) / 32 * 4;
    if ((uint64_t)(len - at) < row_bytes * height) return KVP1_SHORT;
    /* The rows are in memory already, but the padded bitmap can be up to four times
       their size; biSizeImage must hold its size as well. */
    if (stride * height > 0x7fffffff) return KVP1_NO_MEMORY;
    picture->width = width;
    picture->height = height;
    picture->bits = bits;
    picture->mode = mode;
    picture->colours = colours;
    picture->rows = data + at;
    picture->row_bytes = (size_t)row_bytes;
    picture->stride = (size_t)stride;
    picture->info_bytes = KVP1_INFO_HEADER_BYTES + 4u * colours;
    picture->bits_bytes = (size_t)(stride * height);
    return KVP1_OK;
}

void kvp1_write_info(const struct kvp1_picture* picture, uint8_t* info) {
    memset(info, 0, picture->info_bytes);
    write32(info, KVP1_INFO_HEADER_BYTES);
    write32(info + 4, picture->width);
    const uint32_t height = picture->height;
    write32(info + 8, picture->mode == KVP1_TOP_DOWN ? 0u - height : height);
    write16(info + 12, 1);
    write16(info + 14, picture->bits);
    write32(info + 16, picture->mode == KVP1_CLAIM_RLE8 ? 1 : 0);
    write32(info + 20, (uint32_t)picture->bits_bytes);
    write32(info + 32, picture->colours);
    uint8_t* entry = info + KVP1_INFO_HEADER_BYTES;
    for (unsigned i = 0; i < picture->colours; i++, entry += 4) {
        const uint8_t* rgb = picture->palette + 3 * i;
        entry[0] = rgb[2];
        entry[1] = rgb[1];
        entry[2] = rgb[0];
    }
}

void kvp1_write_bits(const struct kvp1_picture* picture, uint8_t* bits) {
    for (unsigned y = 0; y < picture->height; y++) {
        const uint8_t* from = picture->rows + (size_t)y * picture->row_bytes;
        const unsigned line = picture->mode == KVP1_TOP_DOWN ? y : picture->height - 1 - y;
        uint8_t* to = bits + (size_t)line * picture->stride;
        if (picture->bits == 24) {
            for (size_t x = 0; x < picture->row_bytes; x += 3) {
                to[x] = from[x + 2];
                to[x + 1] = from[x + 1];
                to[x + 2] = from[x];
            }
        } else {
            memcpy(to, from, picture->row_bytes);
        }
        memset(to + picture->row_bytes, 0, picture->stride - picture->row_bytes);
    }
}
