#include "lang/LanguageFolder.h"

#include "platform/SystemLanguage.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace vm;

namespace {

void Lng(const test::TempDir& dir, const std::string& file, const std::string& name)
{
    std::ofstream(dir / file, std::ios::binary) << "[LANGUAGE]\nName=" << name << "\n";
}

} // namespace

TEST(ListLanguages, ListsLngFilesByName)
{
    test::TempDir dir;
    Lng(dir, "tw.lng", "T");
    Lng(dir, "en.lng", "E");
    Lng(dir, "cn.LNG", "C");
    Lng(dir, "readme.txt", "x");
    const auto list = ListLanguages(dir.str() + "/");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].name, "cn");
    EXPECT_EQ(list[1].name, "en");
    EXPECT_EQ(list[1].path, dir.str() + "/en.lng");
    EXPECT_EQ(list[2].name, "tw");
    EXPECT_TRUE(ListLanguages("/nonexistent/").empty());
}

TEST(ChooseLanguageFile, StoredChoiceElseTheSystemLanguage)
{
    const std::string folder = "/i/Language/";
    const std::vector<LanguageEntry> all{{"cn", folder + "cn.lng"}, {"en", folder + "en.lng"}, {"tw", folder + "tw.lng"}};
    EXPECT_EQ(ChooseLanguageFile(all, folder, "", 0), folder + "cn.lng");
    EXPECT_EQ(ChooseLanguageFile(all, folder, "", 1), folder + "tw.lng");
    EXPECT_EQ(ChooseLanguageFile(all, folder, "", 2), folder + "en.lng");
    EXPECT_EQ(ChooseLanguageFile(all, folder, "/elsewhere/fr.lng", 0), "/elsewhere/fr.lng");
    EXPECT_EQ(ChooseLanguageFile(all, folder, folder + "gb.lng", 2), folder + "cn.lng");

    // Traditional Chinese system, no "tw" file: no language, the built-in texts stay.
    const std::vector<LanguageEntry> noTw{{"cn", folder + "cn.lng"}, {"en", folder + "en.lng"}};
    EXPECT_EQ(ChooseLanguageFile(noTw, folder, "", 1), "");
}

TEST(FilesNamed, SameDisplayNameAppliesEachInNameOrder)
{
    test::TempDir dir;
    Lng(dir, "b.lng", "Deutsch");
    Lng(dir, "A.lng", "Deutsch");
    Lng(dir, "c.lng", "English");
    const auto files = FilesNamed(dir.str() + "/", "Deutsch");
    EXPECT_EQ(files, (std::vector<std::string>{dir.str() + "/A.lng", dir.str() + "/b.lng"}));
}

TEST(SystemLanguage, LocaleNamesMapToLanguageIds)
{
    EXPECT_EQ(LanguageIdOfLocale("zh_CN.UTF-8"), 2052);
    EXPECT_EQ(LanguageIdOfLocale("zh_TW.UTF-8"), 1028);
    EXPECT_EQ(LanguageIdOfLocale("zh_HK"), 3076);
    EXPECT_EQ(LanguageIdOfLocale("zh_SG.UTF-8"), 4100);
    EXPECT_EQ(LanguageIdOfLocale("zh_MO"), 5124);
    EXPECT_EQ(LanguageIdOfLocale("de_DE.UTF-8"), 1033);
    EXPECT_EQ(LanguageIdOfLocale("C"), 1033);
}
