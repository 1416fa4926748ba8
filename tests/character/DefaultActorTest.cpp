// The built default library, "rudiva.elf", holds a complete character: every
// state the program asks for, the nine special animations, and animations
// that decode and behave as the director expects of them.
#include "character/AnimationImage.h"
#include "character/oaActor.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

struct DefaultActor : testing::Test {
    TAssistantActor actor;
    void SetUp() override { actor.SetFileName(std::string(VM_BINARY_DIR) + "/data/rudiva.elf"); }

    // Some frame has a certain branch back to itself or an earlier frame.
    static bool Loops(const TAnimationImage& image)
    {
        for (int f = 0; f < image.frameCount; ++f)
            for (const TFrameBranch& b : image.branches[size_t(f)])
                if (b.probability == 100 && b.target <= f)
                    return true;
        return false;
    }
    static bool HasExits(const TAnimationImage& image)
    {
        for (const TExitBranch& e : image.exits)
            if (e.present)
                return true;
        return false;
    }
};

TEST_F(DefaultActor, HasAnAnimationForEveryStateTheProgramUses)
{
    for (int state : {32, 33, 34, 35, 46, 47, 48, 49, 50, 51, 52, 53, 60, 64})
        EXPECT_GT(actor.StateCounts()[size_t(state)], 0) << "state " << state;
}

TEST_F(DefaultActor, HasTheNineSpecialAnimations)
{
    for (const char* name : kSpecialNames)
        EXPECT_NE(actor.FindAnimation(name), 0) << name;
}

TEST_F(DefaultActor, EveryAnimationDecodesWithItsSoundsPresent)
{
    ASSERT_EQ(actor.FrameWidth(), 128);
    ASSERT_EQ(actor.FrameHeight(), 128);
    for (uint16_t n = 1; n <= actor.AnimationCount(); ++n) {
        const TAnimationImage image = ReadAnimationImage(actor, n);
        for (uint16_t sound : image.sounds) {
            if (sound == 0)
                continue;
            const auto wave = actor.WaveResource(sound);
            ASSERT_TRUE(wave) << actor.Animations(n)->name << " sound " << sound;
            ASSERT_GT(wave->size(), 44u);
            EXPECT_EQ(std::string(wave->begin(), wave->begin() + 4), "RIFF");
            EXPECT_EQ(std::string(wave->begin() + 8, wave->begin() + 16), "WAVEfmt ");
        }
        size_t visible = 0;
        for (uint8_t pixel : image.strip)
            visible += pixel != actor.TransparentIndex();
        EXPECT_GT(visible, 0u) << actor.Animations(n)->name;
    }
}

TEST_F(DefaultActor, MovementsLoopAndLeaveByTheirExitBranches)
{
    for (int state = 46; state <= 53; ++state) {
        const uint16_t n = actor.PickAnimation(state);
        const TAnimationImage image = ReadAnimationImage(actor, n);
        EXPECT_TRUE(Loops(image)) << state;
        EXPECT_TRUE(HasExits(image)) << state;
        EXPECT_EQ(actor.Animations(n)->returnKind, ReturnKind::ExitBranches) << state;
    }
}

TEST_F(DefaultActor, ReturnAnimationsPointAtTheirReturnForms)
{
    const struct {
        const char* name;
        const char* returnTo;
    } cases[] = {{"GetAttention", "GetAttentionReturn"}, {"Read", "ReadReturn"}, {"Write", "WriteReturn"}};
    for (const auto& c : cases) {
        const TAnimationInfo* a = actor.Animations(actor.FindAnimation(c.name));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->returnKind, ReturnKind::ReturnAnimation) << c.name;
        EXPECT_EQ(a->returnAnimation, actor.FindAnimation(c.returnTo)) << c.name;
    }
}

TEST_F(DefaultActor, IdlesOfTheFirstTwoLevelsEndByThemselves)
{
    for (uint16_t n = 1; n <= actor.AnimationCount(); ++n) {
        const TAnimationInfo& a = *actor.Animations(n);
        if (a.HasState(33) || a.HasState(34) || a.HasState(64) || a.HasState(32) || a.HasState(60)) {
            EXPECT_FALSE(Loops(ReadAnimationImage(actor, n))) << a.name;
        }
    }
}

TEST_F(DefaultActor, NoFrameIsCutOffAtTheSidesOrTheBottom)
{
    // Only the top edge may cut the frog: it jumps out of the frame to hide and drops in to show.
    for (uint16_t n = 1; n <= actor.AnimationCount(); ++n) {
        const TAnimationImage image = ReadAnimationImage(actor, n);
        const int last = image.frameWidth - 1;
        for (int f = 0; f < image.frameCount; ++f)
            for (int y = 0; y < image.frameHeight; ++y) {
                const auto row = image.FrameRow(f, y);
                const bool edgeRow = y == image.frameHeight - 1;
                for (int x = 0; x <= last; ++x) {
                    if (x != 0 && x != last && !edgeRow)
                        continue;
                    ASSERT_EQ(row[size_t(x)], actor.TransparentIndex())
                        << actor.Animations(n)->name << " frame " << f << " at " << x << "," << y;
                }
            }
    }
}

TEST_F(DefaultActor, HidingEndsOnAnEmptyFrame)
{
    const TAnimationImage image = ReadAnimationImage(actor, actor.PickAnimation(32));
    const int last = image.frameCount - 1;
    for (int y = 0; y < image.frameHeight; ++y)
        for (uint8_t pixel : image.FrameRow(last, y))
            ASSERT_EQ(pixel, actor.TransparentIndex());
}

} // namespace
} // namespace vm
