#include "metadata/DescriptionEditor.h"

#include "util/AtomicFile.h"
#include "util/DelphiText.h"
#include "util/Error.h"
#include "util/xStrings.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vm {

namespace {

std::string TrimRight(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return std::string(text.substr(0, end));
}

} // namespace

void DescriptionEditor::Open(std::string_view photoPath)
{
    const PhotoPlace place = SplitPhotoPath(photoPath);
    photoName_ = place.name;
    photoFolder_ = place.folder;
    lines_.clear();
    lineIndex_ = -1;
    loadError_.clear();

    const std::string file = DescriptionFileOf(photoFolder_);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return;
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        loadError_ = "Cannot open file \"" + file + "\". " + std::strerror(errno);
        return;
    }
    lines_ = SplitDescriptionLines(bytes);
    lineIndex_ = FindDescriptionLine(lines_, photoName_);
}

std::string DescriptionEditor::InitialText() const
{
    return lineIndex_ < 0 ? std::string() : DescriptionOfLine(lines_[size_t(lineIndex_)], photoName_);
}

bool DescriptionEditor::Commit(std::string_view memoText)
{
    const bool blank = Trim(memoText).empty();
    if (blank && lineIndex_ < 0)
        return false;
    if (!loadError_.empty())
        throw Error(loadError_);

    DescriptionLines lines = lines_;
    int lineIndex = lineIndex_;
    if (blank) {
        lines.erase(lines.begin() + lineIndex);
        lineIndex = -1;
    } else {
        const std::string text = RemoveLineBreaks(memoText);
        if (lineIndex < 0) {
            // The new line is trimmed as a whole: the text's trailing blanks go,
            // its leading ones stay after the separator.
            lines.push_back(photoName_ + " " + TrimRight(text));
            lineIndex = int(lines.size()) - 1;
        } else {
            lines[size_t(lineIndex)] = photoName_ + " " + text;
        }
    }
    WriteDescriptionFile(photoFolder_, lines);
    lines_ = std::move(lines);
    lineIndex_ = lineIndex;
    return true;
}

} // namespace vm
