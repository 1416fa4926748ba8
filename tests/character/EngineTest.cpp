// The engine's thread: frames in order at their durations, branches, exit
// branches and return animations, sounds, stops and restarts, shutdown.
// Tests follow the callbacks, never sleeps, to know what happened.
#include "PlayTestSupport.h"
#include "character/oaActor.h"
#include "character/oaEngine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace vm {
namespace {

using namespace testlib;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

struct EngineFixture : testing::Test {
    TempFile file;
    EventLog log;
    RecordingSound sound{log};
    TAssistantActor actor;
    std::unique_ptr<TAssistantEngine> engine;
    std::mutex timesLock;
    std::vector<Clock::time_point> frameTimes;

    void Open(std::vector<TestAnimation> animations, std::vector<TestWave> waves = {})
    {
        actor.SetFileName(WriteLibrary(file, std::move(animations), std::move(waves)));
        engine = std::make_unique<TAssistantEngine>(actor, &sound);
        engine->OnAnimationStart = [this](TAssistantEngine&) { log.Add("start"); };
        engine->OnAnimationStop = [this](TAssistantEngine&) { log.Add("stop"); };
        engine->OnFrame = [this](TAssistantEngine& e) {
            {
                std::lock_guard lock(timesLock);
                frameTimes.push_back(Clock::now());
            }
            log.Add("frame " + std::to_string(e.CurrentFrame()));
        };
        engine->Prepare();
    }
    void TearDown() override { engine.reset(); }

    // Loads n, plays it and waits for the stop that ends play number `play`.
    void PlayToEnd(uint16_t n, size_t play = 1)
    {
        ASSERT_TRUE(engine->LoadAnimation(n));
        ASSERT_TRUE(engine->SetRunning(true));
        ASSERT_TRUE(log.WaitFor("stop", play));
    }
    int64_t FrameGapMs(size_t i)
    {
        std::lock_guard lock(timesLock);
        return std::chrono::duration_cast<std::chrono::milliseconds>(frameTimes.at(i + 1) - frameTimes.at(i)).count();
    }
};

TEST_F(EngineFixture, PlaysItsFramesInOrderAndStopsAtTheEnd)
{
    Open({Anim("Three", {}, Frames({1, 1, 1}))});
    PlayToEnd(1);
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0", "frame 1", "frame 2", "stop"}));
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_TRUE(engine->Finished());
    EXPECT_EQ(engine->CurrentAnimation(), 1);
}

TEST_F(EngineFixture, ReloadingTheCurrentAnimationRewindsWithoutDecodingAgain)
{
    Open({Anim("Exits", {}, Exit(Frames({1, 1, 1}), 0, 2), ReturnKind::ExitBranches), Anim("Other", {}, Frames({1}))});
    PlayToEnd(1);
    EXPECT_EQ(engine->DecodeCount(), 1u);
    ASSERT_TRUE(engine->PlayExit());
    EXPECT_TRUE(engine->Exiting());

    EXPECT_TRUE(engine->LoadAnimation(1));
    EXPECT_EQ(engine->DecodeCount(), 1u);
    EXPECT_EQ(engine->CurrentFrame(), 0);
    EXPECT_FALSE(engine->Exiting());

    EXPECT_TRUE(engine->LoadAnimation(2));
    EXPECT_EQ(engine->DecodeCount(), 2u);
    EXPECT_EQ(engine->FrameCount(), 1);
}

TEST_F(EngineFixture, RefusesNumbersTheLibraryDoesNotHave)
{
    Open({Anim("One", {}, Frames({1}))});
    ASSERT_TRUE(engine->LoadAnimation(1));
    EXPECT_FALSE(engine->LoadAnimation(0));
    EXPECT_FALSE(engine->LoadAnimation(2));
    EXPECT_EQ(engine->CurrentAnimation(), 1) << "a refused number changes nothing";
}

TEST_F(EngineFixture, MissingOrDamagedDataLeavesNoAnimation)
{
    TAnimationImage damaged = Frames({1, 1});
    damaged.strip.clear();
    Open({Anim("Good", {}, Frames({1})), Anim("Missing", {}, TAnimationImage{}), Anim("Damaged", {}, damaged)});
    for (uint16_t bad : {2, 3}) {
        ASSERT_TRUE(engine->LoadAnimation(1));
        EXPECT_FALSE(engine->LoadAnimation(bad)) << bad;
        EXPECT_EQ(engine->CurrentAnimation(), 0) << bad;
        EXPECT_EQ(engine->FrameCount(), 0) << bad;
        EXPECT_FALSE(engine->SetRunning(true)) << bad;
    }
}

TEST_F(EngineFixture, StartingWithNoFramesDoesNothing)
{
    Open({Anim("One", {}, Frames({1}))});
    EXPECT_FALSE(engine->SetRunning(true));
    EXPECT_FALSE(engine->IsRunning());
    engine.reset();
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(EngineFixture, ASureBranchBackLoopsUntilStopped)
{
    Open({Anim("Loop", {}, Branch(Frames({1, 1, 1}), 2, 0, 100, 0))});
    ASSERT_TRUE(engine->LoadAnimation(1));
    EXPECT_TRUE(engine->IsLooping());
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("frame 2", 3));
    engine->SetRunning(false);
    ASSERT_TRUE(log.WaitFor("stop"));
    const Lines lines = log.Lines();
    ASSERT_GE(lines.size(), 3u);
    for (size_t i = 1; i + 2 < lines.size(); ++i)
        EXPECT_EQ(lines[i], "frame " + std::to_string((i - 1) % 3)) << i;
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"stop all", "stop"}));
    EXPECT_FALSE(engine->Finished());
}

