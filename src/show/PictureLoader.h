#pragma once
// Turning a photo file into a bitmap no larger than the screen. GUI thread.
#include "raster/Bitmap.h"
#include "show/FitPicture.h"

#include <string>

namespace vm {

// Decodes the file by its extension and fits it to the screen: JPEG through
// libjpeg (scaled while decoding), the other formats through Qt's readers
// (transparent parts become black, the show's background). Throws vm::Error
// naming the file when it can't be decoded.
Bitmap LoadPictureFitted(const std::string& path, PictureSize screen);

// The whole source when it fits the screen; otherwise a nearest-pixel copy at
// FittedSize.
Bitmap RescaleImage(const Bitmap& source, PictureSize screen);

} // namespace vm
