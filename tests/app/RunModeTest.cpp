#include "app/RunMode.h"

#include <gtest/gtest.h>

using namespace vm;

struct RunModeCase {
    std::vector<std::string> args;
    RunMode mode;
    const char* runModeText;
    bool settingsMode;
    const char* previewHandle;
};

class CommandLines : public testing::TestWithParam<RunModeCase> {};

TEST_P(CommandLines, DecideTheRunModeByTheFirstTwoCharacters)
{
    const RunModeCase& c = GetParam();
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.mode, c.mode);
    EXPECT_EQ(line.runModeText, c.runModeText);
    EXPECT_EQ(line.settingsMode, c.settingsMode);
    EXPECT_EQ(line.previewHandle, c.previewHandle);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLines, testing::Values(
    RunModeCase{{}, RunMode::Settings, "", true, ""},
    RunModeCase{{"/S"}, RunMode::Show, "RunMode", false, ""},
    RunModeCase{{"/s"}, RunMode::Show, "RunMode", false, ""},
    RunModeCase{{"/S1234"}, RunMode::Show, "RunMode", false, ""},
    RunModeCase{{"/Show", "extra"}, RunMode::Show, "RunMode", false, ""},
    RunModeCase{{"/C"}, RunMode::Settings, "SetupMode", true, ""},
    RunModeCase{{"/c:1234"}, RunMode::Settings, "SetupMode", true, ""},
    RunModeCase{{"/p", "1234"}, RunMode::Preview, "PreviewMode", false, "1234"},
    RunModeCase{{"/p:1234"}, RunMode::Preview, "PreviewMode", false, ""},
    RunModeCase{{"/P"}, RunMode::Preview, "PreviewMode", false, ""},
    RunModeCase{{"-s"}, RunMode::None, "", false, ""},
    RunModeCase{{"/"}, RunMode::None, "", false, ""},
    RunModeCase{{""}, RunMode::None, "", false, ""},
    RunModeCase{{"/X"}, RunMode::None, "", false, ""}));

TEST(ParseWindowHandle, OnlyAPositiveDecimalWindowId)
{
    EXPECT_EQ(ParseWindowHandle("1234"), 1234u);
    EXPECT_EQ(ParseWindowHandle("4294967295"), 4294967295u);
    for (const char* bad : {"", "0", "abc", "12a", "-5", "+5", "$10", "0x10", "4294967296", "99999999999", " 1"})
        EXPECT_EQ(ParseWindowHandle(bad), std::nullopt) << '"' << bad << '"';
}
