// The packed bitmap an image plug-in hands back, into a pixel buffer; free of platform
// headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "image/pixel_view.h"

// info: a BITMAPINFOHEADER and its palette; bits: the rows, each padded to 4 bytes,
// bottom-up (top-down when the height is negative). Uncompressed 1, 4, 8 and 24-bit
// bitmaps convert into an opaque buffer made by the store. False for anything else,
// and for blocks too short for what the header describes.
bool ConvertPluginBitmap(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize,
                         PixelStore& store);
