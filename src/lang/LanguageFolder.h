#pragma once
// The installed language files and the choice among them.
#include <string>
#include <vector>

namespace vm {

struct LanguageEntry {
    std::string name; // file name without its last four characters
    std::string path;
};

// The "*.lng" files of `folder` (which ends in the path delimiter), by file name.
std::vector<LanguageEntry> ListLanguages(const std::string& folder);

// The language file to use: the stored one, else the file that goes with the
// system language class ("cn", "tw", "en"), else empty. A stored "gb.lng" of the
// folder means "cn.lng".
std::string ChooseLanguageFile(const std::vector<LanguageEntry>& list, const std::string& folder,
                               const std::string& stored, int languageClass);

// The files whose display name is `displayName`, in the order of their names
// compared without regard to case: choosing that name applies each in turn.
std::vector<std::string> FilesNamed(const std::string& folder, const std::string& displayName);

} // namespace vm
