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

std::optional<DescriptionChange> ApplyDescriptionText(const DescriptionLines& lines, int lineIndex,
                                                      std::string_view photoName, std::string_view memoText)
{
    const bool blank = Trim(memoText).empty();
    if (blank && lineIndex < 0)
        return std::nullopt;
    DescriptionChange change{lines, lineIndex};
    if (blank) {
        change.lines.erase(change.lines.begin() + lineIndex);
        change.lineIndex = -1;
        return change;
    }
    const std::string text = RemoveLineBreaks(memoText);
    const std::string name(photoName);
    if (lineIndex < 0) {
        // The new line is trimmed as a whole: the text's trailing blanks go,
        // its leading ones stay after the separator.
        change.lines.push_back(name + " " + TrimRight(text));
        change.lineIndex = int(change.lines.size()) - 1;
    } else {
        change.lines[size_t(lineIndex)] = name + " " + text;
    }
    return change;
}

bool DescriptionEditor::Commit(std::string_view memoText)
{
    auto change = ApplyDescriptionText(lines_, lineIndex_, photoName_, memoText);
    if (!change)
        return false;
    if (!loadError_.empty())
        throw Error(loadError_);
    WriteDescriptionFile(photoFolder_, change->lines);
    lines_ = std::move(change->lines);
    lineIndex_ = change->lineIndex;
    return true;
}

} // namespace vm
