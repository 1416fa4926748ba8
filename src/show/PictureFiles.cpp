#include "show/PictureFiles.h"

#include "util/DelphiText.h"
#include "util/xStrings.h"

#include <algorithm>
#include <array>
#include <dirent.h>
#include <memory>

namespace vm {
namespace {

// Sorted, for a binary search: the formats the picture loader really decodes
// (JPEG ourselves; Windows bitmaps, icons, Targa, TIFF, PNG and the portable
// any-maps through Qt's readers).
constexpr std::array<std::string_view, 20> kExtensions{
    ".BMP", ".DIB", ".FAX", ".ICB", ".ICO", ".JFIF", ".JPE", ".JPEG", ".JPG", ".PBM",
    ".PGM", ".PNG", ".PPM", ".RLE", ".TGA", ".TIF", ".TIFF", ".VDA", ".VST", ".WIN",
};
static_assert(std::is_sorted(kExtensions.begin(), kExtensions.end()));

// Calls `take` with each entry name of the folder until it returns false.
template <typename Take>
void ForEachEntry(const std::string& folder, Take take)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (!take(name))
            return;
    }
}

} // namespace

bool IsPictureFile(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string extension = UpperCase(name.substr(dot));
    return std::binary_search(kExtensions.begin(), kExtensions.end(), extension);
}

bool HasPhoto(const std::string& folder)
{
    bool found = false;
    ForEachEntry(WithTrailingBackslash(folder), [&](std::string_view name) {
        found = IsPictureFile(name);
        return !found;
    });
    return found;
}

bool GetFileList(const std::string& folder, std::vector<std::string>& list)
{
    list.clear();
    const std::string base = WithTrailingBackslash(folder);
    ForEachEntry(base, [&](std::string_view name) {
        if (IsPictureFile(name))
            list.push_back(base + std::string(name));
        return true;
    });
    return !list.empty();
}

} // namespace vm