TEST_F(EngineFixture, FramesOfDuration0AreNeverDrawnAndALastOneEndsTheAnimation)
{
    Open({Anim("Gaps", {}, Frames({1, 0, 1, 0}))});
    PlayToEnd(1);
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0", "frame 2", "stop"}));
    EXPECT_TRUE(engine->Finished());
}

TEST_F(EngineFixture, DoubleSpeedHalvesTheFrameTime)
{
    Open({Anim("Two", {}, Frames({10, 10}))});
    engine->SetSpeed(200);
    PlayToEnd(1);
    engine->SetSpeed(100);
    PlayToEnd(1, 2);
    const int64_t fast = FrameGapMs(0), normal = FrameGapMs(2);
    EXPECT_GE(fast, 49);
    EXPECT_GE(normal, 99);
    EXPECT_LT(fast, normal);
}

TEST_F(EngineFixture, PlaysFrameSoundsUnlessMuted)
{
    Open({Anim("Croak", {}, Sound(Sound(Frames({1, 1, 1}), 0, 5), 2, 6))}, {{5, {42, 1, 2}}});
    PlayToEnd(1);
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0", "play 42", "frame 1", "frame 2", "stop"}))
        << "sound 6 is missing: nothing plays instead; an animation that ends lets its sound finish";

    engine->SetMute(true);
    PlayToEnd(1, 2);
    EXPECT_EQ(log.Count("play 42"), 1u);
}

TEST_F(EngineFixture, AStopSilencesTheSoundAndTheNextStartResumesWithTheFrameAfter)
{
    Open({Anim("Long", {}, Sound(Frames({1, 255, 1}), 1, 5))}, {{5, {42}}});
    ASSERT_TRUE(engine->LoadAnimation(1));
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("play 42"));
    engine->SetMute(true); // a sound already started goes on
    engine->SetRunning(false);
    ASSERT_TRUE(log.WaitFor("stop"));
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0", "frame 1", "play 42", "stop all", "stop"}));
    EXPECT_EQ(engine->CurrentFrame(), 2);
    EXPECT_FALSE(engine->Finished());

    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("stop", 2));
    const Lines lines = log.Lines();
    EXPECT_EQ(Lines(lines.begin() + 6, lines.end()), (Lines{"start", "frame 2", "stop"}));
}

TEST_F(EngineFixture, LeavesAnInterruptedAnimationAlongItsExitBranches)
{
    TAnimationImage wave = Branch(Frames({1, 1, 1, 1}), 2, 0, 100, 0);
    for (int f = 0; f < 3; ++f)
        wave = Exit(wave, f, 3);
    Open({Anim("Wave", {}, wave)});
    ASSERT_TRUE(engine->LoadAnimation(1));
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("frame 2"));
    engine->SetRunning(false);
    ASSERT_TRUE(log.WaitFor("stop"));
    EXPECT_EQ(log.Count("frame 3"), 0u);

    ASSERT_TRUE(engine->PlayExit());
    EXPECT_FALSE(engine->PlayExit()) << "already exiting";
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("stop", 2));
    const Lines lines = log.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "frame 3");
    EXPECT_EQ(log.Count("frame 3"), 1u);
    EXPECT_TRUE(engine->Finished());
}

