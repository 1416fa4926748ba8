#pragma once
// The live settings: one field per stored value, named like the value.
#include <cstdint>
#include <string>
#include <vector>

namespace vm {

struct TShowSettings {
    // "Miscellaneous"
    std::string InstallPath;
    int32_t Stay = 0;
    int32_t Speed = 0;
    bool Sleep = false;
    bool MusicOn = false;
    bool UseStartPic = false;
    std::string StartPicPath;
    std::string Preview;
    int32_t TabIndex = 0;
    bool IgnoreMouseMove = false;
    int32_t MouseSensitivity = 0;
    int32_t Skin = 0; // -1: no skin chosen, nothing is stored
    bool RandomShow = false;
    bool RandomPlay = false;
    std::string Language;

    // "Assistant"
    bool SpeakDescript = false;
    int32_t PosX = 0;
    int32_t PosY = 0;
    std::string AssistantPath;
    bool FirstRun = false;
    bool ShowAssistant = false;
    bool ShowPrompt = false;
    bool AssistantMove = false;
    int32_t AssistantX = 0;
    int32_t AssistantY = 0;

    // "Descript"
    int32_t BackColor = 0;
    int32_t BorderColor = 0;
    int32_t AlphaBlendValue = 0;
    std::string Font;         // font string with colour; empty: the language's font
    bool FontChanged = false; // not stored: the user picked a different font
    std::string ExifFormat;
    std::string NoExifFormat;

    // "Shortcut"
    bool Pause = false;
    bool Wallpaper = false;
    bool Description = false;
    bool Delete = false;
    bool Music = false;

    // "Music": MusicCounter and Music0, Music1, ...
    std::vector<std::string> MusicList;

    bool operator==(const TShowSettings&) const = default;
};

} // namespace vm
