// actor play: plays one animation headless through the engine and prints each
// rendered frame with the time it came, so timing and branching can be seen.
#include "Command.h"
#include "OptionArgs.h"
#include "character/AnimationImage.h"
#include "character/AnimationFlow.h"
#include "character/Event.h"
#include "character/oaActor.h"
#include "character/oaEngine.h"
#include "util/DelphiText.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <mutex>

namespace vm::tool {
namespace {

constexpr const char* kPlayUsage =
    "usage: vistamoor-tool actor play LIB (ANIMATION | --state S) [--speed P] [--for MS]\n";
// A looping animation never ends by itself: without --for it plays this long.
constexpr int kDefaultLoopMs = 10000;

using Clock = std::chrono::steady_clock;

uint16_t ChooseAnimation(const TAssistantActor& actor, const std::string& which, const OptionArgs& options)
{
    if (options.Has("--state")) {
        const int state = options.Number("--state", 1, kCountedStates - 1);
        const uint16_t n = actor.PickAnimation(state);
        if (n == 0)
            throw Error("no animation of state " + std::to_string(state) + " in " + actor.FileName());
        return n;
    }
    const auto number = TryStrToInt(which);
    const uint16_t n = number ? uint16_t(*number) : actor.FindAnimation(which);
    if (n == 0 || !actor.Animations(n))
        throw Error("no animation \"" + which + "\" in " + actor.FileName());
    return n;
}

int Play(const std::string& path, const std::string& which, const OptionArgs& options)
{
    TAssistantActor actor;
    actor.SetFileName(path);
    const uint16_t n = ChooseAnimation(actor, which, options);
    const uint16_t speed = uint16_t(options.Has("--speed") ? options.Number("--speed", 1, 10000) : 100);
    const TAnimationImage image = ReadAnimationImage(actor, n);
    const int limitMs = options.Has("--for") ? options.Number("--for", 0, 86400000)
                        : IsLooping(image)   ? kDefaultLoopMs
                                             : -1;

    std::printf("library: %s\nanimation: %u %s, %d frames, speed %u%%\n", path.c_str(), n,
                actor.Animations(n)->name.c_str(), image.frameCount, speed);
    std::fflush(stdout);

    std::mutex printing;
    Clock::time_point started;
    TEvent stopped;
    const auto ms = [&] {
        return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count());
    };
    TAssistantEngine engine(actor); // frames only: sounds are listed, not played
    engine.SetSpeed(speed);
    engine.OnAnimationStart = [&](TAssistantEngine&) {
        std::lock_guard lock(printing);
        std::printf("start at %ld ms\n", ms());
        std::fflush(stdout);
    };
    engine.OnFrame = [&](TAssistantEngine& e) {
        const int f = e.CurrentFrame();
        std::lock_guard lock(printing);
        std::printf("frame %d at %ld ms (duration %d ms", f, ms(), FrameWaitMs(image.durations[size_t(f)], speed));
        if (image.sounds[size_t(f)] != 0)
            std::printf(", sound %u", image.sounds[size_t(f)]);
        std::printf(")\n");
        std::fflush(stdout);
    };
    engine.OnAnimationStop = [&](TAssistantEngine& e) {
        {
            std::lock_guard lock(printing);
            std::printf("stop at %ld ms (%s)\n", ms(), e.Finished() ? "finished" : "stopped");
            std::fflush(stdout);
        }
        stopped.Set();
    };
    engine.Prepare();
    if (!engine.LoadAnimation(n))
        throw Error("the animation data of \"" + actor.Animations(n)->name + "\" is damaged");
    started = Clock::now();
    engine.SetRunning(true);
    if (!stopped.WaitFor(limitMs)) {
        engine.SetRunning(false);
        stopped.Wait();
    }
    return 0;
}

} // namespace

int ActorPlayCommand(const Args& args)
{
    // LIB, then ANIMATION unless --state names a state, then options.
    if (args.empty()) {
        std::cerr << kPlayUsage;
        return 2;
    }
    const bool byState = args.size() > 1 && args[1] == "--state";
    if (!byState && args.size() < 2) {
        std::cerr << kPlayUsage;
        return 2;
    }
    const size_t firstOption = byState ? 1 : 2;
    const OptionArgs options(Args(args.begin() + long(firstOption), args.end()), {"--state", "--speed", "--for"});
    return Play(args[0], byState ? std::string() : args[1], options);
}

} // namespace vm::tool
