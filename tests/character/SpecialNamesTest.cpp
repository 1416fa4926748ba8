// The special animations: which return animation follows which, and when a
// following request stays inside the group.
#include "PlayTestSupport.h"
#include "character/SpecialNames.h"
#include "character/oaActor.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

using namespace testlib;

// Animation numbers: 1 Other, 2 GetAttention, 3 GetAttentionContinued,
// 4 GetAttentionReturn, 5 Read, 6 ReadReturn; no "ReadContinued", no "Write...".
struct SpecialNamesFixture : testing::Test {
    TempFile file;
    TAssistantActor actor;
    TSpecialNames names;
    void SetUp() override
    {
        std::vector<TestAnimation> animations;
        for (const char* name :
             {"Other", "getattention", "GetAttentionContinued", "GetAttentionReturn", "Read", "ReadReturn"})
            animations.push_back(Anim(name, {}, Frames({1})));
        actor.SetFileName(WriteLibrary(file, animations));
        names.Resolve(actor);
    }
};

TEST_F(SpecialNamesFixture, ResolvesEachNameIgnoringCase)
{
    const std::vector<uint16_t> expected{2, 3, 4, 5, 0, 6, 0, 0, 0};
    for (int i = 0; i < TSpecialNames::kCount; ++i)
        EXPECT_EQ(names.AnimationAt(i), expected[size_t(i)]) << kSpecialNames[i];
    EXPECT_EQ(names.AnimationAt(-1), 0);
    EXPECT_EQ(names.AnimationAt(9), 0);
}

TEST_F(SpecialNamesFixture, StartAndContinuedFormsLeadToTheirGroupsReturn)
{
    EXPECT_EQ(names.ReturnIndexFor(2), 2);
    EXPECT_EQ(names.ReturnIndexFor(3), 2);
    EXPECT_EQ(names.ReturnIndexFor(5), 5);
    EXPECT_EQ(names.ReturnIndexFor(4), -1) << "a return is not followed by another";
    EXPECT_EQ(names.ReturnIndexFor(6), -1);
    EXPECT_EQ(names.ReturnIndexFor(1), -1) << "not special";
    EXPECT_EQ(names.ReturnIndexFor(0), -1) << "missing entries hold 0, which is no animation";
}

TEST_F(SpecialNamesFixture, ARequestLeavesTheGroupUnlessItContinuesOrReturnsIt)
{
    EXPECT_FALSE(names.LeavesGroup(2, 3)) << "GetAttentionContinued";
    EXPECT_FALSE(names.LeavesGroup(2, 4)) << "GetAttentionReturn";
    EXPECT_TRUE(names.LeavesGroup(2, 2)) << "GetAttention starts the group anew";
    EXPECT_TRUE(names.LeavesGroup(2, 1));
    EXPECT_TRUE(names.LeavesGroup(2, 6)) << "another group's return";
    EXPECT_TRUE(names.LeavesGroup(2, 0)) << "nothing queued";
    EXPECT_FALSE(names.LeavesGroup(5, 6));
}

} // namespace
} // namespace vm
