#pragma once
#include <string>
#include <string_view>

namespace vm {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames
// it over `path`, so a crash or a full disk never leaves a half-written file.
// Creates missing parent folders. Throws vm::Error naming the file on failure;
// the old file is then untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace vm
