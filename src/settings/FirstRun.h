#pragma once
// What a new user starts with, and the media-extension table the music needs.
#include "lang/MultiLang.h"
#include "settings/SettingsStore.h"

#include <string>

namespace vm {

// Writes the first-run defaults: the demo folder as the one checked photo
// folder and the preview folder, the actor library, the three caption styles,
// the balloon colours and the caption templates of the language.
// `installDir` ends in the path delimiter.
void FirstRunSetup(SettingsStore& store, const std::string& installDir, int languageClass,
                   const TsMultiLang& language);

// The memo text of template lines: each line followed by CR LF.
std::string MemoText(std::initializer_list<std::string> lines);

// Maps mp3, mid, midi, wmv and wav to "MPEGVideo" in the "mci extensions" section
// of `winIniPath`, writing only what differs. Returns true when it wrote.
bool CheckWinini(const std::string& winIniPath);

} // namespace vm
