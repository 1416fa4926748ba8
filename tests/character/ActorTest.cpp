// Opening, validating and querying actor libraries.
#include "TestLibrary.h"
#include "character/oaActor.h"
#include "util/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace vm {
namespace {

using testlib::Animation;
using testlib::Record;
using Bytes = std::vector<uint8_t>;

TActorInfo ThreeAnimations()
{
    return Record({Animation("Show", 1, {64}), Animation("Read", 2, {33, 34}), Animation("read", 3, {33, 78, 79})});
}

struct ActorFixture : testing::Test {
    testlib::TempFile file;
    TAssistantActor actor;
    std::vector<std::string> events;

    void SetUp() override
    {
        actor.OnLoad = [this](TAssistantActor& a) { events.push_back("load " + std::to_string(a.AnimationCount())); };
        actor.OnUnload = [this](TAssistantActor& a) { events.push_back(a.IsEmpty() ? "unload empty" : "unload"); };
    }
    const std::string& Write(const TActorInfo& info, const builder::PeLibraryOptions& options = {})
    {
        return file.Write(testlib::Library(info, options).bytes);
    }
};

TEST_F(ActorFixture, OpensAValidLibraryAndAnswersFromItsRecord)
{
    actor.SetFileName(Write(ThreeAnimations()));
    ASSERT_FALSE(actor.IsEmpty());
    EXPECT_EQ(events, (std::vector<std::string>{"load 3"}));
    EXPECT_EQ(actor.AnimationCount(), 3);
    EXPECT_EQ(actor.FrameWidth(), 4);
    EXPECT_EQ(actor.FrameHeight(), 3);
    EXPECT_EQ(actor.TransparentIndex(), 7);
    EXPECT_EQ(actor.TransparentColor(), 0x0003F807u); // entry 7: red 7, green 248, blue 3
    ASSERT_NE(actor.Palette(), nullptr);
    EXPECT_EQ(actor.Palette()->entries[200].red, 200);
    ASSERT_NE(actor.Animations(1), nullptr);
    EXPECT_EQ(actor.Animations(1)->name, "Show");
    EXPECT_EQ(actor.Animations(3)->name, "read");
    EXPECT_EQ(actor.Animations(0), nullptr);
    EXPECT_EQ(actor.Animations(4), nullptr);
    EXPECT_TRUE(actor.AnimationResource(2));
    EXPECT_FALSE(actor.AnimationResource(9));
    EXPECT_TRUE(actor.WaveResource(5));
}

TEST_F(ActorFixture, CountsAnimationsPerStateButNeverStates78And79)
{
    actor.SetFileName(Write(ThreeAnimations()));
    const auto& counts = actor.StateCounts();
    EXPECT_EQ(counts.size(), 78u);
    EXPECT_EQ(counts[33], 2);
    EXPECT_EQ(counts[34], 1);
    EXPECT_EQ(counts[64], 1);
    EXPECT_EQ(counts[60], 0);
    EXPECT_EQ(actor.PickAnimation(78), 0);
    EXPECT_EQ(actor.PickAnimation(79), 0);
}

TEST_F(ActorFixture, PicksEachAnimationOfAStateAndNoOther)
{
    actor.SetFileName(Write(ThreeAnimations()));
    Random::Seed(4242);
    std::set<uint16_t> picked;
    for (int i = 0; i < 200; ++i)
        picked.insert(actor.PickAnimation(33));
    EXPECT_EQ(picked, (std::set<uint16_t>{2, 3}));
    EXPECT_EQ(actor.PickAnimation(64), 1);
    EXPECT_EQ(actor.PickAnimation(0), 0);
    EXPECT_EQ(actor.PickAnimation(60), 0);
    EXPECT_EQ(actor.PickAnimation(-1), 0);
}

TEST_F(ActorFixture, AnAnimationWithOnlyStates78Or79IsNeverChosen)
{
    actor.SetFileName(Write(Record({Animation("Odd", 1, {78}), Animation("Odder", 2, {79})})));
    for (int s = 0; s < 100; ++s)
        EXPECT_EQ(actor.PickAnimation(s), 0) << s;
}

TEST_F(ActorFixture, FindsTheHighestNumberedAnimationOfANameIgnoringCase)
{
    actor.SetFileName(Write(ThreeAnimations()));
    EXPECT_EQ(actor.FindAnimation("Read"), 3);
    EXPECT_EQ(actor.FindAnimation("READ"), 3);
    EXPECT_EQ(actor.FindAnimation("show"), 1);
    EXPECT_EQ(actor.FindAnimation(""), 0);
    EXPECT_EQ(actor.FindAnimation("Write"), 0);
}

TEST_F(ActorFixture, SameNameInOtherCaseNeitherClosesNorReopens)
{
    const std::string path = Write(ThreeAnimations());
    actor.SetFileName(path);
    std::string shouted = path;
    for (char& c : shouted)
        c = char(toupper(static_cast<unsigned char>(c)));
    actor.SetFileName(shouted);
    EXPECT_EQ(actor.FileName(), path);
    EXPECT_EQ(events, (std::vector<std::string>{"load 3"}));
}

TEST_F(ActorFixture, EmptyNameClosesAndOpensNothing)
{
    actor.SetFileName(Write(ThreeAnimations()));
    actor.SetFileName("");
    EXPECT_TRUE(actor.IsEmpty());
    EXPECT_EQ(actor.FileName(), "");
    EXPECT_EQ(events, (std::vector<std::string>{"load 3", "unload"}));
    EXPECT_EQ(actor.AnimationCount(), 0);
    EXPECT_EQ(actor.FrameWidth(), 0);
    EXPECT_EQ(actor.Palette(), nullptr);
    EXPECT_EQ(actor.Animations(1), nullptr);
    EXPECT_EQ(actor.PickAnimation(33), 0);
    EXPECT_EQ(actor.FindAnimation("Show"), 0);
    EXPECT_FALSE(actor.AnimationResource(1));
}

TEST_F(ActorFixture, OpenTwiceDoesNothingTheSecondTime)
{
    actor.SetFileName(Write(ThreeAnimations()));
    actor.Open();
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(ActorFixture, MissingFileSaysFileNotFoundAndLeavesTheActorEmpty)
{
    const std::string missing = file.Path() + ".gone";
    try {
        actor.SetFileName(missing);
        FAIL() << "no error";
    } catch (const EActorError& e) {
        EXPECT_EQ(std::string(e.what()), missing + "\r\nFile not found");
    }
    EXPECT_TRUE(actor.IsEmpty());
    EXPECT_EQ(actor.FileName(), "");
    EXPECT_TRUE(events.empty());
}

TEST_F(ActorFixture, ChangingLibrariesUnloadsTheOldOne)
{
    const std::string first = Write(ThreeAnimations());
    actor.SetFileName(first);
    testlib::TempFile other;
    actor.SetFileName(other.Write(testlib::Library(Record({Animation("Only", 1, {60})})).bytes));
    EXPECT_EQ(events, (std::vector<std::string>{"load 3", "unload", "load 1"}));
    EXPECT_EQ(actor.PickAnimation(60), 1);
}

struct InvalidCase {
    const char* what;
    Bytes (*make)();
};

class InvalidLibrary : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidLibrary, IsRefusedWithTheLibraryMessageAndLeavesTheActorEmpty)
{
    testlib::TempFile file;
    const std::string& path = file.Write(GetParam().make());
    TAssistantActor actor;
    bool loaded = false;
    actor.OnLoad = [&](TAssistantActor&) { loaded = true; };
    try {
        actor.SetFileName(path);
        FAIL() << "no error";
    } catch (const EActorError& e) {
        EXPECT_EQ(std::string(e.what()), path + "\r\nFile is not a valid actor library");
    }
    EXPECT_TRUE(actor.IsEmpty());
    EXPECT_EQ(actor.FileName(), "");
    EXPECT_FALSE(loaded);
    EXPECT_EQ(actor.AnimationCount(), 0);
    EXPECT_EQ(actor.TransparentColor(), 0u);
    EXPECT_EQ(actor.StateCounts()[33], 0);
}

Bytes WithCode(Bytes code)
{
    builder::PeLibraryOptions options;
    options.code = std::move(code);
    return testlib::Library(ThreeAnimations(), options).bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidLibrary,
    testing::Values(
        InvalidCase{"version_199", [] {
                        TActorInfo info = ThreeAnimations();
                        info.version = 199;
                        return testlib::Library(info).bytes;
                    }},
        InvalidCase{"zero_animations", [] { return testlib::Library(Record({})).bytes; }},
        InvalidCase{"missing_export", [] {
                        builder::PeLibraryOptions options;
                        options.exportName = "GetActorData";
                        return testlib::Library(ThreeAnimations(), options).bytes;
                    }},
        InvalidCase{"returns_null", [] { return WithCode({0xB8, 0, 0, 0, 0, 0xC3}); }},
        InvalidCase{"record_pointer_outside_the_image", [] { return WithCode({0xB8, 0, 0, 0, 0x20, 0xC3}); }},
        InvalidCase{"record_pointer_below_the_image_base", [] { return WithCode({0xB8, 0, 0x10, 0, 0, 0xC3}); }},
        InvalidCase{"code_that_computes_the_address", [] { return WithCode({0xE8, 0, 0, 0, 0, 0x58, 0xC3}); }},
        InvalidCase{"truncated_file", [] {
                        Bytes b = testlib::Library(ThreeAnimations()).bytes;
                        b.resize(b.size() - 700);
                        return b;
                    }},
        InvalidCase{"record_cut_by_its_section", [] {
                        // The header claims more animations than the section holds.
                        const auto built = testlib::Library(ThreeAnimations());
                        Bytes b = built.bytes;
                        const size_t count = built.bytes.size(); // find the record by its version word
                        for (size_t i = 0; i + 1058 < count; ++i)
                            if (b[i] == 200 && b[i + 1] == 0 && b[i + 1056] == 3 && b[i + 1057] == 0) {
                                b[i + 1057] = 0x40;
                                break;
                            }
                        return b;
                    }},
        InvalidCase{"resource_tree_loops", [] {
                        const auto built = testlib::Library(ThreeAnimations());
                        Bytes b = built.bytes;
                        b[built.resourceFileOffset + 16 + 4] = 0;
                        b[built.resourceFileOffset + 16 + 5] = 0;
                        b[built.resourceFileOffset + 16 + 6] = 0;
                        b[built.resourceFileOffset + 16 + 7] = 0x80;
                        return b;
                    }},
        InvalidCase{"text_file", [] { return Bytes{'h', 'e', 'l', 'l', 'o'}; }},
        InvalidCase{"empty_file", [] { return Bytes{}; }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Actor, AFolderIsNotAValidLibrary)
{
    testlib::TempFile file;
    const std::string folder = std::filesystem::path(file.Path()).parent_path().string();
    TAssistantActor actor;
    EXPECT_THROW(actor.SetFileName(folder), EActorError);
    EXPECT_TRUE(actor.IsEmpty());
}

} // namespace
} // namespace vm
