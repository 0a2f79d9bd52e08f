/* The KVP1 picture format of the test image plug-in: parsing a file held in memory and
   writing the device-independent bitmap it stands for; free of platform headers.
   The layout is described in kvp1.c. */
#ifndef KVP1_H
#define KVP1_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* What a file asks the plug-in to do besides decoding it, so that tests reach the
   host's failure paths. */
enum kvp1_mode {
    KVP1_NORMAL = 0,
    KVP1_FAULT_IN_IS_SUPPORTED = 1,
    KVP1_FAULT_IN_GET_PICTURE = 2,
    KVP1_REFUSE = 3,      /* GetPicture fails without handles */
    KVP1_CLAIM_RLE8 = 4,  /* the header says BI_RLE8 over the plain rows */
    KVP1_TOP_DOWN = 5     /* negative height, top row first */
};

/* Results of GetPicture, 0 for success. */
enum kvp1_status {
    KVP1_OK = 0,
    KVP1_BAD_CALL = -1,      /* a file name instead of bytes, or no outputs */
    KVP1_NOT_KVP1 = 2,       /* no signature, or a header field out of range */
    KVP1_SHORT = 3,          /* fewer bytes than the header promises */
    KVP1_NO_MEMORY = 4,
    KVP1_REFUSED = 5         /* what KVP1_REFUSE asks for */
};

enum { KVP1_HEAD_BYTES = 10, KVP1_INFO_HEADER_BYTES = 40 };

struct kvp1_picture {
    unsigned width, height, bits, mode, colours;
    const uint8_t* palette; /* colours × R, G, B */
    const uint8_t* rows;    /* height × row_bytes, top row first */
    size_t row_bytes;       /* of a row in the file */
    size_t stride;          /* of a row in the bitmap: a multiple of 4 */
    size_t info_bytes;      /* header and palette */
    size_t bits_bytes;      /* height × stride */
};

/* Whether the first four of head's bytes are the signature. */
int kvp1_signed(const uint8_t* head);

/* Reads the header of the len bytes at data and checks that the palette and all rows
   lie within them; KVP1_OK, KVP1_NOT_KVP1, KVP1_SHORT, or KVP1_NO_MEMORY for a bitmap
   of 2 GB or more. Reads nothing past len. */
int kvp1_parse(const uint8_t* data, size_t len, struct kvp1_picture* picture);

/* The info header (little-endian) and palette (B, G, R, 0): info_bytes bytes. */
void kvp1_write_info(const struct kvp1_picture* picture, uint8_t* info);

/* The rows, bottom row first (top first for KVP1_TOP_DOWN), each padded with zeros to
   stride: bits_bytes bytes. */
void kvp1_write_bits(const struct kvp1_picture* picture, uint8_t* bits);

#ifdef __cplusplus
}
#endif

#endif
