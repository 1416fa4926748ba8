// The director: requests one after another, graceful leaving (exit branches,
// return animations, the special returns), idling, waits, updates, stops and
// shutdown. Tests follow the callbacks instead of sleeping; the few checks that
// something does NOT happen give it a short while.
#include "PlayTestSupport.h"
#include "character/oaDirect.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

namespace vm {
namespace {

using namespace testlib;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// A loop (0, 1, 0, 1, ...) with exit branches to frame 2 from both looping frames.
TAnimationImage LoopWithExit()
{
    return Exit(Exit(Branch(Frames({1, 1, 1}), 1, 0, 100, 0), 0, 2), 1, 2);
}

struct DirectorFixture : testing::Test {
    TempFile file;
    EventLog log;
    std::unique_ptr<TAssistantDirector> director;
    TAssistantDirector::IdleCallback onIdle; // set before Start to hear idle ticks

    // Logs "start NAME", "end NAME" and "frame NAME:I".
    void Start(std::vector<TestAnimation> animations, bool autoIdle = false, uint16_t idleMs = 1)
    {
        director = std::make_unique<TAssistantDirector>();
        TAssistantDirector* d = director.get(); // callbacks may run while the pointer is being reset
        d->OnRequestStart = [this](TAssistantDirector& d, TRequestId id) { log.Add("start " + Name(d, id)); };
        d->OnRequestEnd = [this](TAssistantDirector& d, TRequestId id) { log.Add("end " + Name(d, id)); };
        d->OnIdleRequest = onIdle;
        d->Engine().OnFrame = [this, d](TAssistantEngine& e) {
            log.Add("frame " + Name(*d, e.CurrentAnimation()) + ":" + std::to_string(e.CurrentFrame()));
        };
        director->SetAutoIdle(autoIdle);
        director->SetMinIdleTime(idleMs);
        director->SetMaxIdleTime(idleMs);
        director->ScheduleIdle();
        director->Actor().SetFileName(WriteLibrary(file, std::move(animations)));
        director->SetActive(true);
    }
    void TearDown() override { director.reset(); }

