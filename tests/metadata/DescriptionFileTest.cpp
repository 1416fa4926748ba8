#include "metadata/DescriptionEditor.h"
#include "metadata/DescriptionFile.h"

#include "util/AtomicFile.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace vm;
namespace fs = std::filesystem;

namespace {

class DescriptionFolder : public testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("vm-descript-" + std::to_string(::getpid()) + "-"
                                             + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "a");
        fs::create_directories(root_ / "b");
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(root_ / "a", fs::perms::owner_all, ec);
        fs::remove_all(root_, ec);
    }

    std::string Photo(const std::string& name, const std::string& folder = "a") const
    {
        return (root_ / folder / name).string();
    }
    std::string FileBytes(const std::string& folder = "a") const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile((root_ / folder / "descript.ion").string(), bytes));
        return bytes;
    }
    void Write(const std::string& bytes, const std::string& folder = "a") const
    {
        std::ofstream((root_ / folder / "descript.ion"), std::ios::binary) << bytes;
    }
    // Opens the editor on the photo, applies the memo text as OK does.
    bool Save(const std::string& photo, const std::string& memo) const
    {
        DescriptionEditor editor;
        editor.Open(photo);
        return editor.Commit(memo);
    }

    fs::path root_;
};

} // namespace

TEST(DescriptionLines, SplitAtCrLfLfAndCrWithoutAnEmptyLastLine)
{
    EXPECT_EQ(SplitDescriptionLines("a\r\nb\nc\rd"), (DescriptionLines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitDescriptionLines("a\r\n\r\nb\r\n"), (DescriptionLines{"a", "", "b"}));
    EXPECT_EQ(SplitDescriptionLines("a\n\r"), (DescriptionLines{"a", ""}));
    EXPECT_EQ(SplitDescriptionLines(""), DescriptionLines{});
    EXPECT_EQ(SplitDescriptionLines(std::string("x\0y\xFF", 4)), DescriptionLines{std::string("x\0y\xFF", 4)});
    EXPECT_EQ(JoinDescriptionLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

struct MatchCase {
    const char* what;
    DescriptionLines lines;
    const char* photo;
    int index;
    const char* description;
};

class LineMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(LineMatch, FirstLineBeginningWithTheExactNameWins)
{
    const MatchCase& c = GetParam();
    const int index = FindDescriptionLine(c.lines, c.photo);
    EXPECT_EQ(index, c.index);
    if (index >= 0) {
        EXPECT_EQ(DescriptionOfLine(c.lines[size_t(index)], c.photo), c.description);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LineMatch, testing::Values(
    MatchCase{"plain", {"a.jpg x", "IMG_1.jpg Sunset"}, "IMG_1.jpg", 1, "Sunset"},
    MatchCase{"case_differs", {"img_1.jpg Sunset"}, "IMG_1.JPG", -1, ""},
    MatchCase{"longer_name_first", {"IMG_1.jpg.old Old", "IMG_1.jpg New"}, "IMG_1.jpg", 0, "old Old"},
    MatchCase{"first_of_two", {"IMG_1.jpg One", "IMG_1.jpg Two"}, "IMG_1.jpg", 0, "One"},
    MatchCase{"spaces_belong_to_it", {"IMG_1.jpg   x  "}, "IMG_1.jpg", 0, "  x  "},
    MatchCase{"any_separator", {"IMG_1.jpg\tTab"}, "IMG_1.jpg", 0, "Tab"},
    MatchCase{"name_only", {"IMG_1.jpg"}, "IMG_1.jpg", 0, ""},
    MatchCase{"name_with_spaces", {"My photo.jpg Me"}, "My photo.jpg", 0, "Me"},
    MatchCase{"empty_name_matches_nothing", {"x"}, "", -1, ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(DescriptionFolder, ANewDescriptionCreatesTheFileWithOneCrLfLineAndHidesIt)
{
    EXPECT_TRUE(Save(Photo("IMG_1.jpg"), "Sunset"));
    EXPECT_EQ(FileBytes(), "IMG_1.jpg Sunset\r\n");
    std::string hidden;
    ASSERT_TRUE(ReadWholeFile((root_ / "a" / ".hidden").string(), hidden));
    EXPECT_EQ(hidden, "descript.ion\n");
    EXPECT_FALSE((fs::status(root_ / "a" / "descript.ion").permissions() & fs::perms::owner_write) == fs::perms::none)
        << "never left read-only";

    EXPECT_TRUE(Save(Photo("IMG_2.jpg"), "Dawn"));
    ASSERT_TRUE(ReadWholeFile((root_ / "a" / ".hidden").string(), hidden));
    EXPECT_EQ(hidden, "descript.ion\n") << "listed once";
}

TEST_F(DescriptionFolder, HidingKeepsWhatTheFolderListAlreadyHolds)
{
    std::ofstream(root_ / "a" / ".hidden", std::ios::binary) << "thumbs";
    EXPECT_TRUE(HideInFolder((root_ / "a").string() + "/", "descript.ion"));
    std::string hidden;
    ASSERT_TRUE(ReadWholeFile((root_ / "a" / ".hidden").string(), hidden));
    EXPECT_EQ(hidden, "thumbs\ndescript.ion\n");
}

TEST_F(DescriptionFolder, OtherLinesAreWrittenBackByteForByteInTheirOrder)
{
    const std::string odd = std::string("z.jpg \xE4\xB8\xAD\x01 \0end", 13);
    Write("a.jpg First\nIMG_1.jpg Old\r" + odd + "\r\n\r\n  stray line");
    EXPECT_TRUE(Save(Photo("IMG_1.jpg"), "New"));
    EXPECT_EQ(FileBytes(), "a.jpg First\r\nIMG_1.jpg New\r\n" + odd + "\r\n\r\n  stray line\r\n");
}

TEST_F(DescriptionFolder, CaseOfTheNameCountsSoADifferentCaseAppendsALine)
{
    Write("img_1.jpg lower\r\n");
    EXPECT_TRUE(Save(Photo("IMG_1.JPG"), "upper"));
    EXPECT_EQ(FileBytes(), "img_1.jpg lower\r\nIMG_1.JPG upper\r\n");
}

TEST_F(DescriptionFolder, ALongerNameCanCaptureThePhotosLineWhenItComesFirst)
{
    Write("IMG_1.jpg.old kept\r\n");
    DescriptionEditor editor;
    editor.Open(Photo("IMG_1.jpg"));
    EXPECT_EQ(editor.FLineIndex(), 0);
    EXPECT_EQ(editor.InitialText(), "old kept");
}

TEST_F(DescriptionFolder, ClearingTheOnlyDescriptionLeavesAnEmptyFile)
{
    Write("IMG_1.jpg Sunset\r\n");
    EXPECT_TRUE(Save(Photo("IMG_1.jpg"), " \r\n\t "));
    EXPECT_TRUE(fs::exists(root_ / "a" / "descript.ion"));
    EXPECT_EQ(FileBytes(), "");
}

TEST_F(DescriptionFolder, AnEmptyTextForAPhotoWithoutALineWritesNothing)
{
    EXPECT_FALSE(Save(Photo("IMG_1.jpg"), "  "));
    EXPECT_FALSE(fs::exists(root_ / "a" / "descript.ion"));
}

struct EditCase {
    const char* what;
    const char* before; // file content, "" for none
    const char* memo;
    const char* after;
};

class EditRules : public testing::TestWithParam<EditCase> {};

TEST_P(EditRules, OkWritesTheLineAsTheRulesSay)
{
    const EditCase& c = GetParam();
    const fs::path dir = fs::temp_directory_path() / ("vm-edit-" + std::to_string(::getpid()) + c.what);
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (*c.before)
        std::ofstream(dir / "descript.ion", std::ios::binary) << c.before;
    DescriptionEditor editor;
    editor.Open((dir / "IMG_1.jpg").string());
    editor.Commit(c.memo);
    std::string bytes;
    ReadWholeFile((dir / "descript.ion").string(), bytes);
    EXPECT_EQ(bytes, c.after);
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditRules, testing::Values(
    EditCase{"pasted_lines_join", "", "first\r\nsecond", "IMG_1.jpg firstsecond\r\n"},
    EditCase{"new_loses_trailing_keeps_leading", "", "  new  ", "IMG_1.jpg   new\r\n"},
    EditCase{"replaced_keeps_both", "IMG_1.jpg old\r\n", "  new  ", "IMG_1.jpg   new  \r\n"},
    EditCase{"replaced_line_break_joined", "IMG_1.jpg old\r\n", "a\nb", "IMG_1.jpg ab\r\n"},
    EditCase{"delete_keeps_others", "x.jpg 1\r\nIMG_1.jpg old\r\ny.jpg 2\r\n", "", "x.jpg 1\r\ny.jpg 2\r\n"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(DescriptionFolder, EachPhotoWritesToItsOwnFolder)
{
    EXPECT_TRUE(Save(Photo("IMG_1.jpg", "a"), "in a"));
    EXPECT_TRUE(Save(Photo("IMG_1.jpg", "b"), "in b"));
    EXPECT_EQ(FileBytes("a"), "IMG_1.jpg in a\r\n");
    EXPECT_EQ(FileBytes("b"), "IMG_1.jpg in b\r\n");
}

TEST_F(DescriptionFolder, GetDescriptReadsAfreshAndLeavesAnOpenEditorAlone)
{
    Write("IMG_1.jpg one\r\nIMG_2.jpg two\r\n");
    DescriptionEditor editor;
    editor.Open(Photo("IMG_1.jpg"));
    Write("IMG_1.jpg changed\r\nIMG_2.jpg two\r\n");
    EXPECT_EQ(GetDescript(Photo("IMG_1.jpg")), "changed");
    EXPECT_EQ(GetDescript(Photo("IMG_3.jpg")), "");
    EXPECT_EQ(GetDescript(Photo("IMG_1.jpg", "b")), "") << "no file";
    EXPECT_EQ(editor.InitialText(), "one");
    EXPECT_EQ(editor.FLineIndex(), 0);
}

TEST_F(DescriptionFolder, AFailedWriteLosesNothingAndCanBeRetried)
{
    // A "folder" that is a plain file can't take the new file, whoever we run as.
    std::ofstream(root_ / "blocker") << "x";
    DescriptionEditor editor;
    editor.Open((root_ / "blocker" / "IMG_1.jpg").string());
    EXPECT_THROW(editor.Commit("text"), Error);
    EXPECT_EQ(editor.FLines().size(), 0u);

    // Deleting a line whose write fails must not shift the next try to another line.
    Write("x.jpg 1\r\nIMG_1.jpg old\r\ny.jpg 2\r\n");
    DescriptionEditor deleting;
    deleting.Open(Photo("IMG_1.jpg"));
    fs::permissions(root_ / "a", fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() != 0) {
        EXPECT_THROW(deleting.Commit(""), Error);
        EXPECT_EQ(deleting.FLines().size(), 3u);
        EXPECT_EQ(FileBytes(), "x.jpg 1\r\nIMG_1.jpg old\r\ny.jpg 2\r\n");
    }
    fs::permissions(root_ / "a", fs::perms::owner_all);
    EXPECT_TRUE(deleting.Commit(""));
    EXPECT_EQ(FileBytes(), "x.jpg 1\r\ny.jpg 2\r\n");
}

TEST_F(DescriptionFolder, AnUnreadableFileIsNeverOverwritten)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    Write("IMG_1.jpg secret\r\nother.jpg kept\r\n");
    fs::permissions(root_ / "a" / "descript.ion", fs::perms::none);
    DescriptionEditor editor;
    editor.Open(Photo("IMG_1.jpg"));
    EXPECT_FALSE(editor.LoadError().empty());
    EXPECT_THROW(editor.Commit("new"), Error);
    fs::permissions(root_ / "a" / "descript.ion", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileBytes(), "IMG_1.jpg secret\r\nother.jpg kept\r\n");
}
