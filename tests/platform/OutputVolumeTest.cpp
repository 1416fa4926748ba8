#include "platform/OutputVolume.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(OutputVolume, StartsFullAndStepsBySixteenthsInsideTheRange)
{
    OutputVolume volume;
    EXPECT_EQ(volume.StepIndex(), OutputVolume::kSteps);
    volume.Change(true);
    EXPECT_DOUBLE_EQ(volume.Level(), 1.0);
    volume.Change(false);
    EXPECT_DOUBLE_EQ(volume.Level(), 15.0 / 16);
    for (int i = 0; i < 40; ++i)
        volume.Change(false);
    EXPECT_EQ(volume.StepIndex(), 0);
    volume.Change(true);
    EXPECT_DOUBLE_EQ(volume.Level(), 1.0 / 16);
}

TEST(OutputVolume, ListenersHearEachChangeUntilTheyLeave)
{
    OutputVolume volume;
    std::vector<double> heard;
    const int id = volume.Subscribe([&](double level) { heard.push_back(level); });
    volume.Change(false);
    volume.Change(true);
    volume.Change(true); // already full: no change, no call
    volume.Unsubscribe(id);
    volume.Change(false);
    EXPECT_EQ(heard, (std::vector<double>{15.0 / 16, 1.0}));
}

TEST(OutputVolume, SetVolumeStepsTheProgramsLevel)
{
    OutputVolume& program = OutputVolume::Program();
    program.SetStepIndex(8);
    SetVolume(true);
    EXPECT_EQ(program.StepIndex(), 9);
    SetVolume(false);
    SetVolume(false);
    EXPECT_EQ(program.StepIndex(), 7);
    program.SetStepIndex(OutputVolume::kSteps);
}
