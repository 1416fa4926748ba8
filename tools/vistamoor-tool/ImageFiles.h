#pragma once
// Reading and writing pictures for the tool's frame commands (through Qt's readers).
#include "raster/Bitmap.h"

#include <string>

namespace vm::tool {

// PNG, JPEG, BMP or PPM; throws vm::Error saying what is wrong.
Bitmap LoadImageFile(const std::string& path);
// PNG or PPM by the name's extension; throws vm::Error otherwise or when writing fails.
void SaveImageFile(const Bitmap& image, const std::string& path);

} // namespace vm::tool
