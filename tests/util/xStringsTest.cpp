#include "util/xStrings.h"

#include <gtest/gtest.h>

using namespace vm;

struct PathCase {
    const char* path;
    const char* withDelimiter;
    const char* fileName;
    const char* fileTitle;
    const char* parentFolder;
};

class PathHelpers : public testing::TestWithParam<PathCase> {};

TEST_P(PathHelpers, SplitPathsLikeCaptionsNeed)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(WithTrailingBackslash(c.path), c.withDelimiter);
    EXPECT_EQ(FileNameOfPath(c.path), c.fileName);
    EXPECT_EQ(FileTitleOfPath(c.path), c.fileTitle);
    EXPECT_EQ(ParentFolderName(c.path), c.parentFolder);
}

INSTANTIATE_TEST_SUITE_P(Cases, PathHelpers, testing::Values(
    PathCase{"/photos/", "/photos/", "", "", "photos"},
    PathCase{"/photos", "/photos/", "photos", "ph", ""},
    PathCase{"/x/IMG_0001.JPG", "/x/IMG_0001.JPG/", "IMG_0001.JPG", "IMG_0001", "x"},
    PathCase{"/x/photo.jpeg", "/x/photo.jpeg/", "photo.jpeg", "photo.", "x"},
    PathCase{"C:/a.jpg", "C:/a.jpg/", "a.jpg", "a", "C:"},
    PathCase{"/A/B/", "/A/B/", "", "", "B"},
    PathCase{"a.jpg", "a.jpg/", "a.jpg", "a", ""},
    PathCase{"abcd", "abcd/", "abcd", "", ""},
    PathCase{"", "/", "", "", ""}));

TEST(RemoveLineBreaks, DropsOnlyCarriageReturnsAndLineFeeds)
{
    EXPECT_EQ(RemoveLineBreaks("a\r\nb\nc\rd\te"), "abcd\te");
    EXPECT_EQ(RemoveLineBreaks(""), "");
}

TEST(TextBetween, TakesTheTextBetweenTheMarkers)
{
    EXPECT_EQ(TextBetween("a[bc]d", '[', ']'), "bc");
    EXPECT_EQ(TextBetween("[]", '[', ']'), "");
    EXPECT_EQ(TextBetween("%Make%", '%', '%'), "Make");
    EXPECT_EQ(TextBetween("x%a% and %b%", '%', '%'), "a");
    // Callers always pass both markers; without them the result is simply empty.
    EXPECT_EQ(TextBetween("abc", '[', ']'), "");
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence)
{
    EXPECT_EQ(ReplaceFirst("%D and %D", "%D", "today"), "today and %D");
    EXPECT_EQ(ReplaceFirst("none here", "%D", "x"), "none here");
    EXPECT_EQ(ReplaceFirst("%D", "%D", ""), "");
}
