// JPEG files through libjpeg-turbo (the version 6b interface); free of platform headers.
#pragma once

#include "image/file_bytes.h"
#include "image/pixel_view.h"

// Decodes a baseline or progressive JPEG of one (grey), three (colour) or four (CMYK
// or YCCK, converted to colour) components into an opaque buffer made by the store.
// The library's fatal errors fail the load; its warnings (a file cut short, say) do
// not, as they do not stop it.
bool LoadJpeg(ByteSource& source, PixelStore& store);
// Writes the colours as stored, alpha dropped, at the given quality (baseline tables);
// the sampling flags set the luminance component's horizontal and vertical factors to
// 2 (chroma subsampled in that direction), else 1.
bool SaveJpeg(const char* fileName, const PixelView& view, int quality, bool halveHorizontally = false,
              bool halveVertically = false);
