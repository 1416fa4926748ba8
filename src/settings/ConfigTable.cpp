#include "settings/ConfigTable.h"

#include "util/DelphiText.h"

#include <array>

namespace vm {
namespace {

using S = TShowSettings;
constexpr std::string_view Misc = "Miscellaneous", Ast = "Assistant", Desc = "Descript", Keys = "Shortcut";

bool FontUnchanged(const S& s) { return !s.FontChanged; }
bool NoSkinChosen(const S& s) { return s.Skin < 0; }

const std::array kRows{
    ConfigRow{Misc, "Stay", &S::Stay, "2000", kConfig},
    ConfigRow{Misc, "Speed", &S::Speed, "10", kConfig},
    ConfigRow{Misc, "Sleep", &S::Sleep, "0", kConfig},
    ConfigRow{Misc, "MusicOn", &S::MusicOn, "1", kConfig},
    ConfigRow{Misc, "UseStartPic", &S::UseStartPic, "0", kConfig},
    ConfigRow{Misc, "StartPicPath", &S::StartPicPath, "", kConfig},
    ConfigRow{Misc, "TabIndex", &S::TabIndex, "5", kConfig},
    ConfigRow{Ast, "SpeakDescript", &S::SpeakDescript, "1", kConfig},
    ConfigRow{Ast, "PosX", &S::PosX, "500", kConfig},
    ConfigRow{Ast, "PosY", &S::PosY, "300", kConfig},
    ConfigRow{Ast, "AssistantPath", &S::AssistantPath, "", kConfig},
    ConfigRow{Desc, "AlphaBlendValue", &S::AlphaBlendValue, "255", kConfig},
    ConfigRow{Desc, "BackColor", &S::BackColor, "13434879", kConfig},
    ConfigRow{Desc, "BorderColor", &S::BorderColor, "65535", kConfig},
    ConfigRow{Desc, "Font", &S::Font, "", kConfig, FontUnchanged},
    ConfigRow{Misc, "Language", &S::Language, "", kWrittenByConfig},
    ConfigRow{Desc, "ExifFormat", &S::ExifFormat, "", kConfig},
    ConfigRow{Desc, "NoExifFormat", &S::NoExifFormat, "", kConfig},
    ConfigRow{Misc, "Preview", &S::Preview, "", kConfig},
    ConfigRow{Misc, "IgnoreMouseMove", &S::IgnoreMouseMove, "0", kConfig},
    ConfigRow{Misc, "MouseSensitivity", &S::MouseSensitivity, "5", kConfig},
    ConfigRow{Misc, "Skin", &S::Skin, "5", kConfig, NoSkinChosen},
    ConfigRow{Keys, "Pause", &S::Pause, "1", kConfig},
    ConfigRow{Keys, "Wallpaper", &S::Wallpaper, "1", kConfig},
    ConfigRow{Keys, "Description", &S::Description, "1", kConfig},
    ConfigRow{Keys, "Delete", &S::Delete, "0", kConfig},
    ConfigRow{Keys, "Music", &S::Music, "1", kConfig},
    ConfigRow{Misc, "RandomShow", &S::RandomShow, "1", kConfig},
    ConfigRow{Misc, "RandomPlay", &S::RandomPlay, "1", kConfig},
    // Written by the installer, the first run and the dialog's close.
    ConfigRow{Misc, "InstallPath", &S::InstallPath, "", kElsewhere},
    ConfigRow{Ast, "FirstRun", &S::FirstRun, "1", kElsewhere},
    ConfigRow{Ast, "ShowAssistant", &S::ShowAssistant, "1", kElsewhere},
    ConfigRow{Ast, "ShowPrompt", &S::ShowPrompt, "1", kElsewhere},
    ConfigRow{Ast, "AssistantMove", &S::AssistantMove, "0", kElsewhere},
    // Without a stored place the character stands beside the dialog.
    ConfigRow{Ast, "AssistantX", &S::AssistantX, "0", kElsewhere},
    ConfigRow{Ast, "AssistantY", &S::AssistantY, "0", kElsewhere},
};

} // namespace

std::span<const ConfigRow> ConfigRows() { return kRows; }

TShowSettings DefaultShowSettings()
{
    TShowSettings s;
    for (const ConfigRow& row : kRows) {
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                if constexpr (std::is_same_v<T, std::string>)
                    s.*member = std::string(row.defaultText);
                else if constexpr (std::is_same_v<T, bool>)
                    s.*member = StrToIntDef(row.defaultText, 0) != 0;
                else
                    s.*member = StrToIntDef(row.defaultText, 0);
            },
            row.field);
    }
    return s;
}

} // namespace vm
