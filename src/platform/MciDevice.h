#pragma once
// Which media device plays a file: its extension looked up in the
// "mci extensions" section of our "win.ini" (kept by CheckWinini), then in the
// table the system ships with.
#include <optional>
#include <string>
#include <string_view>

namespace vm {

class IniFile;

// The device name for `path`, or nullopt when its extension is known nowhere.
std::optional<std::string> MciDeviceForFile(const IniFile& winIni, std::string_view path);

// Whether our back end serves that device (case ignored): the MPEG and wave
// devices do; the MIDI sequencer and the rest don't.
bool MciDevicePlayable(std::string_view device);

// The "win.ini" that holds the table: Paths::DataDir() + "/win.ini".
std::string WinIniPath();

} // namespace vm
