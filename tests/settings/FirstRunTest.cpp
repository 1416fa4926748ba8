#include "settings/FirstRun.h"

#include "support/TempDir.h"
#include "util/IniFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vm;

namespace {

TsMultiLang LanguageWith(const test::TempDir& dir, const std::string& strings)
{
    std::ofstream(dir / "en.lng", std::ios::binary) << "[LANGUAGE]\nName=English\n[STRING]\n" << strings;
    TsMultiLang language;
    language.SetLangFile(dir / "en.lng");
    return language;
}

} // namespace

TEST(FirstRunSetup, WritesTheNewUsersDefaults)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    const TsMultiLang language = LanguageWith(dir,
        "strMemExifLine1=E1\nstrMemExifLine2=E2\nstrMemExifLine3=E3\n"
        "strMemNoExifLine1=N1\nstrMemNoExifLine2=N2\nstrMemNoExifLine3=N3\n");
    FirstRunSetup(store, "/opt/vm/", 2, language);

    EXPECT_EQ(store.ReadString("Assistant", "AssistantPath"), "/opt/vm/rudiva.elf");
    EXPECT_EQ(store.ListSection("PhotoRoot"), (std::vector<std::string>{"1", "Count"}));
    EXPECT_EQ(store.ReadString("PhotoRoot", "1"), "*/opt/vm/Demo");
    EXPECT_EQ(store.ReadString("PhotoRoot", "Count"), "1");
    EXPECT_EQ(store.ReadString("Miscellaneous", "Preview"), "/opt/vm/Demo");

    struct Style { const char* name; const char* alpha; const char* back; const char* border; const char* font; };
    for (const Style& s : {Style{"RoseRed", "219", "255", "8421631", "\"MS Sans Serif\", 8, [], [clYellow]"},
                           Style{"SkyBlue", "121", "15553129", "12615680", "\"MS Sans Serif\", 8, [], [clWhite]"},
                           Style{"GrassGreen", "196", "65408", "8454016", "\"MS Sans Serif\", 8, [], [clNavy]"}}) {
        EXPECT_EQ(store.ListSection(s.name), (std::vector<std::string>{"AlphaBlendValue", "BackColor", "BorderColor", "Font"}));
        EXPECT_EQ(store.ReadString(s.name, "AlphaBlendValue"), s.alpha);
        EXPECT_EQ(store.ReadString(s.name, "BackColor"), s.back);
        EXPECT_EQ(store.ReadString(s.name, "BorderColor"), s.border);
        EXPECT_EQ(store.ReadString(s.name, "Font"), s.font);
    }
    EXPECT_EQ(store.ReadString("Descript", "BackColor"), "65408");
    EXPECT_EQ(store.ReadString("Descript", "BorderColor"), "8454016");
    EXPECT_EQ(store.ReadString("Descript", "AlphaBlendValue"), "196");
    EXPECT_EQ(store.ReadString("Descript", "ExifFormat"), "E1\r\nE2\r\nE3\r\n");
    EXPECT_EQ(store.ReadString("Descript", "NoExifFormat"), "N1\r\nN2\r\nN3\r\n");
}

TEST(FirstRunSetup, SimplifiedChineseStylesUseSimSun)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    FirstRunSetup(store, "/opt/vm/", 0, LanguageWith(dir, ""));
    EXPECT_EQ(store.ReadString("SkyBlue", "Font"), "\"\xE5\xAE\x8B\xE4\xBD\x93\", 10, [], [clWhite]");
}

TEST(FirstRunSetup, RepeatingItOverwritesThePhotoFolders)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("PhotoRoot", "1", "*/home/me/Pictures");
    FirstRunSetup(store, "/opt/vm/", 2, LanguageWith(dir, ""));
    EXPECT_EQ(store.ReadString("PhotoRoot", "1"), "*/opt/vm/Demo");
}

TEST(CheckWinini, MapsTheMusicTypesToTheOneDevice)
{
    test::TempDir dir;
    std::ofstream(dir / "win.ini", std::ios::binary)
        << "[mci extensions]\r\nmp3=MPEGVideo2\r\nwav=MPEGVideo\r\nwma=WMAPlayer\r\nmid=mpegvideo\r\n";
    EXPECT_TRUE(CheckWinini(dir / "win.ini"));
    const IniFile ini = IniFile::Load(dir / "win.ini");
    for (const char* ext : {"mp3", "mid", "midi", "wmv", "wav"})
        EXPECT_EQ(ini.ReadString("mci extensions", ext), "MPEGVideo") << ext;
    EXPECT_EQ(ini.ReadString("mci extensions", "wma"), "WMAPlayer");
}

TEST(CheckWinini, WritesNothingWhenEverythingIsMapped)
{
    test::TempDir dir;
    EXPECT_TRUE(CheckWinini(dir / "win.ini")); // creates it
    struct stat before{};
    stat((dir / "win.ini").c_str(), &before);
    EXPECT_FALSE(CheckWinini(dir / "win.ini"));
    struct stat after{};
    stat((dir / "win.ini").c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino); // not replaced
}
