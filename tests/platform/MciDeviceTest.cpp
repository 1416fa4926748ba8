#include "platform/MciDevice.h"

#include "util/IniFile.h"

#include <gtest/gtest.h>

using namespace vm;

namespace {

struct DeviceCase {
    const char* winIni;
    const char* path;
    std::optional<std::string> device;
};

const DeviceCase kDeviceCases[] = {
    // What CheckWinini writes wins over the system's table.
    {"[mci extensions]\r\nmp3=MPEGVideo\r\nmid=MPEGVideo\r\n", "/m/song.mp3", "MPEGVideo"},
    {"[mci extensions]\r\nmid=MPEGVideo\r\n", "/m/tune.MID", "MPEGVideo"},
    {"[MCI Extensions]\r\nwav=MPEGVideo2\r\n", "a.wav", "MPEGVideo2"},
    // Nothing written: the system's own table.
    {"", "/m/song.wma", "MPEGVideo"},
    {"", "/m/clip.wmv", "MPEGVideo"},
    {"", "/m/beep.wav", "WaveAudio"},
    {"", "/m/tune.midi", "Sequencer"},
    {"[mci extensions]\r\nwma=\r\n", "/m/song.wma", "MPEGVideo"},
    // No extension, or one nobody knows.
    {"", "/m/README", std::nullopt},
    {"", "/m.d/README", std::nullopt},
    {"", "/m/notes.txt", std::nullopt},
    {"[mci extensions]\r\ntxt=Reader\r\n", "/m/notes.txt", "Reader"},
};

} // namespace

TEST(MciDevice, ExtensionChoosesTheDevice)
{
    for (const DeviceCase& c : kDeviceCases)
        EXPECT_EQ(MciDeviceForFile(IniFile(c.winIni), c.path), c.device) << c.winIni << " " << c.path;
}

TEST(MciDevice, OnlyTheMpegAndWaveDevicesPlayHere)
{
    for (const char* device : {"MPEGVideo", "mpegvideo2", "WaveAudio"})
        EXPECT_TRUE(MciDevicePlayable(device)) << device;
    for (const char* device : {"Sequencer", "AVIVideo", "CDAudio", "", "Reader"})
        EXPECT_FALSE(MciDevicePlayable(device)) << device;
}
