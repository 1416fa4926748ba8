#include "settings/SettingsFileFormat.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(SettingsFileFormat, AnyTextRoundTripsExactly)
{
    const std::string awkward[] = {
        "", "plain", "line1\r\nline2\r\n", "a=b=c", "[not a section]", "back\\slash\\", "\\x41 is not A",
        std::string("nul\0byte", 8), "\x01\x1F\x7F", "trailing blanks   ", "   leading", "; not a comment",
        "\xE5\xAE\x8B\xE4\xBD\x93 UTF-8", "\xFF\xFE invalid UTF-8", "]", "\r", "\n\n",
    };
    SettingsData data;
    for (const std::string& text : awkward) {
        data.Set("Section", "value " + text, text);
        data.Set(text.empty() ? "x" : text, text, text);
    }
    const ParsedSettings parsed = ParseSettings(SerializeSettings(data));
    EXPECT_TRUE(parsed.clean);
    EXPECT_EQ(parsed.data, data);
}

TEST(SettingsFileFormat, KeepsWriteOrderAndFirstSpelling)
{
    SettingsData data;
    data.Set("Misc", "Zeta", "1");
    data.Set("Misc", "Alpha", "2");
    data.Set("MISC", "zeta", "3");
    ASSERT_EQ(data.sections.size(), 1u);
    ASSERT_EQ(data.sections[0].values.size(), 2u);
    EXPECT_EQ(data.sections[0].values[0], (SettingsValue{"Zeta", "3"}));
    EXPECT_EQ(data.sections[0].values[1], (SettingsValue{"Alpha", "2"}));
}

struct DamagedCase {
    const char* name;
    std::string text;
    const char* section;
    const char* value;
    const char* expected; // nullptr: missing
};

class DamagedFile : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, ReadsWhatItCanAndSaysItWasNotClean)
{
    const DamagedCase& c = GetParam();
    const ParsedSettings parsed = ParseSettings(c.text);
    EXPECT_FALSE(parsed.clean);
    const SettingsValue* v = parsed.data.Find(c.section, c.value);
    if (c.expected) {
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->text, c.expected);
    } else {
        EXPECT_EQ(v, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFile, testing::Values(
    DamagedCase{"truncated", "[Misc]\nStay=2000\nSpe", "Misc", "Stay", "2000"},
    DamagedCase{"line without equals", "[Misc]\ngarbage\nStay=1", "Misc", "Stay", "1"},
    DamagedCase{"value before any section", "Stay=1\n[Misc]\nSpeed=3", "Misc", "Speed", "3"},
    DamagedCase{"duplicate value keeps first", "[Misc]\nStay=1\nstay=2", "Misc", "Stay", "1"},
    DamagedCase{"duplicate section merges", "[Misc]\nStay=1\n[Other]\n[misc]\nSpeed=4", "Misc", "Speed", "4"},
    DamagedCase{"unclosed section header", "[Misc\nStay=1\n[Ok]\nx=2", "Ok", "x", "2"},
    DamagedCase{"bad escape kept literally", "[Misc]\nPath=C:\\q\\x4", "Misc", "Path", "C:\\q\\x4"},
    DamagedCase{"binary garbage", std::string("\x00\xFF\x13[\x80]\n[Misc]\n\x01\x02\nStay=5\n\xFE", 24), "Misc", "Stay", "5"}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });
