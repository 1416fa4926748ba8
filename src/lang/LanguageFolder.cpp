#include "lang/LanguageFolder.h"

#include "lang/MultiLang.h"
#include "util/DelphiText.h"

#include <algorithm>
#include <filesystem>

namespace vm {

std::vector<LanguageEntry> ListLanguages(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<LanguageEntry> list;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && SameText(name.substr(name.size() - 4), ".lng") && entry.is_regular_file(ec))
            list.push_back({name.substr(0, name.size() - 4), folder + name});
    }
    // Listed as the Windows file system lists a folder: by name.
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return list;
}

std::string ChooseLanguageFile(const std::vector<LanguageEntry>& list, const std::string& folder,
                               const std::string& stored, int languageClass)
{
    std::string file = stored;
    if (file.empty()) {
        const char* wanted = languageClass == 0 ? "cn" : languageClass == 1 ? "tw" : "en";
        for (const auto& entry : list)
            if (entry.name == wanted) {
                file = entry.path;
                break;
            }
    }
    if (file == folder + "gb.lng")
        file = folder + "cn.lng";
    return file;
}

std::vector<std::string> FilesNamed(const std::string& folder, const std::string& displayName)
{
    std::vector<LanguageEntry> list = ListLanguages(folder);
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return UpperCase(a.name) < UpperCase(b.name); });
    std::vector<std::string> files;
    TsMultiLang probe;
    for (const auto& entry : list) {
        probe.SetLangFile(entry.path);
        if (probe.DisplayName() == displayName)
            files.push_back(entry.path);
    }
    return files;
}

} // namespace vm
