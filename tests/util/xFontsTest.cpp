#include "util/xFonts.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(FontToString, WritesFaceSizeStylesAndColour)
{
    FontSpec font{"MS Sans Serif", 8, true, true, false, false, 0x00FFFF};
    EXPECT_EQ(FontToString(font, true), "\"MS Sans Serif\", 8, [Bold|Italic], [clYellow]");
    EXPECT_EQ(FontToString(font, false), "\"MS Sans Serif\", 8, [Bold|Italic]");
}

TEST(FontToString, UnstyledFontHasEmptyBrackets)
{
    EXPECT_EQ(FontToString({"Arial", 10}, true), "\"Arial\", 10, [], [clBlack]");
}

TEST(FontToString, UnnamedColourIsDollarAndEightHexDigits)
{
    FontSpec font{"Arial", 9};
    font.Color = 0x123456;
    EXPECT_EQ(FontToString(font, true), "\"Arial\", 9, [], [$00123456]");
}

TEST(FontFromString, ReadsBackWhatWasWritten)
{
    const FontSpec cases[] = {
        {"Noto Sans CJK SC", 12, true, false, true, true, 0x123456},
        {"DejaVu Sans", 8, false, true, false, false, 0x800000},
        {"X", 72, true, true, true, true, TColor(0xFF00000F)},
        {"\xE5\xAE\x8B\xE4\xBD\x93", 10, false, false, false, false, clWhite},
    };
    for (const FontSpec& original : cases) {
        FontSpec read{"other", 1, true, true, true, true, 1};
        FontFromString(FontToString(original, true), read, true);
        EXPECT_EQ(read, original) << FontToString(original, true);
    }
}

TEST(FontFromString, StopsSilentlyAtABadSize)
{
    FontSpec font{"Old", 11, true, false, false, false, 7};
    FontFromString("\"New\", big, [Italic], [clRed]", font, true);
    EXPECT_EQ(font, (FontSpec{"New", 11, true, false, false, false, 7}));
}

TEST(FontFromString, StopsSilentlyAtABadColourKeepingTheSize)
{
    FontSpec font{"Old", 11, true, false, false, false, 7};
    FontFromString("\"New\", 9, [Italic], [notacolour]", font, true);
    EXPECT_EQ(font, (FontSpec{"New", 9, true, false, false, false, 7}));
}

TEST(FontFromString, FaceWithACommaIsCutAtTheComma)
{
    FontSpec font;
    FontFromString(FontToString({"Arial, Bold", 9}, true), font, true);
    EXPECT_EQ(font.Name, "Aria"); // the closing quote is assumed before the comma
}

TEST(FontFromString, ReadsFirstRunStyleFonts)
{
    FontSpec font;
    FontFromString("\"MS Sans Serif\", 8, [], [clNavy]", font, true);
    EXPECT_EQ(font, (FontSpec{"MS Sans Serif", 8, false, false, false, false, 0x800000}));
}

TEST(ColorText, NamesAndNumbers)
{
    EXPECT_EQ(ColorToString(0x0000FF), "clRed");
    EXPECT_EQ(ColorToString(TColor(0xFF00000F)), "clBtnFace");
    EXPECT_EQ(ColorToString(0x80FF80), "$0080FF80");
    EXPECT_EQ(StringToColor("CLRED"), 0x0000FF);
    EXPECT_EQ(StringToColor("clHotLight"), TColor(0xFF00001A));
    EXPECT_EQ(StringToColor("$00ED5269"), 0xED5269);
    EXPECT_EQ(StringToColor("$FF000005"), TColor(0xFF000005));
    EXPECT_EQ(StringToColor("65408"), 65408);
    EXPECT_EQ(StringToColor("green-ish"), std::nullopt);
}
