#include "lang/MultiLang.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace vm;

namespace {

TsMultiLang Load(const test::TempDir& dir, const std::string& text)
{
    std::ofstream(dir / "x.lng", std::ios::binary) << text;
    TsMultiLang language;
    language.SetLangFile(dir / "x.lng");
    return language;
}

} // namespace

TEST(LanguageString, FoundTextReplacesMissingOrEmptyKeepsTheCallersText)
{
    test::TempDir dir;
    const TsMultiLang lang = Load(dir, "[string]\r\nstrOK = \"Fine\" \r\nstrEmpty=\r\nstrQuoted=\"\"\r\n");
    std::string text = "before";
    lang.LanguageString("STROK", text);
    EXPECT_EQ(text, "Fine");
    lang.LanguageString("strEmpty", text);
    EXPECT_EQ(text, "Fine");
    lang.LanguageString("strQuoted", text);
    EXPECT_EQ(text, "Fine");
    lang.LanguageString("strMissing", text);
    EXPECT_EQ(text, "Fine");
}

TEST(LanguageString, MissingFileFindsNothing)
{
    TsMultiLang lang;
    lang.SetLangFile("/nonexistent/xx.lng");
    std::string text = "kept";
    lang.LanguageString("strOK", text);
    EXPECT_EQ(text, "kept");
    EXPECT_TRUE(lang.ComponentTexts().empty());
    EXPECT_EQ(lang.LangFile(), "/nonexistent/xx.lng");
}

TEST(LanguageFont, ReadsTheFontSectionWithItsDefaults)
{
    test::TempDir dir;
    const TsMultiLang full = Load(dir, "[FONT]\nName=DejaVu Sans\nSize=11\nColor=255\n");
    EXPECT_EQ(full.LanguageFont(true), (FontSpec{"DejaVu Sans", 11, false, false, false, false, 255}));
    EXPECT_EQ(full.LanguageFont(false).Color, clBlack);

    const TsMultiLang empty = Load(dir, "[STRING]\n");
    EXPECT_EQ(empty.LanguageFont(true), (FontSpec{"\xE5\xAE\x8B\xE4\xBD\x93", 10}));

    const TsMultiLang bad = Load(dir, "[FONT]\nSize=big\nColor=red\n");
    EXPECT_EQ(bad.LanguageFont(true).Size, 10);
    EXPECT_EQ(bad.LanguageFont(true).Color, clBlack);
}

TEST(ComponentTexts, SplitsAtTheFirstTwoDotsAndTurnsTildesIntoLineBreaks)
{
    test::TempDir dir;
    const TsMultiLang lang = Load(dir,
        "[COMPONENT]\n"
        "frmConfig.btnOk.Caption=&OK~~now\n"
        "frmConfig.btnOk.Font.Name=Arial\n"
        "nodots=skipped\n"
        "one.dot=skipped\n"
        "frmDescript.Label1.Caption=~~~a\n");
    const auto lines = lang.ComponentTexts();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].form, "frmConfig");
    EXPECT_EQ(lines[0].component, "btnOk");
    EXPECT_EQ(lines[0].property, "Caption");
    EXPECT_EQ(lines[0].value, "&OK\r\nnow");
    EXPECT_EQ(lines[1].property, "Font.Name");
    EXPECT_EQ(lines[2].value, "\r\n~a");
}

TEST(LanguageFile, GarbageAndOverlongValuesStillLookUpWhatTheyCan)
{
    test::TempDir dir;
    std::string text = std::string("\x01\x02 garbage\n[STRING\n=\n") + "[STRING]\nstrLong=" + std::string(5000, 'x') +
                       "\n\xFF\xFE\nstrOK=OK\n";
    const TsMultiLang lang = Load(dir, text);
    EXPECT_EQ(lang.Text("strLong").size(), 2047u);
    EXPECT_EQ(lang.Text("strOK"), "OK");
}

TEST(DetectLang, ChineseLocalesPickTheirClass)
{
    const std::pair<int, int> cases[] = {{2052, 0}, {1028, 1}, {3076, 1}, {4100, 1}, {5124, 1}, {1033, 2}, {1031, 2}};
    for (auto [id, cls] : cases)
        EXPECT_EQ(LanguageClassOf(id), cls) << id;
}
