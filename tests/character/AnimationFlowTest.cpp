// Frame to frame: branches by chance, exit branches, the end of an animation,
// and how long a frame stays.
#include "PlayTestSupport.h"
#include "character/AnimationFlow.h"

#include <gtest/gtest.h>

#include <deque>

namespace vm {
namespace {

using testlib::Branch;
using testlib::Exit;
using testlib::Frames;

// Hands out the given draws in order and records the ranges asked for.
struct ScriptedRandom {
    std::deque<int32_t> draws;
    std::vector<int32_t> ranges;
    RandomDraw Draw()
    {
        return [this](int32_t range) {
            ranges.push_back(range);
            const int32_t r = draws.empty() ? 0 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return r;
        };
    }
};

struct NextFrameCase {
    const char* name;
    TAnimationImage image;
    int from;
    bool exiting;
    std::deque<int32_t> draws;
    FrameStep expected;
    std::vector<int32_t> ranges; // the shares drawn from, in order
};

void PrintTo(const NextFrameCase& c, std::ostream* os) { *os << c.name; }

class NextFrameTest : public testing::TestWithParam<NextFrameCase> {};

TEST_P(NextFrameTest, ChoosesTheFrameAfter)
{
    const NextFrameCase& c = GetParam();
    ScriptedRandom random{c.draws, {}};
    const FrameStep step = NextFrame(c.image, c.from, c.exiting, random.Draw());
    EXPECT_EQ(step.frame, c.expected.frame);
    EXPECT_EQ(step.finished, c.expected.finished);
    EXPECT_EQ(random.ranges, c.ranges);
}

const TAnimationImage kFour = Frames({10, 10, 10, 10});
const TAnimationImage kSplit = Branch(Branch(kFour, 1, 0, 30, 3), 1, 1, 50, 0); // 30 % to 3, 50 % to 0

INSTANTIATE_TEST_SUITE_P(
    Cases, NextFrameTest,
    testing::Values(
        NextFrameCase{"no branches: the next frame", kFour, 1, false, {}, {2, false}, {100, 100, 100, 100}},
        NextFrameCase{"no branches at the last frame: finished", kFour, 3, false, {}, {3, true}, {100, 100, 100, 100}},
        NextFrameCase{"a sure branch is always taken", Branch(kFour, 2, 0, 100, 0), 2, false, {99}, {0, false}, {100}},
        NextFrameCase{"first branch when the draw is below its share", kSplit, 1, false, {29}, {3, false}, {100}},
        NextFrameCase{"second branch draws from what the first left", kSplit, 1, false, {30, 49}, {0, false},
                      {100, 70}},
        NextFrameCase{"no branch taken: the next frame", kSplit, 1, false, {30, 50, 0, 0}, {2, false},
                      {100, 70, 20, 20}},
        NextFrameCase{"exiting follows the exit branch", Exit(kSplit, 1, 3), 1, true, {}, {3, false}, {}},
        NextFrameCase{"exiting without an exit branch: the next frame", kSplit, 1, true, {}, {2, false}, {}},
        NextFrameCase{"exiting at the last frame: finished", Exit(kFour, 3, 0), 3, true, {}, {3, true}, {}},
        NextFrameCase{"arriving at a last frame of duration 0 finishes", Frames({10, 10, 0}), 1, false, {},
                      {2, true}, {100, 100, 100, 100}},
        NextFrameCase{"a frame of duration 0 before the end does not", Frames({10, 0, 10}), 0, false, {},
                      {1, false}, {100, 100, 100, 100}}),
    [](const testing::TestParamInfo<NextFrameCase>& info) { return "case" + std::to_string(info.index); });

TEST(AnimationFlow, LoopingNeedsASureBranchBackToTheFrameOrBefore)
{
    const TAnimationImage four = Frames({10, 10, 10, 10});
    EXPECT_FALSE(IsLooping(four));
    EXPECT_TRUE(IsLooping(Branch(four, 3, 0, 100, 0)));
    EXPECT_TRUE(IsLooping(Branch(four, 2, 3, 100, 2))) << "a frame that repeats itself";
    EXPECT_FALSE(IsLooping(Branch(four, 3, 0, 99, 0))) << "may end by chance";
    EXPECT_FALSE(IsLooping(Branch(four, 1, 0, 100, 3))) << "a sure jump forward";
}

TEST(AnimationFlow, ExitBranchesAreThoseWithTheirFlagSet)
{
    const TAnimationImage four = Frames({10, 10, 10, 10});
    EXPECT_FALSE(HasExitBranches(four));
    EXPECT_TRUE(HasExitBranches(Exit(four, 2, 3)));
}

TEST(AnimationFlow, FrameTimeFollowsTheSpeed)
{
    EXPECT_EQ(FrameWaitMs(10, 100), 100);
    EXPECT_EQ(FrameWaitMs(10, 200), 50);
    EXPECT_EQ(FrameWaitMs(10, 300), 33) << "whole milliseconds, rounded down";
    EXPECT_EQ(FrameWaitMs(255, 1), 255000);
    EXPECT_EQ(FrameWaitMs(0, 100), 0);
    EXPECT_LT(FrameWaitMs(10, 0), 0) << "speed 0: the frame never ends";
}

} // namespace
} // namespace vm
