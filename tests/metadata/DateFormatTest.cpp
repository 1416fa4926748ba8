#include "metadata/DateFormat.h"

#include "LocaleFixture.h"

#include <gtest/gtest.h>

using namespace vm;

namespace {

const TDateTime kSample{2004, 7, 18, 6, 15, 2, 0}; // a Sunday

struct FormatCase {
    const char* format;
    TDateTime date;
    const char* text;
};

class DateFormatter : public testing::TestWithParam<FormatCase> {};

} // namespace

TEST_P(DateFormatter, FormatsLikeThePatternsSay)
{
    const FormatCase& c = GetParam();
    TFormatSettings english = EnglishFormatSettings();
    english.DateSeparator = "-";
    english.TimeSeparator = ".";
    EXPECT_EQ(FormatDateTime(c.format, c.date, english), c.text) << c.format;
}

INSTANTIATE_TEST_SUITE_P(Patterns, DateFormatter, testing::Values(
    FormatCase{"c", kSample, "07-18-2004 06.15.02 AM"},
    FormatCase{"c", {2004, 7, 18, 0, 0, 0, 0}, "07-18-2004"},
    FormatCase{"d dd", {2004, 7, 5, 6, 15, 2, 0}, "5 05"},
    FormatCase{"ddd|dddd", kSample, "Sun|Sunday"},
    FormatCase{"ddddd", kSample, "07-18-2004"},
    FormatCase{"dddddd", kSample, "Sunday 18 July 2004"},
    FormatCase{"m mm mmm mmmm", kSample, "7 07 Jul July"},
    FormatCase{"hh:mm h m", kSample, "06.15 6 15"},
    FormatCase{"yy yyyy", {2009, 1, 1, 0, 0, 0, 0}, "09 2009"},
    FormatCase{"h hh n nn s ss", {2004, 7, 18, 9, 5, 3, 0}, "9 09 5 05 3 03"},
    FormatCase{"z zzz", {2004, 7, 18, 9, 5, 3, 7}, "7 007"},
    FormatCase{"t|tt", kSample, "06.15 AM|06.15.02 AM"},
    FormatCase{"ham/pm", {2004, 7, 18, 18, 0, 0, 0}, "6pm"},
    FormatCase{"hAM/PM", {2004, 7, 18, 18, 0, 0, 0}, "6PM"},
    FormatCase{"hh a/p", {2004, 7, 18, 0, 30, 0, 0}, "12 a"},
    FormatCase{"h A/P", {2004, 7, 18, 12, 30, 0, 0}, "12 P"},
    FormatCase{"h ampm", {2004, 7, 18, 13, 0, 0, 0}, "1 PM"},
    FormatCase{"h 'x' hh am/pm", {2004, 7, 18, 13, 0, 0, 0}, "13 x 01 pm"},
    FormatCase{"'at' \"d\" d", kSample, "at d 18"},
    FormatCase{"YYYY-MM-DD", kSample, "2004-07-18"},
    FormatCase{"yyyy/mm/dd", kSample, "2004-07-18"},
    FormatCase{"yy/mm/dd", kSample, "04-07-18"},
    FormatCase{"mm.dd", kSample, "07.18"},
    FormatCase{"dddddd dddd tt", kSample, "Sunday 18 July 2004 Sunday 06.15.02 AM"},
    FormatCase{"yyyy\xE5\xB9\xB4 #", kSample, "2004\xE5\xB9\xB4 #"},
    FormatCase{"", kSample, ""}));

TEST(ExifDate, IsReadByCharacterPosition)
{
    const auto d = ExifDateToDateTime("2004:07:18 06:15:02");
    ASSERT_TRUE(d);
    EXPECT_EQ(FormatDateTime("yyyy mm dd hh nn ss zzz", *d, EnglishFormatSettings()), "2004 07 18 06 15 02 000");
    const auto other = ExifDateToDateTime("2004-07-18T06.15.02Z");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->minute, 15);
}

TEST(ExifDate, BlankOrImpossibleValuesAreNotDates)
{
    for (const char* value : {"    :  :     :  :  ", "", "2004:07:18", "2004:02:30 10:00:00", "2004:13:01 10:00:00",
                              "2004:07:18 24:00:00", "0000:00:00 00:00:00"})
        EXPECT_FALSE(ExifDateToDateTime(value)) << value;
}

TEST(DayOfWeekTest, KnowsTheCalendar)
{
    EXPECT_EQ(DayOfWeek(kSample), 0);
    EXPECT_EQ(DayOfWeek({2000, 2, 29, 0, 0, 0, 0}), 2);
    EXPECT_EQ(DayOfWeek({2026, 12, 10, 0, 0, 0, 0}), 4);
}

TEST(SystemLocale, EnglishFormsComeFromTheLocale)
{
    if (!test::EnsureLocale("en_US.UTF-8"))
        GTEST_SKIP() << "cannot build the en_US locale here";
    const auto f = FormatSettingsOfLocale("en_US.UTF-8");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->ShortDateFormat, "mm/dd/yyyy");
    EXPECT_EQ(f->LongTimeFormat, "hh:nn:ss ampm");
    EXPECT_EQ(f->ShortTimeFormat, "hh:nn ampm");
    EXPECT_EQ(f->LongDateFormat, "dddd dd mmmm yyyy");
    EXPECT_EQ(f->ThousandSeparator, ",");
    EXPECT_EQ(FormatDateTime("c", kSample, *f), "07/18/2004 06:15:02 AM");
    EXPECT_EQ(FormatDateTime("dddd, mmmm d", kSample, *f), "Sunday, July 18");
}

TEST(SystemLocale, ChineseNamesAndFormsComeFromTheLocale)
{
    if (!test::EnsureLocale("zh_CN.UTF-8"))
        GTEST_SKIP() << "cannot build the zh_CN locale here";
    const auto f = FormatSettingsOfLocale("zh_CN.UTF-8");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->ShortDateFormat, "yyyy\xE5\xB9\xB4mm\xE6\x9C\x88" "dd\xE6\x97\xA5"); // yyyy年mm月dd日
    EXPECT_EQ(FormatDateTime("dddd", kSample, *f), "\xE6\x98\x9F\xE6\x9C\x9F\xE6\x97\xA5"); // 星期日
    EXPECT_EQ(FormatDateTime("mmmm", kSample, *f), "\xE4\xB8\x83\xE6\x9C\x88");           // 七月
    EXPECT_EQ(FormatDateTime("tt", kSample, *f), "06\xE6\x97\xB6" "15\xE5\x88\x86" "02\xE7\xA7\x92"); // 06时15分02秒
    EXPECT_EQ(FormatDateTime("t", kSample, *f), "06\xE6\x97\xB6" "15\xE5\x88\x86");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", kSample, *f), "2004-07-18");
}

TEST(SystemLocale, StrftimeFormsTurnIntoPatterns)
{
    EXPECT_EQ(PatternOfStrftime("%d.%m.%Y"), "dd.mm.yyyy");
    EXPECT_EQ(PatternOfStrftime("%H:%M:%S", false, false, true), "hh:nn");
    EXPECT_EQ(PatternOfStrftime("%a %d %b %Y %T %Z", true, true), "dddd dd mmmm yyyy");
    EXPECT_EQ(PatternOfStrftime("%Y. %m. %d. (%a) de %B"), "yyyy. mm. dd. (ddd\") de \"mmmm");
    EXPECT_EQ(PatternOfStrftime("%e/%-m/%y"), "d/mm/yy");
}
