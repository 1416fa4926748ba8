#pragma once
// Which files are photos, and the photos of a folder.
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// True when the text from the name's last "." names a format the loader reads
// (case ignored).
bool IsPictureFile(std::string_view name);

// A folder's picture files (hidden files and folders named like pictures too),
// in the order the file system lists them. HasPhoto stops at the first.
bool HasPhoto(const std::string& folder);
bool GetFileList(const std::string& folder, std::vector<std::string>& list);

} // namespace vm
