#pragma once
// Where the program keeps its files on this system.
#include <string>

namespace vm::Paths {

// Folder of the settings file: $VISTAMOOR_CONFIG_DIR, else $XDG_CONFIG_HOME/vistamoor,
// else ~/.config/vistamoor.
std::string ConfigDir();
std::string SettingsFile();
// Our stand-in for the Windows folder (wallpaper bitmap, "win.ini"):
// $XDG_DATA_HOME/vistamoor, else ~/.local/share/vistamoor.
std::string DataDir();
// Folder for the single-instance lock: $XDG_RUNTIME_DIR, else the temp folder.
std::string RuntimeDir();

} // namespace vm::Paths
