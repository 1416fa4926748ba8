#include "show/PictureFiles.h"

#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace vm;
namespace fs = std::filesystem;

namespace {

std::string Folder(const test::TempDir& dir, const std::string& name, std::initializer_list<const char*> files)
{
    const std::string path = dir / name;
    fs::create_directories(path);
    for (const char* file : files)
        std::ofstream(path + "/" + file) << "x";
    return path;
}

std::string Name(const std::string& path) { return fs::path(path).filename().string(); }

} // namespace

TEST(PictureFiles, ExtensionsCaseIgnoredFoldersIncluded)
{
    for (const char* yes : {"a.jpg", "photo.Jpeg", "x.PNG", "scan.tiff", "icon.ico", "a.b.jfif", ".jpg", "x.vst", "y.Pgm"})
        EXPECT_TRUE(IsPictureFile(yes)) << yes;
    for (const char* no : {"a.jpgx", "readme.txt", "jpg", "a.", "music.mp3", "x.webp", "descript.ion", "x.psd"})
        EXPECT_FALSE(IsPictureFile(no)) << no;

    test::TempDir dir;
    const std::string f = Folder(dir, "f", {"one.JPG", ".hidden.png", "notes.txt"});
    fs::create_directories(f + "/pics.jpg");
    fs::create_directories(f + "/sub");
    std::ofstream(f + "/sub/deep.jpg") << "x";
    std::vector<std::string> list{"stale"};
    ASSERT_TRUE(GetFileList(f, list));
    std::set<std::string> names;
    for (const auto& p : list)
        names.insert(Name(p));
    EXPECT_EQ(names, (std::set<std::string>{"one.JPG", ".hidden.png", "pics.jpg"}));
    EXPECT_TRUE(HasPhoto(f));
    EXPECT_FALSE(HasPhoto(f + "/sub/nothing-here"));
    EXPECT_FALSE(GetFileList(dir / "missing", list));
    EXPECT_TRUE(list.empty());
}

