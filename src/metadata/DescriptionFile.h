#pragma once
// The per-folder description file "descript.ion": one line per described
// photo, its file name, one separator character and the description. Lines of
// other photos (and anything we don't understand) are written back byte for
// byte in their order. Lines read may end in CR LF, LF or CR; lines written
// end in CR LF. Texts are UTF-8 bytes, compared exactly.
//
// Linux has no hidden attribute: after each write the file's name is listed in
// the folder's ".hidden" file, which the common file managers (GNOME Files,
// Dolphin, Nemo, Caja) read to hide entries. The name itself stays
// "descript.ion" so other programs keep finding it.
#include <string>
#include <string_view>
#include <vector>

namespace vm {

inline constexpr std::string_view kDescriptionFileName = "descript.ion";

using DescriptionLines = std::vector<std::string>;

// The photo's folder with its trailing delimiter, and its file name.
struct PhotoPlace {
    std::string folder;
    std::string name;
};
PhotoPlace SplitPhotoPath(std::string_view photoPath);
std::string DescriptionFileOf(std::string_view photoFolder);

DescriptionLines SplitDescriptionLines(std::string_view bytes);
std::string JoinDescriptionLines(const DescriptionLines& lines); // CR LF after each line

// Index of the first line that begins with `photoName` exactly (case counts), or -1.
int FindDescriptionLine(const DescriptionLines& lines, std::string_view photoName);
// Everything after the name and the one separator character that follows it.
std::string DescriptionOfLine(std::string_view line, std::string_view photoName);

// The description of the photo, read afresh from its folder's file; empty when
// the file, its line or read access is missing.
std::string GetDescript(std::string_view photoPath);

// Writes the lines beside the old file and then replaces it, so a crash or a
// full disk never leaves a half-written file; then hides it. Throws vm::Error
// with the reason when the folder can't be written; the old file is untouched.
void WriteDescriptionFile(const std::string& photoFolder, const DescriptionLines& lines);

// Lists `fileName` in `folder`'s ".hidden" file unless it is there; false
// when that can't be done (hiding is a nicety, never a reason to fail).
bool HideInFolder(const std::string& folder, std::string_view fileName);

} // namespace vm
