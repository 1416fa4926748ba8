#include "util/IniFile.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    const IniFile ini(
        "[String]\r\n"
        "  strOK =  OK  \r\n"
        "quoted=\"  keep blanks  \"\r\n"
        "single='x'\r\n"
        "half=\"open\r\n"
        "empty=\r\n"
        "; a comment=not a key\r\n"
        "garbage line without equals\r\n"
        "strOK=second wins never\r\n"
        "[string]\n"
        "late=duplicate section is not read\n");
    EXPECT_EQ(ini.ReadString("STRING", "strok"), "OK");
    EXPECT_EQ(ini.ReadString("string", "quoted"), "  keep blanks  ");
    EXPECT_EQ(ini.ReadString("string", "single"), "x");
    EXPECT_EQ(ini.ReadString("string", "half"), "\"open");
    EXPECT_EQ(ini.Find("string", "empty"), std::string());
    EXPECT_EQ(ini.Find("string", "; a comment"), std::nullopt);
    EXPECT_EQ(ini.Find("string", "late"), std::nullopt);
    EXPECT_EQ(ini.ReadString("nosection", "x", "fallback"), "fallback");
}

TEST(IniFile, CutsValuesAt2047Characters)
{
    const std::string longValue(3000, 'v');
    const IniFile ini("[s]\nk=" + longValue + "\n");
    EXPECT_EQ(ini.ReadString("s", "k").size(), 2047u);

    // Characters, not bytes: a multi-byte character is never split.
    std::string wide;
    for (int i = 0; i < 2100; ++i)
        wide += "\xE4\xBD\x93";
    const IniFile cjk("[s]\nk=" + wide + "\n");
    EXPECT_EQ(cjk.ReadString("s", "k").size(), 2047u * 3);
}

TEST(IniFile, SectionValuesInFileOrder)
{
    const IniFile ini("[COMPONENT]\nb.c.Caption=1\na.b.Hint = 2 \nnoequals\n[Other]\nx=y\n");
    const auto values = ini.SectionValues("component");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], (std::pair<std::string, std::string>{"b.c.Caption", "1"}));
    EXPECT_EQ(values[1], (std::pair<std::string, std::string>{"a.b.Hint", "2"}));
}

TEST(IniFile, WritingKeepsEveryOtherLine)
{
    IniFile ini("; header\r\n[fonts]\r\nx=1\r\n\r\n[mci extensions]\r\nMP3=MPEGVideo2\r\nwma=keep\r\n\r\n[after]\r\nz=9\r\n");
    ini.WriteString("mci extensions", "mp3", "MPEGVideo");
    ini.WriteString("mci extensions", "wav", "MPEGVideo");
    ini.WriteString("new", "k", "v");
    EXPECT_EQ(ini.Text(),
              "; header\r\n[fonts]\r\nx=1\r\n\r\n[mci extensions]\r\nmp3=MPEGVideo\r\nwma=keep\r\nwav=MPEGVideo\r\n\r\n"
              "[after]\r\nz=9\r\n\r\n[new]\r\nk=v\r\n");
}
