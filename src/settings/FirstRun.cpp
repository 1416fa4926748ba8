#include "settings/FirstRun.h"

#include "util/IniFile.h"

#include <array>

namespace vm {
namespace {

struct CaptionStyle {
    const char* section;
    int alpha;
    int back;
    int border;
    const char* fontClosing;
};

constexpr std::array<CaptionStyle, 3> kStyles{{
    {"RoseRed", 219, 255, 8421631, ", [], [clYellow]"},
    {"SkyBlue", 121, 15553129, 12615680, ", [], [clWhite]"},
    {"GrassGreen", 196, 65408, 8454016, ", [], [clNavy]"},
}};

} // namespace

std::string MemoText(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

void FirstRunSetup(SettingsStore& store, const std::string& installDir, int languageClass,
                   const TsMultiLang& language)
{
    store.WriteString("Assistant", "AssistantPath", installDir + "rudiva.elf");
    store.WriteString("PhotoRoot", "1", "*" + installDir + "Demo");
    store.WriteString("PhotoRoot", "Count", "1");
    store.WriteString("Miscellaneous", "Preview", installDir + "Demo");

    // SimSun for Simplified Chinese; the Windows dialog font otherwise (Qt finds
    // the nearest face on systems without it).
    const std::string fontName = languageClass == 0 ? "\xE5\xAE\x8B\xE4\xBD\x93" : "MS Sans Serif";
    const std::string fontSize = languageClass == 0 ? "10" : "8";
    for (const CaptionStyle& style : kStyles) {
        store.WriteInteger(style.section, "AlphaBlendValue", style.alpha);
        store.WriteInteger(style.section, "BackColor", style.back);
        store.WriteInteger(style.section, "BorderColor", style.border);
        store.WriteString(style.section, "Font", "\"" + fontName + "\", " + fontSize + style.fontClosing);
    }

    store.WriteInteger("Descript", "BackColor", 65408);
    store.WriteInteger("Descript", "BorderColor", 8454016);
    // Every system here can blend windows.
    store.WriteInteger("Descript", "AlphaBlendValue", 196);

    auto lines = [&](const char* prefix) {
        const std::string p = prefix;
        return MemoText({language.Text(p + "1"), language.Text(p + "2"), language.Text(p + "3")});
    };
    store.WriteString("Descript", "ExifFormat", lines("strMemExifLine"));
    store.WriteString("Descript", "NoExifFormat", lines("strMemNoExifLine"));
}

bool CheckWinini(const std::string& winIniPath)
{
    IniFile ini = IniFile::Load(winIniPath);
    bool changed = false;
    for (const char* extension : {"mp3", "mid", "midi", "wmv", "wav"}) {
        if (ini.ReadString("mci extensions", extension) != "MPEGVideo") {
            ini.WriteString("mci extensions", extension, "MPEGVideo");
            changed = true;
        }
    }
    if (changed)
        ini.Save(winIniPath);
    return changed;
}

} // namespace vm
