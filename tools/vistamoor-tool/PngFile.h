#pragma once
// A minimal PNG writer (8-bit RGB, no filtering) over zlib, so the tool can
// save pictures without Qt.
#include <cstdint>
#include <string>
#include <vector>

namespace vm::tool {

// `rgb` holds width x height pixels, 3 bytes each, top row first. Raises vm::Error when the file cannot be written.
void WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

} // namespace vm::tool
