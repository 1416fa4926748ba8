#pragma once
// Filling the live settings from the store and storing them back.
#include "settings/SettingsStore.h"
#include "settings/ShowSettings.h"

namespace vm {

// Reads every row the dialog shows, and the music list. The music list is read
// into the settings in every run mode, so that a dialog opened from the show
// stores the same list back on OK.
void ReadConfig(const SettingsStore& store, TShowSettings& settings);

// Stores what the dialog's OK confirms, in the fixed order of the rows. The
// photo folders are stored by their tree, not here.
void WriteConfig(SettingsStore& store, const TShowSettings& settings);

// The music list alone: the section is erased first, so no stale entry stays.
void ReadMusicList(const SettingsStore& store, std::vector<std::string>& list);
void WriteMusicList(SettingsStore& store, const std::vector<std::string>& list);

} // namespace vm
