// The movement state: a diagonal toward the target when the actor has one,
// else the straight one along the longer distance.
#include "PlayTestSupport.h"
#include "character/MoveState.h"
#include "character/oaActor.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

using namespace testlib;

struct MoveCase {
    bool diagonals; // the actor has the diagonal states
    Point target;   // the stage's top-left corner is at (100, 100)
    int expected;
};

void PrintTo(const MoveCase& c, std::ostream* os)
{
    *os << (c.diagonals ? "diagonals, " : "straight only, ") << "to (" << c.target.x << ", " << c.target.y << ")";
}

class MoveStateTest : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveStateTest, PointsTheWayToTheTarget)
{
    const MoveCase& c = GetParam();
    std::vector<TestAnimation> animations{Anim("Straight", {46, 49, 50, 51}, Frames({1}))};
    if (c.diagonals)
        animations.push_back(Anim("Diagonal", {47, 48, 52, 53}, Frames({1})));
    TempFile file;
    TAssistantActor actor;
    actor.SetFileName(WriteLibrary(file, animations));
    EXPECT_EQ(MoveState(actor, Rect{100, 100, 228, 228}, c.target), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveStateTest,
                         testing::Values(MoveCase{true, {200, 150}, 47},  // down right
                                         MoveCase{true, {0, 150}, 48},    // down left
                                         MoveCase{true, {200, 0}, 52},    // up right
                                         MoveCase{true, {0, 0}, 53},      // up left
                                         MoveCase{true, {100, 300}, 47},  // straight down tries right first
                                         MoveCase{true, {100, 0}, 52},    // straight up too
                                         MoveCase{false, {300, 150}, 49}, // right is longer
                                         MoveCase{false, {0, 150}, 50},   // left is longer
                                         MoveCase{false, {150, 300}, 46}, // down is longer
                                         MoveCase{false, {120, 0}, 51},   // up is longer
                                         MoveCase{false, {100, 300}, 46}, // purely vertical
                                         MoveCase{false, {200, 0}, 49}), // equal: horizontal
                         [](const testing::TestParamInfo<MoveCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
} // namespace vm
