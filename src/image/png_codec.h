// PNG files through libpng; free of platform headers.
#pragma once

#include "image/file_bytes.h"
#include "image/pixel_view.h"

// Decodes any PNG libpng reads into a buffer made by the store: palettes, grey and
// low bit depths expanded to 8-bit colour, 16-bit samples cut to their high byte,
// a tRNS chunk turned into alpha. Pictures with alpha are premultiplied.
bool LoadPng(ByteSource& source, PixelStore& store);
// Writes 8-bit RGB, or RGBA with straight alpha when the buffer has alpha, with the
// library's default compression and filters.
bool SavePng(const char* fileName, const PixelView& view);
