#include "settings/Config.h"
#include "settings/ConfigTable.h"

#include "support/Files.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace vm;
using test::ReadFile;

TEST(ReadConfig, EmptyStoreReadsEveryDefault)
{
    test::TempDir dir;
    TShowSettings s;
    ReadConfig(SettingsStore(dir / "s.ini"), s);

    EXPECT_EQ(s.Stay, 2000);
    EXPECT_EQ(s.Speed, 10);
    EXPECT_FALSE(s.Sleep);
    EXPECT_TRUE(s.MusicOn);
    EXPECT_FALSE(s.UseStartPic);
    EXPECT_EQ(s.StartPicPath, "");
    EXPECT_EQ(s.Preview, "");
    EXPECT_EQ(s.TabIndex, 5);
    EXPECT_FALSE(s.IgnoreMouseMove);
    EXPECT_EQ(s.MouseSensitivity, 5);
    EXPECT_EQ(s.Skin, 5);
    EXPECT_TRUE(s.RandomShow);
    EXPECT_TRUE(s.RandomPlay);
    EXPECT_TRUE(s.SpeakDescript);
    EXPECT_EQ(s.PosX, 500);
    EXPECT_EQ(s.PosY, 300);
    EXPECT_EQ(s.AssistantPath, "");
    EXPECT_EQ(s.BackColor, 13434879);
    EXPECT_EQ(s.BorderColor, 65535);
    EXPECT_EQ(s.AlphaBlendValue, 255);
    EXPECT_EQ(s.Font, "");
    EXPECT_EQ(s.ExifFormat, "");
    EXPECT_EQ(s.NoExifFormat, "");
    EXPECT_TRUE(s.Pause);
    EXPECT_TRUE(s.Wallpaper);
    EXPECT_TRUE(s.Description);
    EXPECT_FALSE(s.Delete);
    EXPECT_TRUE(s.Music);
    EXPECT_TRUE(s.MusicList.empty());

    const TShowSettings defaults = DefaultShowSettings();
    EXPECT_TRUE(defaults.FirstRun);
    EXPECT_TRUE(defaults.ShowAssistant);
    EXPECT_TRUE(defaults.ShowPrompt);
    EXPECT_FALSE(defaults.AssistantMove);
    EXPECT_EQ(defaults.InstallPath, "");
}

TEST(ReadConfig, UnreadableNumbersFallBackPerRow)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("Miscellaneous", "Stay", "soon");
    store.WriteString("Miscellaneous", "Sleep", "2");
    store.WriteString("Miscellaneous", "RandomShow", "yes");
    store.WriteString("Shortcut", "Delete", "1");
    TShowSettings s;
    ReadConfig(store, s);
    EXPECT_EQ(s.Stay, 2000);
    EXPECT_TRUE(s.Sleep);
    EXPECT_TRUE(s.RandomShow);
    EXPECT_TRUE(s.Delete);
}

TEST(ReadConfig, MusicListSkipsMissingAndEmptyEntries)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("Music", "MusicCounter", "4");
    store.WriteString("Music", "Music0", "/m/a.mp3");
    store.WriteString("Music", "Music2", "/m/c.mp3");
    store.WriteString("Music", "Music3", "");
    store.WriteString("Music", "Music7", "/m/beyond the counter.mp3");
    TShowSettings s;
    ReadConfig(store, s);
    EXPECT_EQ(s.MusicList, (std::vector<std::string>{"/m/a.mp3", "/m/c.mp3"}));
}

TEST(WriteConfig, WritesEveryRowInItsFixedOrder)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    TShowSettings s = DefaultShowSettings();
    s.Language = "/usr/share/vistamoor/Language/en.lng";
    WriteConfig(store, s);
    EXPECT_EQ(store.ListSection("Miscellaneous"),
              (std::vector<std::string>{"Stay", "Speed", "Sleep", "MusicOn", "UseStartPic", "StartPicPath", "TabIndex",
                                        "Language", "Preview", "IgnoreMouseMove", "MouseSensitivity", "Skin",
                                        "RandomShow", "RandomPlay"}));
    EXPECT_EQ(store.ListSection("Descript"),
              (std::vector<std::string>{"AlphaBlendValue", "BackColor", "BorderColor", "ExifFormat", "NoExifFormat"}));
    EXPECT_EQ(store.ListSection("Assistant"),
              (std::vector<std::string>{"SpeakDescript", "PosX", "PosY", "AssistantPath"}));
    EXPECT_EQ(store.ListSection("Shortcut"),
              (std::vector<std::string>{"Pause", "Wallpaper", "Description", "Delete", "Music"}));
    EXPECT_EQ(store.ListSection("Music"), std::vector<std::string>{"MusicCounter"});
}

