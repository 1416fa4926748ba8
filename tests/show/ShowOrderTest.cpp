#include "show/PictureFiles.h"
#include "show/ShowOrder.h"

#include "settings/SettingsStore.h"
#include "support/TempDir.h"
#include "util/Random.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace vm;
namespace fs = std::filesystem;

namespace {

// A folder with the named (empty) files.
std::string Folder(const test::TempDir& dir, const std::string& name, std::initializer_list<const char*> files)
{
    const std::string path = dir / name;
    fs::create_directories(path);
    for (const char* file : files)
        std::ofstream(path + "/" + file) << "x";
    return path;
}

std::string Name(const std::string& path) { return fs::path(path).filename().string(); }

std::vector<std::string> Take(ShowOrder& order, int count, const ShowOrderOptions& options)
{
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(Name(order.NextPhoto(options).value_or("(none)")));
    return shown;
}

const ShowOrderOptions kInOrder{false};
const ShowOrderOptions kRandom{true};

} // namespace

TEST(RandomArray, IdentityOrAShuffleOfTheSameIndices)
{
    std::vector<int> order{9, 9};
    RandomArray(order, 5, false);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    RandomArray(order, 0, true);
    EXPECT_TRUE(order.empty());
    Random::UseCountingClock(7);
    std::set<std::vector<int>> seen;
    for (int i = 0; i < 50; ++i) {
        RandomArray(order, 6, true);
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5}));
        seen.insert(order);
    }
    EXPECT_GT(seen.size(), 30u);
}

TEST(AddPicDir, CheckedRootsThenSubFoldersThatHoldPhotos)
{
    test::TempDir dir;
    const std::string a = Folder(dir, "a", {"1.jpg"});
    const std::string b = Folder(dir, "b", {"1.jpg"});
    const std::string empty = Folder(dir, "empty", {"x.txt"});
    const std::string sub = Folder(dir, "a/sub", {"2.png"});
    SettingsStore store(dir / "s.ini");
    store.WriteString("PhotoRoot", "Count", "4");
    store.WriteString("PhotoRoot", "1", "*" + a);
    store.WriteString("PhotoRoot", "2", b); // not checked
    store.WriteString("PhotoRoot", "3", "*" + empty);
    store.WriteString("PhotoRoot", "4", "*" + dir / "missing");
    store.WriteString("PhotoPath", "Count", "2");
    store.WriteString("PhotoPath", sub, "");
    store.WriteString("PhotoPath", a, "");
    EXPECT_EQ(AddPicDir(store), (std::vector<std::string>{a, sub, a}));
}

TEST(ShowOrder, OneFolderInOrderRepeatsFromTheFirst)
{
    test::TempDir dir;
    const std::string f = Folder(dir, "f", {"A.jpg", "B.jpg", "C.jpg"});
    std::vector<std::string> fileSystemOrder;
    GetFileList(f, fileSystemOrder);
    ShowOrder order({f});
    const auto shown = Take(order, 7, kInOrder);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(shown[size_t(i)], Name(fileSystemOrder[size_t(i % 3)]));
}

TEST(ShowOrder, TwoFoldersInOrderGoFolderByFolder)
{
    test::TempDir dir;
    const std::string a = Folder(dir, "a", {"a1.jpg"});
    const std::string b = Folder(dir, "b", {"b1.jpg"});
    ShowOrder order({a, b});
    EXPECT_EQ(Take(order, 5, kInOrder), (std::vector<std::string>{"a1.jpg", "b1.jpg", "a1.jpg", "b1.jpg", "a1.jpg"}));
}

TEST(ShowOrder, RandomPassesShowEveryPhotoOncePerPass)
{
    test::TempDir dir;
    const std::string f = Folder(dir, "f", {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"});
    Random::UseCountingClock(100);
    ShowOrder order({f});
    std::set<std::vector<std::string>> passes;
    for (int pass = 0; pass < 20; ++pass) {
        const auto shown = Take(order, 5, kRandom);
        EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), 5u);
        passes.insert(shown);
    }
    EXPECT_GT(passes.size(), 10u); // a new permutation each pass
}

