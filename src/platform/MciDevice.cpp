#include "platform/MciDevice.h"

#include "platform/Paths.h"
#include "util/IniFile.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vm {
namespace {

struct ExtensionDevice {
    std::string_view extension;
    std::string_view device;
};

// What the system maps when "win.ini" says nothing about an extension.
constexpr std::array kSystemTable{
    ExtensionDevice{"wav", "WaveAudio"},  ExtensionDevice{"mid", "Sequencer"},
    ExtensionDevice{"midi", "Sequencer"}, ExtensionDevice{"rmi", "Sequencer"},
    ExtensionDevice{"mp3", "MPEGVideo"},  ExtensionDevice{"mp2", "MPEGVideo"},
    ExtensionDevice{"mpa", "MPEGVideo"},  ExtensionDevice{"wma", "MPEGVideo"},
    ExtensionDevice{"wmv", "MPEGVideo"},  ExtensionDevice{"asf", "MPEGVideo"},
    ExtensionDevice{"mpg", "MPEGVideo"},  ExtensionDevice{"mpeg", "MPEGVideo"},
    ExtensionDevice{"aif", "MPEGVideo"},  ExtensionDevice{"aiff", "MPEGVideo"},
    ExtensionDevice{"au", "MPEGVideo"},   ExtensionDevice{"snd", "MPEGVideo"},
    ExtensionDevice{"avi", "AVIVideo"},
};

constexpr std::array<std::string_view, 3> kPlayableDevices{"mpegvideo", "mpegvideo2", "waveaudio"};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

// The text after the last dot of the file name; empty when it has none.
std::string Extension(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : Lower(name.substr(dot + 1));
}

} // namespace

std::optional<std::string> MciDeviceForFile(const IniFile& winIni, std::string_view path)
{
    const std::string extension = Extension(path);
    if (extension.empty())
        return std::nullopt;
    if (auto device = winIni.Find("mci extensions", extension); device && !device->empty())
        return device;
    for (const ExtensionDevice& row : kSystemTable)
        if (row.extension == extension)
            return std::string(row.device);
    return std::nullopt;
}

bool MciDevicePlayable(std::string_view device)
{
    const std::string lower = Lower(device);
    return std::find(kPlayableDevices.begin(), kPlayableDevices.end(), lower) != kPlayableDevices.end();
}

std::string WinIniPath() { return Paths::DataDir() + "/win.ini"; }

} // namespace vm
