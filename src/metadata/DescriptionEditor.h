#pragma once
// What the description editor window does, without the window: the state its
// show step loads and the rules its OK button applies.
#include "metadata/DescriptionFile.h"

#include <optional>
#include <string>

namespace vm {

// The OK rules on lines already loaded: what the folder's lines become for
// the memo's text, or nothing when nothing is to be written.
struct DescriptionChange {
    DescriptionLines lines;
    int lineIndex; // the photo's line afterwards, -1 when it has none
};
std::optional<DescriptionChange> ApplyDescriptionText(const DescriptionLines& lines, int lineIndex,
                                                      std::string_view photoName, std::string_view memoText);

class DescriptionEditor {
public:
    // The show step: the photo's name and folder, the folder's lines (none
    // when there is no file) and the photo's line. A file that exists but
    // can't be read is remembered: OK then refuses to write, since writing
    // would lose the lines we could not read.
    void Open(std::string_view photoPath);

    // The description to start the memo with; empty when the photo has none.
    std::string InitialText() const;

    // The OK rules for the memo's text. Returns true when the file was
    // written. Throws vm::Error when it can't be written; the editor's state
    // is then unchanged, so OK can be tried again without harm.
    bool Commit(std::string_view memoText);

    const DescriptionLines& FLines() const { return lines_; }
    int FLineIndex() const { return lineIndex_; }
    const std::string& FPhotoName() const { return photoName_; }
    const std::string& FPhotoFolder() const { return photoFolder_; }
    const std::string& LoadError() const { return loadError_; }

private:
    DescriptionLines lines_;
    int lineIndex_ = -1;
    std::string photoName_;
    std::string photoFolder_;
    std::string loadError_;
};

} // namespace vm
