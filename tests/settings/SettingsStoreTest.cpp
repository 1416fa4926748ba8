#include "settings/SettingsStore.h"

#include "support/Files.h"
#include "support/TempDir.h"
#include "util/Error.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace vm;
using test::ReadFile;
using test::WriteFile;
namespace fs = std::filesystem;

TEST(SettingsStore, TypedReadsFallBackToTheirDefault)
{
    test::TempDir dir;
    WriteFile(dir / "s.ini", "[Misc]\nBig=2\nYes=yes\nHex=$10\nEmpty=\nNum=42\n");
    SettingsStore store(dir / "s.ini");
    EXPECT_TRUE(store.ReadBool("Misc", "Big", false));
    EXPECT_FALSE(store.ReadBool("Misc", "Yes", false));
    EXPECT_TRUE(store.ReadBool("Misc", "Yes", true));
    EXPECT_EQ(store.ReadInteger("Misc", "Hex", 0), 16);
    EXPECT_EQ(store.ReadInteger("Misc", "Empty", 7), 7);
    EXPECT_EQ(store.ReadInteger("misc", "NUM", 0), 42);
    EXPECT_EQ(store.ReadString("Misc", "Missing", "dflt"), "dflt");
    EXPECT_EQ(store.ReadString("Nowhere", "x"), "");
}

TEST(SettingsStore, WritesReachTheFileAndOtherHandlesAtOnce)
{
    test::TempDir dir;
    SettingsStore a(dir / "s.ini");
    SettingsStore b(dir / "s.ini");
    a.WriteInteger("Misc", "Stay", 3000);
    a.WriteBool("Misc", "Sleep", true);
    EXPECT_EQ(b.ReadInteger("Misc", "Stay", 0), 3000);
    EXPECT_EQ(SettingsStore(dir / "s.ini").ReadString("Misc", "Sleep"), "1");
    EXPECT_EQ(ReadFile(dir / "s.ini"), "[Misc]\nStay=3000\nSleep=1\n");
}

TEST(SettingsStore, ListsValuesInWriteOrderAndErasesSections)
{
    test::TempDir dir;
    {
        SettingsStore store(dir / "s.ini");
        for (const char* name : {"Count", "3", "1", "2"})
            store.WriteString("PhotoRoot", name, "x");
        store.WriteString("Other", "keep", "y");
        EXPECT_EQ(store.ListSection("photoroot"), (std::vector<std::string>{"Count", "3", "1", "2"}));
        store.EraseSection("PHOTOROOT");
        EXPECT_TRUE(store.ListSection("PhotoRoot").empty());
        store.WriteString("PhotoRoot", "1", "z");
    }
    SettingsStore reopened(dir / "s.ini");
    EXPECT_EQ(reopened.ListSection("PhotoRoot"), std::vector<std::string>{"1"});
    EXPECT_EQ(reopened.ReadString("Other", "keep"), "y");
}

TEST(SettingsStore, AwkwardValuesSurviveAReopen)
{
    test::TempDir dir;
    const std::string text = "line one\r\nname=value\r\n[section]\\x41 \xE5\xAE\x8B";
    SettingsStore(dir / "s.ini").WriteString("Descript", "ExifFormat", text);
    EXPECT_EQ(SettingsStore(dir / "s.ini").ReadString("Descript", "ExifFormat"), text);
}

TEST(SettingsStore, KeepsACopyOfAFileItCouldNotFullyReadBeforeOverwritingIt)
{
    test::TempDir dir;
    const std::string damaged = "[Misc]\nStay=1234\nthis line is damaged\n\x01\x02\x03";
    WriteFile(dir / "s.ini", damaged);
    SettingsStore store(dir / "s.ini");
    EXPECT_EQ(store.ReadInteger("Misc", "Stay", 0), 1234);
    store.WriteString("Misc", "Speed", "5");
    store.WriteString("Misc", "Speed", "6");

    std::vector<std::string> copies;
    for (const auto& entry : fs::directory_iterator(dir.str()))
        if (entry.path().filename().string().starts_with("s.ini.broken-"))
            copies.push_back(entry.path().string());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadFile(copies[0]), damaged);
    EXPECT_EQ(ReadFile(dir / "s.ini"), "[Misc]\nStay=1234\nSpeed=6\n");
}

TEST(SettingsStore, AFailedWriteKeepsTheOldFileAndReportsIt)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("Misc", "Stay", "1000");
    fs::permissions(dir.str(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(store.WriteString("Misc", "Stay", "2000"), Error);
    EXPECT_EQ(store.ReadString("Misc", "Stay"), "1000");
    fs::permissions(dir.str(), fs::perms::owner_all);
    EXPECT_EQ(ReadFile(dir / "s.ini"), "[Misc]\nStay=1000\n");
}

TEST(SettingsStore, AFailedWriteOnAFullDiskKeepsTheOldFile)
{
    // A file size limit makes write() fail as a full disk would, for root too.
    test::TempDir dir;
    SettingsStore store(dir / "s.ini");
    store.WriteString("Misc", "Stay", "1000");
    const std::string before = ReadFile(dir / "s.ini");

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    EXPECT_THROW(store.WriteString("Misc", "Music", std::string(100, 'x')), Error);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadFile(dir / "s.ini"), before);
    EXPECT_FALSE(store.ValueExists("Misc", "Music"));
    for (const auto& entry : fs::directory_iterator(dir.str()))
        EXPECT_EQ(entry.path().filename(), "s.ini") << "temporary file left behind";
}

TEST(SettingsStore, AFolderThatCannotHoldTheFileReportsTheError)
{
    test::TempDir dir;
    WriteFile(dir / "blocker", "");
    SettingsStore store(dir / "blocker/s.ini");
    EXPECT_THROW(store.WriteString("Misc", "Stay", "2000"), Error);
    EXPECT_EQ(store.ReadString("Misc", "Stay", "none"), "none");
}