    // The name of a request's animation in the library open now.
    static std::string Name(TAssistantDirector& d, TRequestId id)
    {
        ActorLock guard(d.Actor());
        const TAnimationInfo* info = d.Actor().Animations(AnimationOf(id));
        return info ? info->name : "#" + std::to_string(AnimationOf(id));
    }
    // Lines that begin with `prefix`.
    Lines Only(const std::string& prefix) const
    {
        Lines out;
        for (const std::string& line : log.Lines())
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line);
        return out;
    }
    // Destroys the director and says how long that took.
    Clock::duration Destroy()
    {
        const auto before = Clock::now();
        director.reset();
        return Clock::now() - before;
    }
};

TEST_F(DirectorFixture, PlaysRequestsOneAfterAnother)
{
    Start({Anim("A", {}, Frames({1, 1, 1})), Anim("B", {}, Frames({1}))});
    const TRequestId a = director->Play(1);
    ASSERT_TRUE(log.WaitFor("frame A:0"));
    const TRequestId b = director->Play(2);
    EXPECT_TRUE(director->IsBusy());
    EXPECT_TRUE(director->IsPending(a));
    EXPECT_TRUE(director->IsPending(b));
    EXPECT_TRUE(director->WaitFor(b));
    EXPECT_FALSE(director->IsPending(a));
    EXPECT_FALSE(director->IsPending(b));
    EXPECT_EQ(log.Lines(), (Lines{"start A", "frame A:0", "frame A:1", "frame A:2", "end A", "start B", "frame B:0",
                                  "end B"}));
    EXPECT_FALSE(director->IsBusy());
    EXPECT_EQ(director->LastFinished(), b);
}

TEST_F(DirectorFixture, RequestsForAnimationsTheActorLacksComeToNothing)
{
    Start({Anim("A", {60}, Frames({1}))});
    EXPECT_EQ(director->PlayState(64), 0u) << "no animation of that state";
    EXPECT_EQ(director->Play(0), 0u);
    EXPECT_TRUE(director->WaitFor(0));
    EXPECT_FALSE(director->IsPending(0));
    director->StopRequest(0);

    const TRequestId unknown = director->Play(9);
    ASSERT_NE(unknown, 0u);
    EXPECT_TRUE(director->WaitFor(unknown));
    EXPECT_TRUE(director->WaitFor(director->PlayState(60)));
    EXPECT_EQ(Only("start"), (Lines{"start A"})) << "animation 9 was dropped";
}

TEST_F(DirectorFixture, IsInactiveWithoutAnActor)
{
    director = std::make_unique<TAssistantDirector>();
    director->SetActive(true);
    EXPECT_EQ(director->Play(1), 0u);
    director->Actor().SetFileName(WriteLibrary(file, {Anim("A", {}, Frames({1}))}));
    EXPECT_NE(director->Play(1), 0u) << "activated when the library opened";
    director->SetActive(false);
    EXPECT_EQ(director->Play(1), 0u);
}

TEST_F(DirectorFixture, WaitForGivesUpOnALoopingAnimationOnceItPlays)
{
    Start({Anim("Loop", {}, LoopWithExit())});
    const TRequestId id = director->Play(1);
    EXPECT_FALSE(director->WaitFor(id));
    EXPECT_TRUE(director->IsPending(id));
    EXPECT_EQ(director->CurrentRequest(), id);
    EXPECT_TRUE(log.WaitFor("start Loop"));
}

TEST_F(DirectorFixture, AnIdleAnimationGivesWayToARequestAtOnce)
{
    // The idle frame lasts 25 seconds at this speed; the request must not wait for it.
    Start({Anim("Idle", {33, 34, 35}, Frames({255})), Anim("Wave", {}, Frames({1}))}, true);
    director->Engine().SetSpeed(10);
    ASSERT_TRUE(log.WaitFor("frame Idle:0"));
    EXPECT_NE(director->IdleRequest(), 0u);
    const auto before = Clock::now();
    EXPECT_TRUE(director->WaitFor(director->Play(2)));
    EXPECT_LT(Clock::now() - before, 10s);
    EXPECT_EQ(Only("start"), (Lines{"start Wave"})) << "idle animations raise no request callbacks";
    EXPECT_EQ(Only("end"), (Lines{"end Wave"}));
}

TEST_F(DirectorFixture, AnInterruptedIdleAnimationLeavesAlongItsExitBranches)
{
    Start({Anim("Idle", {33, 34, 35}, LoopWithExit()), Anim("Wave", {}, Frames({1}))}, true);
    ASSERT_TRUE(log.WaitFor("frame Idle:1"));
    EXPECT_TRUE(director->WaitFor(director->Play(2)));
    const Lines frames = Only("frame");
    const auto wave = std::find(frames.begin(), frames.end(), "frame Wave:0");
    ASSERT_NE(wave, frames.end());
    EXPECT_EQ(*(wave - 1), "frame Idle:2");
}

struct ReturnCase {
    const char* name;
    std::vector<uint16_t> requests; // each played to its end before the next is queued
    Lines frames;
};

void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class SpecialReturns : public DirectorFixture, public testing::WithParamInterface<ReturnCase> {};

// 1 GetAttention, 2 GetAttentionContinued, 3 GetAttentionReturn, 4 Other, 5 ReadReturn.
TEST_P(SpecialReturns, FollowTheirGroupUnlessTheNextRequestStaysInIt)
{
    Start({Anim("GetAttention", {}, Frames({1})), Anim("GetAttentionContinued", {}, Frames({1})),
           Anim("GetAttentionReturn", {}, Frames({1})), Anim("Other", {}, Frames({1})),
           Anim("ReadReturn", {}, Frames({1}))});
    for (uint16_t n : GetParam().requests)
        ASSERT_TRUE(director->WaitFor(director->Play(n)));
    EXPECT_EQ(Only("frame"), GetParam().frames);
    EXPECT_EQ(Only("start").size(), GetParam().requests.size()) << "the return plays anonymously";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialReturns,
    testing::Values(
        ReturnCase{"return before another request",
                   {1, 4},
                   {"frame GetAttention:0", "frame GetAttentionReturn:0", "frame Other:0"}},
        ReturnCase{"no return before the continued form, one after it",
                   {1, 2, 4},
                   {"frame GetAttention:0", "frame GetAttentionContinued:0", "frame GetAttentionReturn:0",
                    "frame Other:0"}},
        ReturnCase{"a requested return plays once",
                   {1, 3, 4},
                   {"frame GetAttention:0", "frame GetAttentionReturn:0", "frame Other:0"}},
        ReturnCase{"nothing follows a return", {5, 4}, {"frame ReadReturn:0", "frame Other:0"}}),
    [](const testing::TestParamInfo<ReturnCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(DirectorFixture, ReturnAnimationsAndExitBranchesPlayBeforeTheNextRequest)
{
    Start({Anim("Jump", {}, Frames({1}), ReturnKind::ReturnAnimation, 2), Anim("Land", {}, Frames({1})),
           Anim("Bow", {}, Exit(Frames({1, 1, 1}), 0, 2), ReturnKind::ExitBranches), Anim("Other", {}, Frames({1}))});
    ASSERT_TRUE(director->WaitFor(director->Play(1)));
    ASSERT_TRUE(director->WaitFor(director->Play(3)));
    ASSERT_TRUE(director->WaitFor(director->Play(4)));
    EXPECT_EQ(Only("frame"), (Lines{"frame Jump:0", "frame Land:0", "frame Bow:0", "frame Bow:1", "frame Bow:2",
                                    "frame Bow:2", "frame Other:0"}));
}

TEST_F(DirectorFixture, IdleLevelsRiseAfterTheirTicksAndOnlyActivityLowersThem)
{
    onIdle = [this](TAssistantDirector&, int level, bool&) { log.Add("idle " + std::to_string(level)); };
    Start({Anim("Wave", {}, Frames({1}))}, true); // no idle animations: ticks only
    ASSERT_TRUE(log.WaitFor("idle 3", 30));
    const Lines ticks = Only("idle");
    const auto first = [&](const std::string& line) {
        return size_t(std::find(ticks.begin(), ticks.end(), line) - ticks.begin()) + 1;
    };
    const size_t level2 = first("idle 2"), level3 = first("idle 3");
    EXPECT_GE(level2, 15u);
    EXPECT_LE(level2, 29u);
    EXPECT_GE(level3 - level2, 10u);
    EXPECT_LE(level3 - level2, 19u);
    EXPECT_EQ(size_t(std::count(ticks.begin() + long(level3 - 1), ticks.end(), "idle 3")), ticks.size() - (level3 - 1))
        << "level 35 stays";

    director->Play(1);
    ASSERT_TRUE(log.WaitFor("end Wave"));
    ASSERT_TRUE(log.WaitFor("idle 1", level2)); // one more than before the request
    const Lines lines = log.Lines();
    const auto end = std::find(lines.begin(), lines.end(), "end Wave");
    const auto next = std::find_if(end, lines.end(), [](const std::string& l) { return l.rfind("idle", 0) == 0; });
    ASSERT_NE(next, lines.end());
    EXPECT_EQ(*next, "idle 1") << "the request set the level back to 33";
}

TEST_F(DirectorFixture, WhatAHandledIdleTickQueuesBecomesTheIdleRequest)
{
    onIdle = [](TAssistantDirector& d, int, bool& handled) {
        handled = true;
        if (!d.IsBusy())
            d.Play(1);
    };
    Start({Anim("Juggle", {}, Frames({1}))}, true);
    ASSERT_TRUE(log.WaitFor("frame Juggle:0", 3));
    EXPECT_EQ(Only("start"), Lines{}) << "an idle request raises no request callbacks";
}

TEST_F(DirectorFixture, WithoutAutoIdleNoIdleAnimationComesAndTheLoopSleeps)
{
    Start({Anim("Idle", {33, 34, 35}, Frames({1})), Anim("Wave", {}, Frames({1}))}, false);
    EXPECT_EQ(director->IdleTimeout(), kInfinite);
    ASSERT_TRUE(director->WaitFor(director->Play(2)));
    const double cpu = ProcessCpuMs();
    std::this_thread::sleep_for(150ms);
    EXPECT_LT(ProcessCpuMs() - cpu, 50.0);
    EXPECT_EQ(log.Count("frame Idle:0"), 0u);
    EXPECT_EQ(director->IdleRequest(), 0u);

    director->SetAutoIdle(true);
    ASSERT_TRUE(log.WaitFor("frame Idle:0")) << "the new timeout applies at once";
}

TEST_F(DirectorFixture, NoRequestStartsWhileUpdatesAreOpenAndTheLoopDoesNotSpin)
{
    Start({Anim("A", {}, Frames({1}))});
    director->BeginUpdate();
    director->BeginUpdate();
    const TRequestId id = director->Play(1);
    const double cpu = ProcessCpuMs();
    std::this_thread::sleep_for(150ms);
    EXPECT_LT(ProcessCpuMs() - cpu, 50.0);
    EXPECT_TRUE(director->IsPending(id));
    EXPECT_EQ(director->CurrentRequest(), 0u);
    director->EndUpdate();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(director->CurrentRequest(), 0u) << "one update is still open";
    director->EndUpdate();
    EXPECT_TRUE(director->WaitFor(id));
    EXPECT_EQ(Only("start"), (Lines{"start A"}));
}

TEST_F(DirectorFixture, StoppingTheCurrentRequestLeavesGracefullyIntoTheRestPose)
{
    Start({Anim("Loop", {}, LoopWithExit()), Anim("Rest", {60}, Frames({1}))});
    const TRequestId id = director->Play(1);
    ASSERT_TRUE(log.WaitFor("frame Loop:1"));
    director->StopRequest(id);
    EXPECT_FALSE(director->IsPending(id));
    ASSERT_TRUE(log.WaitFor("end Rest"));
    const Lines frames = Only("frame");
    EXPECT_EQ(Lines(frames.end() - 2, frames.end()), (Lines{"frame Loop:2", "frame Rest:0"}));
    EXPECT_EQ(Only("end"), (Lines{"end Loop", "end Rest"}));
}

TEST_F(DirectorFixture, StoppingAQueuedRequestDropsIt)
{
    Start({Anim("A", {}, Frames({1})), Anim("B", {}, Frames({1}))});
    director->BeginUpdate();
    const TRequestId a = director->Play(1), b = director->Play(2);
    director->StopRequest(b);
    EXPECT_FALSE(director->IsPending(b));
    director->EndUpdate();
    EXPECT_TRUE(director->WaitFor(a));
    EXPECT_EQ(Only("start"), (Lines{"start A"}));
}

TEST_F(DirectorFixture, StopAllEitherQueuesTheRestPoseOrForgetsTheLastAnimation)
{
    Start({Anim("Loop", {}, LoopWithExit()), Anim("Rest", {60}, Frames({1})), Anim("Other", {}, Frames({1}))});
    director->Play(1);
    ASSERT_TRUE(log.WaitFor("frame Loop:0"));
    director->Play(3);
    director->StopAll(false);
    ASSERT_TRUE(log.WaitFor("end Rest"));
    EXPECT_EQ(log.Count("start Other"), 0u) << "the queue was cleared";
    EXPECT_EQ(log.Count("frame Loop:2"), 1u) << "the stopped loop left along its exit";

    director->Play(1);
    ASSERT_TRUE(log.WaitFor("start Loop", 2));
    director->StopAll(true);
    EXPECT_EQ(director->LastFinished(), 0u);
    ASSERT_TRUE(director->WaitFor(director->Play(3)));
    EXPECT_EQ(log.Count("frame Loop:2"), 1u) << "forgotten: no exit played";
    EXPECT_EQ(log.Count("start Rest"), 1u);
}

TEST_F(DirectorFixture, OpeningAnotherLibraryWhileActiveStartsAfresh)
{
    Start({Anim("Loop", {}, LoopWithExit())});
    director->Play(1);
    ASSERT_TRUE(log.WaitFor("frame Loop:0"));
    TempFile other;
    director->Actor().SetFileName(WriteLibrary(other, {Anim("Hello", {}, Frames({1, 1}))}));
    EXPECT_EQ(director->CurrentRequest(), 0u);
    EXPECT_TRUE(director->WaitFor(director->Play(1)));
    EXPECT_EQ(log.Count("frame Hello:1"), 1u);
}

struct ShutdownCase {
    const char* name;
    void (*arrange)(TAssistantDirector& director, EventLog& log);
};

void PrintTo(const ShutdownCase& c, std::ostream* os) { *os << c.name; }

class ShutdownTest : public DirectorFixture, public testing::WithParamInterface<ShutdownCase> {};

// Every wait has a way out: destroying the director ends both threads at once
// (frames and idle timeouts here last a minute), and no callback follows.
TEST_P(ShutdownTest, EndsBothThreadsPromptly)
{
    Start({Anim("Long", {33, 34, 35}, Branch(Frames({255}), 0, 0, 100, 0)), Anim("Short", {}, Frames({1}))}, true,
          60000);
    director->Engine().SetSpeed(4); // 63 seconds a frame
    GetParam().arrange(*director, log);
    EXPECT_LT(Destroy(), 5s);
    EXPECT_EQ(log.Count("end Long"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShutdownTest,
    testing::Values(
        ShutdownCase{"while an animation plays",
                     [](TAssistantDirector& d, EventLog& log) {
                         d.Play(1);
                         ASSERT_TRUE(log.WaitFor("frame Long:0"));
                     }},
        ShutdownCase{"while a request waits behind a playing one",
                     [](TAssistantDirector& d, EventLog& log) {
                         d.Play(1);
                         d.Play(2);
                         ASSERT_TRUE(log.WaitFor("frame Long:0"));
                     }},
        ShutdownCase{"while the update count is held", [](TAssistantDirector& d, EventLog&) {
                         d.BeginUpdate();
                         d.Play(2);
                     }},
        ShutdownCase{"while idle", [](TAssistantDirector&, EventLog&) {}},
        ShutdownCase{"while waiting for requests for ever",
                     [](TAssistantDirector& d, EventLog&) { d.SetAutoIdle(false); }},
        ShutdownCase{"while inactive", [](TAssistantDirector& d, EventLog&) { d.SetActive(false); }}),
    [](const testing::TestParamInfo<ShutdownCase>& info) { return "case" + std::to_string(info.index); });

TEST(Director, WithoutALibraryShutsDownAtOnce)
{
    const auto before = Clock::now();
    {
        TAssistantDirector director;
        director.SetActive(true);
    }
    EXPECT_LT(Clock::now() - before, 5s);
}

} // namespace
} // namespace vm

namespace vm {
namespace {

// The default frog through the director: showing ends by itself, a movement
// loops until it is stopped, and the special animations leave as they should.
TEST(DefaultFrogDirector, ShowsItselfMovesAndReturnsFromGettingAttention)
{
    testlib::EventLog log;
    TAssistantDirector director;
    director.SetAutoIdle(false);
    director.OnRequestEnd = [&](TAssistantDirector&, TRequestId id) { log.Add("end " + std::to_string(id)); };
    director.Actor().SetFileName(std::string(VM_BINARY_DIR) + "/data/rudiva.elf");
    director.Engine().SetSpeed(400);
    director.Engine().OnFrame = [&](TAssistantEngine& e) {
        log.Add("animation " + std::to_string(e.CurrentAnimation()));
    };
    director.SetActive(true);

    const TRequestId show = director.PlayState(kStateShowing);
    ASSERT_NE(show, 0u);
    EXPECT_TRUE(director.WaitFor(show));
    EXPECT_EQ(log.Count("end " + std::to_string(show)), 1u);

    const int state = director.MoveState(Rect{0, 0, 128, 128}, Point{300, 10});
    EXPECT_EQ(state, kStateMoveDownRight);
    const TRequestId move = director.PlayState(state);
    EXPECT_FALSE(director.WaitFor(move)) << "movements loop";
    director.StopAll(false);
    EXPECT_FALSE(director.IsPending(move));

    const TRequestId attention = director.Play(director.SpecialNames().AnimationAt(0));
    ASSERT_NE(attention, 0u);
    EXPECT_TRUE(director.WaitFor(attention));
    EXPECT_TRUE(director.WaitFor(director.PlayState(kStateRest)));
    EXPECT_GT(log.Count("animation " + std::to_string(director.SpecialNames().AnimationAt(2))), 0u)
        << "GetAttentionReturn played before the rest pose";
}

} // namespace
} // namespace vm
