#pragma once
// JPEG photos through libjpeg. A photo much larger than the screen is decoded
// at the smallest of the library's DCT scales (n/8) that is still at least its
// fitted size, and sampled to the fitted size row by row while it decodes, so
// no full-size bitmap is ever made.
#include "raster/Bitmap.h"
#include "show/FitPicture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vm {

// The picture's size from its header; throws vm::Error when it is no JPEG.
PictureSize JpegSize(const std::string& path);

// Decodes the JPEG and fits it to `screen` (FittedSize). Throws vm::Error naming
// the file when it can't be decoded.
Bitmap LoadJpegFitted(const std::string& path, PictureSize screen);

// The same from bytes in memory; `name` is used in error messages.
Bitmap DecodeJpegFitted(const uint8_t* data, size_t size, PictureSize screen, const std::string& name);

// The DCT scale numerator (1..8, over 8) libjpeg should use for a picture of
// `picture` size to reach at least `fitted`.
int JpegScaleFor(PictureSize picture, PictureSize fitted);

} // namespace vm