TEST(ShowOrder, APassNeverStartsWithTheFolderThatEndedTheLastOne)
{
    test::TempDir dir;
    std::vector<std::string> folders;
    for (const char* name : {"a", "b", "c", "d"})
        folders.push_back(Folder(dir, name, {(std::string(name) + "1.jpg").c_str(), (std::string(name) + "2.jpg").c_str()}));
    Random::UseCountingClock(1);
    ShowOrder order(folders);
    char previousLast = 0;
    for (int pass = 0; pass < 30; ++pass) {
        const auto shown = Take(order, 8, kRandom);
        for (int i = 0; i < 8; i += 2)
            EXPECT_EQ(shown[size_t(i)][0], shown[size_t(i + 1)][0]) << "folder by folder";
        if (previousLast)
            EXPECT_NE(shown.front()[0], previousLast) << "pass " << pass;
        previousLast = shown.back()[0];
    }
}

TEST(ShowOrder, TwoRandomFoldersRepeatTheFirstPassFolderOrder)
{
    test::TempDir dir;
    const std::string a = Folder(dir, "a", {"a1.jpg"});
    const std::string b = Folder(dir, "b", {"b1.jpg"});
    Random::UseCountingClock(5);
    ShowOrder order({a, b});
    const auto first = Take(order, 2, kRandom);
    for (int pass = 0; pass < 10; ++pass)
        EXPECT_EQ(Take(order, 2, kRandom), first);
}

TEST(ShowOrder, StartPhotoComesFirstOnceWhenItExists)
{
    test::TempDir dir;
    const std::string f = Folder(dir, "f", {"only.jpg"});
    const std::string start = Folder(dir, "s", {"start.jpg"}) + "/start.jpg";
    ShowOrder order({f});
    ShowOrderOptions options{false, true, start};
    EXPECT_EQ(Take(order, 3, options), (std::vector<std::string>{"start.jpg", "only.jpg", "only.jpg"}));

    ShowOrder missing({f});
    options.startPicPath = dir / "gone.jpg";
    EXPECT_EQ(Take(missing, 2, options), (std::vector<std::string>{"only.jpg", "only.jpg"}));
}

TEST(ShowOrder, AFolderEmptiedDuringTheShowIsPassedOver)
{
    test::TempDir dir;
    const std::string a = Folder(dir, "a", {"a1.jpg"});
    const std::string b = Folder(dir, "b", {"b1.jpg"});
    const std::string c = Folder(dir, "c", {"c1.jpg"});
    ShowOrder order({a, b, c});
    EXPECT_EQ(Take(order, 1, kInOrder), std::vector<std::string>{"a1.jpg"});
    fs::remove(b + "/b1.jpg");
    EXPECT_EQ(Take(order, 3, kInOrder), (std::vector<std::string>{"c1.jpg", "a1.jpg", "c1.jpg"}));
}

TEST(ShowOrder, APassOfEmptyFoldersEndsTheSearchInsteadOfSpinning)
{
    test::TempDir dir;
    const std::string a = Folder(dir, "a", {"a1.jpg"});
    const std::string b = Folder(dir, "b", {"b1.jpg"});
    Random::UseCountingClock(9);
    ShowOrder order({a, b});
    order.NextPhoto(kRandom);
    fs::remove(a + "/a1.jpg");
    fs::remove(b + "/b1.jpg");
    EXPECT_EQ(order.NextPhoto(kRandom), std::nullopt);
    EXPECT_EQ(order.NextPhoto(kInOrder), std::nullopt);
    std::ofstream(b + "/back.jpg") << "x";
    EXPECT_EQ(Name(order.NextPhoto(kInOrder).value_or("")), "back.jpg");
}