TEST(WriteConfig, ReadBackGivesTheSameSettings)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    TShowSettings s = DefaultShowSettings();
    s.Stay = 7500;
    s.Speed = 3;
    s.Sleep = true;
    s.StartPicPath = "/photos/start.jpg";
    s.ExifFormat = "Taken %DateTimeOriginal%[yyyy-mm-dd]\r\nwith a %Model%\r\n";
    s.BackColor = int32_t(0xFF00000F);
    s.MusicList = {"/m/one.mp3", "/m/two = three.ogg"};
    s.Font = "\"DejaVu Sans\", 9, [Bold], [clNavy]";
    s.FontChanged = true;
    WriteConfig(store, s);

    TShowSettings back;
    ReadConfig(SettingsStore(dir / "s.ini"), back);
    s.FontChanged = false;
    s.Language.clear(); // read by the language setup, not here
    back.InstallPath = s.InstallPath;
    EXPECT_EQ(back.Stay, s.Stay);
    EXPECT_EQ(back.ExifFormat, s.ExifFormat);
    EXPECT_EQ(back.BackColor, s.BackColor);
    EXPECT_EQ(back.MusicList, s.MusicList);
    EXPECT_EQ(back.Font, s.Font);
    for (const ConfigRow& row : ConfigRows())
        if (row.use & kReadByConfig)
            EXPECT_TRUE(std::visit([&](auto m) { return back.*m == s.*m; }, row.field)) << row.name;
}

TEST(WriteConfig, SavingTwiceLeavesTheSameFile)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    TShowSettings s = DefaultShowSettings();
    s.MusicList = {"/a.mp3", "/b.mp3", "/c.mp3"};
    WriteConfig(store, s);
    const std::string first = ReadFile(dir / "s.ini");
    WriteConfig(store, s);
    EXPECT_EQ(ReadFile(dir / "s.ini"), first);
}

TEST(WriteConfig, AShorterMusicListLeavesNoStaleEntries)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    TShowSettings s = DefaultShowSettings();
    s.MusicList = {"/a.mp3", "/b.mp3", "/c.mp3"};
    WriteConfig(store, s);
    s.MusicList = {"/c.mp3"};
    WriteConfig(store, s);
    EXPECT_EQ(store.ListSection("Music"), (std::vector<std::string>{"MusicCounter", "Music0"}));
    EXPECT_EQ(store.ReadString("Music", "Music0"), "/c.mp3");
}

TEST(WriteConfig, FontOnlyWhenChangedAndSkinOnlyWhenChosen)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("Descript", "Font", "\"Stored\", 8, [], [clBlack]");
    store.WriteString("Miscellaneous", "Skin", "2");
    TShowSettings s = DefaultShowSettings();
    s.Font = "\"Other\", 8, [], [clBlack]";
    s.Skin = -1;
    WriteConfig(store, s);
    EXPECT_EQ(store.ReadString("Descript", "Font"), "\"Stored\", 8, [], [clBlack]");
    EXPECT_EQ(store.ReadString("Miscellaneous", "Skin"), "2");

    s.FontChanged = true;
    s.Skin = 4;
    WriteConfig(store, s);
    EXPECT_EQ(store.ReadString("Descript", "Font"), "\"Other\", 8, [], [clBlack]");
    EXPECT_EQ(store.ReadString("Miscellaneous", "Skin"), "4");
}

TEST(WriteConfig, LeavesPhotoFoldersAndCharacterStateAlone)
{
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("PhotoRoot", "1", "*/photos");
    store.WriteString("Assistant", "FirstRun", "0");
    store.WriteString("Miscellaneous", "InstallPath", "/opt/vistamoor/");
    TShowSettings s = DefaultShowSettings();
    WriteConfig(store, s);
    EXPECT_EQ(store.ReadString("PhotoRoot", "1"), "*/photos");
    EXPECT_EQ(store.ReadString("Assistant", "FirstRun"), "0");
    EXPECT_EQ(store.ReadString("Miscellaneous", "InstallPath"), "/opt/vistamoor/");
}