TEST_F(EngineFixture, ReturnKind2TakesTheExitBranchesAlsoAfterTheEnd)
{
    Open({Anim("Bow", {}, Exit(Frames({1, 1, 1}), 0, 2), ReturnKind::ExitBranches)});
    PlayToEnd(1);
    ASSERT_TRUE(engine->PlayExit());
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("stop", 2));
    const Lines lines = log.Lines();
    EXPECT_EQ(Lines(lines.begin() + 5, lines.end()), (Lines{"start", "frame 2", "stop"}));
}

TEST_F(EngineFixture, ReturnKind1LoadsTheReturnAnimationAfterTheEnd)
{
    Open({Anim("Jump", {}, Frames({1}), ReturnKind::ReturnAnimation, 2), Anim("Land", {}, Frames({1, 1}))});
    PlayToEnd(1);
    ASSERT_TRUE(engine->PlayExit());
    EXPECT_EQ(engine->CurrentAnimation(), 2);
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("stop", 2));
    EXPECT_EQ(log.Count("frame 1"), 1u);
}

TEST_F(EngineFixture, NothingToPlayWhenLeaving)
{
    Open({Anim("Plain", {}, Frames({1})), Anim("Jump", {}, Branch(Frames({1, 255}), 1, 0, 100, 1),
                                                  ReturnKind::ReturnAnimation, 1)});
    EXPECT_FALSE(engine->PlayExit()) << "no animation";
    PlayToEnd(1);
    EXPECT_FALSE(engine->PlayExit()) << "return kind 0";

    ASSERT_TRUE(engine->LoadAnimation(2));
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("frame 1"));
    engine->SetRunning(false);
    ASSERT_TRUE(log.WaitFor("stop", 2));
    EXPECT_FALSE(engine->PlayExit()) << "return kind 1 before the end, no exit branches";
    EXPECT_EQ(engine->CurrentAnimation(), 2);
}

TEST_F(EngineFixture, TheShapeAndBitmapAreThoseOfTheFrameRenderedLast)
{
    Open({Anim("Two", {}, Frames({1, 1}))});
    EXPECT_FALSE(engine->CurrentRegion());
    PlayToEnd(1);
    const std::vector<Rect> opaque{{1, 0, 4, 1}, {0, 1, 4, 3}};
    ASSERT_TRUE(engine->CurrentRegion());
    EXPECT_EQ(*engine->CurrentRegion(), Region::UnionOf(opaque));

    Bitmap dc(5, 4, 0);
    engine->PaintTo(dc, 1, 1);
    EXPECT_EQ(dc.At(2, 2), PixelFromColor(ColorOf(actor.Palette()->entries[11]))) << "frame 1 is index 11";
    EXPECT_EQ(dc.At(0, 0), 0u);

    engine->Reset();
    EXPECT_FALSE(engine->CurrentRegion());
    EXPECT_EQ(engine->CurrentAnimation(), 0);
    Bitmap after(5, 4, 0);
    engine->PaintTo(after, 1, 1);
    EXPECT_EQ(after, Bitmap(5, 4, 0)) << "Reset releases the frame bitmap";
}

TEST_F(EngineFixture, EveryStartIsAnsweredByOneStopHoweverFastTheyFollow)
{
    Open({Anim("Loop", {}, Branch(Frames({1, 1}), 1, 0, 100, 0))});
    ASSERT_TRUE(engine->LoadAnimation(1));
    for (int i = 0; i < 50; ++i) {
        engine->SetRunning(true);
        engine->SetRunning(false);
    }
    ASSERT_TRUE(log.WaitFor("stop", 50));
    EXPECT_EQ(log.Count("start"), 50u);
    EXPECT_FALSE(engine->IsRunning());
}

TEST_F(EngineFixture, ShutdownDuringALongFrameEndsAtOnceWithoutAStopCallback)
{
    Open({Anim("Forever", {}, Frames({255}))});
    engine->SetSpeed(1); // a frame of 255 seconds
    ASSERT_TRUE(engine->LoadAnimation(1));
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("frame 0"));
    const auto before = Clock::now();
    engine.reset();
    EXPECT_LT(Clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0"}));
}

TEST_F(EngineFixture, SpeedZeroHoldsTheFrameUntilStopped)
{
    Open({Anim("Two", {}, Frames({1, 1}))});
    engine->SetSpeed(0);
    ASSERT_TRUE(engine->LoadAnimation(1));
    ASSERT_TRUE(engine->SetRunning(true));
    ASSERT_TRUE(log.WaitFor("frame 0"));
    EXPECT_TRUE(engine->IsRunning());
    engine->SetRunning(false);
    ASSERT_TRUE(log.WaitFor("stop"));
    EXPECT_EQ(log.Lines(), (Lines{"start", "frame 0", "stop all", "stop"}));
}

} // namespace
} // namespace vm
