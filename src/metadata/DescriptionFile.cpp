#include "metadata/DescriptionFile.h"

#include "util/AtomicFile.h"
#include "util/Error.h"
#include "util/xStrings.h"

#include <filesystem>

namespace vm {

PhotoPlace SplitPhotoPath(std::string_view photoPath)
{
    const size_t slash = photoPath.rfind(PathDelim);
    if (slash == std::string_view::npos)
        return {"", std::string(photoPath)};
    return {std::string(photoPath.substr(0, slash + 1)), std::string(photoPath.substr(slash + 1))};
}

std::string DescriptionFileOf(std::string_view photoFolder)
{
    return std::string(photoFolder) + std::string(kDescriptionFileName);
}

DescriptionLines SplitDescriptionLines(std::string_view bytes)
{
    DescriptionLines lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinDescriptionLines(const DescriptionLines& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

int FindDescriptionLine(const DescriptionLines& lines, std::string_view photoName)
{
    if (photoName.empty())
        return -1; // every line would "begin" with an empty name
    for (size_t i = 0; i < lines.size(); ++i)
        if (std::string_view(lines[i]).starts_with(photoName))
            return int(i);
    return -1;
}

std::string DescriptionOfLine(std::string_view line, std::string_view photoName)
{
    const size_t from = photoName.size() + 1;
    return from < line.size() ? std::string(line.substr(from)) : std::string();
}

std::string GetDescript(std::string_view photoPath)
{
    const PhotoPlace place = SplitPhotoPath(photoPath);
    std::string bytes;
    if (!ReadWholeFile(DescriptionFileOf(place.folder), bytes))
        return {};
    const DescriptionLines lines = SplitDescriptionLines(bytes);
    const int index = FindDescriptionLine(lines, place.name);
    return index < 0 ? std::string() : DescriptionOfLine(lines[size_t(index)], place.name);
}

void WriteDescriptionFile(const std::string& photoFolder, const DescriptionLines& lines)
{
    WriteFileAtomically(DescriptionFileOf(photoFolder), JoinDescriptionLines(lines));
    HideInFolder(photoFolder, kDescriptionFileName);
}

bool HideInFolder(const std::string& folder, std::string_view fileName)
{
    const std::string listPath = folder + ".hidden";
    std::string list;
    std::error_code ec;
    if (std::filesystem::exists(listPath, ec) && !ReadWholeFile(listPath, list))
        return false;
    for (const std::string& line : SplitDescriptionLines(list))
        if (line == fileName)
            return true;
    if (!list.empty() && list.back() != '\n')
        list += '\n';
    list += fileName;
    list += '\n';
    try {
        WriteFileAtomically(listPath, list);
    } catch (const Error&) {
        return false;
    }
    return true;
}

} // namespace vm
