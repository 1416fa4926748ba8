#include "lang/MultiLang.h"

#include "platform/SystemLanguage.h"
#include "util/DelphiText.h"

#include <filesystem>

namespace vm {

int SystemLanguage = 2;

void TsMultiLang::SetLangFile(const std::string& path)
{
    langFile_ = path;
    std::error_code ec;
    ini_ = !path.empty() && std::filesystem::is_regular_file(path, ec) ? IniFile::Load(path) : IniFile();
}

void TsMultiLang::LanguageString(std::string_view key, std::string& text) const
{
    std::string value = ini_.ReadString("STRING", key);
    if (!value.empty())
        text = std::move(value);
}

std::string TsMultiLang::Text(std::string_view key, std::string_view fallback) const
{
    std::string text(fallback);
    LanguageString(key, text);
    return text;
}

FontSpec TsMultiLang::LanguageFont(bool withColor) const
{
    FontSpec font;
    font.Name = ini_.ReadString("FONT", "Name", "\xE5\xAE\x8B\xE4\xBD\x93"); // SimSun
    font.Size = StrToIntDef(ini_.ReadString("FONT", "Size"), 10);
    if (withColor)
        font.Color = StrToIntDef(ini_.ReadString("FONT", "Color"), clBlack);
    return font;
}

std::vector<ComponentText> TsMultiLang::ComponentTexts() const
{
    std::vector<ComponentText> out;
    for (auto& [key, value] : ini_.SectionValues("COMPONENT")) {
        const size_t first = key.find('.');
        const size_t second = first == std::string::npos ? first : key.find('.', first + 1);
        if (second == std::string::npos)
            continue;
        std::string text;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value.compare(i, 2, "~~") == 0) {
                text += "\r\n";
                ++i;
            } else {
                text += value[i];
            }
        }
        out.push_back({key.substr(0, first), key.substr(first + 1, second - first - 1), key.substr(second + 1), text});
    }
    return out;
}

std::string TsMultiLang::DisplayName() const { return ini_.ReadString("LANGUAGE", "Name"); }

int LanguageClassOf(int languageId)
{
    switch (languageId) {
    case 2052:
        return 0;
    case 1028:
    case 3076:
    case 4100:
    case 5124:
        return 1;
    default:
        return 2;
    }
}

void DetectLang() { SystemLanguage = LanguageClassOf(SystemLanguageId()); }

} // namespace vm
