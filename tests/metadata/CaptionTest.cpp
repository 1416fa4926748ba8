#include "metadata/Caption.h"

#include "ExifFixture.h"
#include "LocaleFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vm;

namespace {

const TDateTime kNow{2026, 12, 10, 14, 5, 9, 0}; // a Thursday

const TagLines kExif{
    "Make=FUJIFILM",
    "Model=X100",
    "DateTime=2005:01:02 03:04:05",
    "DateTimeOriginal=2004:07:18 06:15:02",
    "Tag A401=0",
};

TagLines Extra(const std::string& description = "Sunset", const std::string& path = "/Photos/2004/IMG_0001.jpg")
{
    CaptionSources s;
    s.photoPath = path;
    s.description = description;
    s.musicPath = "/music/Song One.mp3";
    s.freeMemoryPercent = 42.25;
    s.now = kNow;
    return GetExtendInfo(s, EnglishFormatSettings());
}

struct CaptionCase {
    const char* what;
    const char* exifTemplate;
    bool hasExif;
    const char* caption;
};

class CaptionText : public testing::TestWithParam<CaptionCase> {};

} // namespace

TEST_P(CaptionText, ExpandsTheTemplate)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(ExpandCaption(c.exifTemplate, c.hasExif, kExif, Extra(), EnglishFormatSettings()), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaptionText, testing::Values(
    CaptionCase{"example", "Taken %DateTimeOriginal%[yyyy-mm-dd] with a %Model%", true, "Taken 2004-07-18 with a X100"},
    CaptionCase{"three_passes", "%Make% %Make% %Make% %Make%", true, "FUJIFILM FUJIFILM FUJIFILM %Make%"},
    CaptionCase{"each_date_its_own_format", "%NowDateTime%[hh:nn] %DateTimeOriginal%[dddd]", true, "14:05 Sunday"},
    CaptionCase{"date_without_bracket_stays", "%DateTime% x", true, "%DateTime% x"},
    CaptionCase{"brackets_as_text", "[new] %DateTime%[yyyy]", true, "[new] 2005"},
    CaptionCase{"no_percent", "Just words [yyyy]", true, "Just words [yyyy]"},
    CaptionCase{"unnamed_tag", "%Tag A401%!", true, "0!"},
    CaptionCase{"missing_tag_stays", "%Flash% %Model%", true, "%Flash% X100"},
    CaptionCase{"names_are_case_sensitive", "%model%", true, "%model%"},
    CaptionCase{"no_exif_leaves_exif_tokens", "%Model% in %Directory%", false, "%Model% in 2004 "},
    CaptionCase{"extra_values", "%Comment%|%FileName%|%Directory%|%Path%|%Music%|%Memory%", false,
                "Sunset |IMG_0001|2004 |/Photos/2004/IMG_0001.jpg|Song One |42.3%"},
    CaptionCase{"lone_percent", "100% sure, %Model%", true, "100% sure, X100"},
    CaptionCase{"format_without_close", "%DateTime%[yyyy", true, "%DateTime%[yyyy"},
    CaptionCase{"line_breaks_kept", "%Make%\r\n%Model%", true, "FUJIFILM\r\nX100"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Caption, ADescriptionNamingALaterTokenIsExpandedInTheSamePass)
{
    EXPECT_EQ(ExpandCaption("%Comment%", false, {}, Extra("at %Path%"), EnglishFormatSettings()),
              "at /Photos/2004/IMG_0001.jpg ");
}

TEST(Caption, AnInvalidDateLeavesItsTokenAndTheRestIsBuilt)
{
    const TagLines exif{"DateTimeOriginal=    :  :     :  :  ", "Model=X100"};
    EXPECT_EQ(ExpandCaption("%DateTimeOriginal%[yyyy] %Model%", true, exif, Extra(), EnglishFormatSettings()),
              "%DateTimeOriginal%[yyyy] X100");
}

TEST(Caption, AnEmptyDescriptionGivesOneSpaceWhichIsNotSpoken)
{
    const std::string caption = ExpandCaption("%Comment%", false, {}, Extra(""), EnglishFormatSettings());
    EXPECT_EQ(caption, " ");
    EXPECT_FALSE(IsSpeakable(caption));
    EXPECT_TRUE(IsSpeakable(" a\r\n"));
    EXPECT_FALSE(SpeakableCaption(" \r\n\t"));
    EXPECT_EQ(SpeakableCaption(" Sunset "), " Sunset \r\n") << "spoken untrimmed, with a line break";
}

TEST(CaptionValues, AreTheEightInTheirOrder)
{
    const TagLines extra = Extra();
    ASSERT_EQ(extra.size(), 8u);
    const char* names[] = {"Comment=", "FileName=", "Directory=", "Path=", "NowDateTime=", "Music=", "Memory=", "Size="};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(extra[i].rfind(names[i], 0), 0u) << extra[i];
    EXPECT_EQ(extra[4], "NowDateTime=2026:12:10 14:05:09");
    EXPECT_EQ(extra[7], "Size=0.00K") << "the photo does not exist";
}

TEST(CaptionValues, MusicIsJustASpaceWithoutATrack)
{
    CaptionSources s;
    s.photoPath = "/x/a.jpg";
    EXPECT_EQ(GetExtendInfo(s, EnglishFormatSettings())[5], "Music= ");
}

TEST(CaptionValues, SizeUsesThousandsSeparatorsAndTwoDecimals)
{
    const TFormatSettings en = EnglishFormatSettings();
    EXPECT_EQ(SizeText(1234567, en), "1,205.63K");
    EXPECT_EQ(SizeText(0, en), "0.00K");
    EXPECT_EQ(SizeText(1024ull * 1024 * 1024 * 5, en), "5,242,880.00K");
    EXPECT_EQ(SizeText(std::nullopt, en), "0.00K");
    TFormatSettings de = en;
    de.ThousandSeparator = ".";
    de.DecimalSeparator = ",";
    EXPECT_EQ(SizeText(1234567, de), "1.205,63K");
    EXPECT_EQ(FormatPercent(7.25, de), "7,3%");
}

TEST(Caption, ReturnSpeakInfoReadsThePhotoAndPicksTheTemplate)
{
    const std::string withExif = test::WriteTempFile("IMG_0001.jpg", test::JpegWithExif(test::CameraTiff(false)));
    const std::string without = test::WriteTempFile("plain.jpg", test::Bytes{0xFF, 0xD8, 0xFF, 0xD9});
    const std::string cut = test::WriteTempFile("cut.jpg", test::Bytes{0xFF, 0xD8, 0xFF});
    const CaptionTemplates templates{"Taken %DateTimeOriginal%[yyyy-mm-dd] with a %Model%, %Size%",
                                     "No EXIF: %FileName% %Model%"};
    CaptionSources s;
    s.now = kNow;
    s.photoPath = withExif;
    const size_t size = std::filesystem::file_size(withExif);
    EXPECT_EQ(ReturnSpeakInfo(templates, s, EnglishFormatSettings()),
              "Taken 2004-07-18 with a X100, " + SizeText(size, EnglishFormatSettings()));
    s.photoPath = without;
    EXPECT_EQ(ReturnSpeakInfo(templates, s, EnglishFormatSettings()), "No EXIF: plain %Model%");
    s.photoPath = cut;
    EXPECT_EQ(ReturnSpeakInfo(templates, s, EnglishFormatSettings()), "No EXIF: cut %Model%");
    s.photoPath = "/no/such/photo.jpg";
    EXPECT_EQ(ReturnSpeakInfo(templates, s, EnglishFormatSettings()), "No EXIF: photo %Model%");
}

TEST(Caption, TheExampleUnderEnglishAndChineseLocales)
{
    const std::string tmpl = "Taken %DateTimeOriginal%[yyyy-mm-dd] with a %Model%, %DateTimeOriginal%[dddd]";
    if (!test::EnsureLocale("en_US.UTF-8") || !test::EnsureLocale("zh_CN.UTF-8"))
        GTEST_SKIP() << "cannot build the locales here";
    const auto en = FormatSettingsOfLocale("en_US.UTF-8");
    const auto zh = FormatSettingsOfLocale("zh_CN.UTF-8");
    ASSERT_TRUE(en && zh);
    EXPECT_EQ(ExpandCaption(tmpl, true, kExif, Extra(), *en), "Taken 2004-07-18 with a X100, Sunday");
    EXPECT_EQ(ExpandCaption(tmpl, true, kExif, Extra(), *zh),
              "Taken 2004-07-18 with a X100, \xE6\x98\x9F\xE6\x9C\x9F\xE6\x97\xA5");
    EXPECT_EQ(ExpandCaption("%Size%", false, {}, {"Size=" + SizeText(1234567, *zh)}, *zh), "1,205.63K");
}
