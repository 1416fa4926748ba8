#include "character/AnimationFlow.h"

namespace vm {

FrameStep NextFrame(const TAnimationImage& image, int f, bool exiting, const RandomDraw& random)
{
    const int last = image.frameCount - 1;
    FrameStep step{f, false};
    if (f < 0 || f > last)
        return {f, true};
    if (exiting) {
        if (f < last) {
            const TExitBranch& exit = image.exits[size_t(f)];
            step.frame = exit.present ? exit.target : f + 1;
        } else {
            step.finished = true;
        }
    } else {
        int remaining = 100;
        bool taken = false;
        for (const TFrameBranch& branch : image.branches[size_t(f)]) {
            // An over-full table leaves nothing to draw from; 0 is what the draw gives then.
            const int32_t r = remaining > 0 ? random(remaining) : 0;
            if (r < branch.probability) {
                step.frame = branch.target;
                taken = true;
                break;
            }
            remaining -= branch.probability;
        }
        if (!taken) {
            if (f < last)
                step.frame = f + 1;
            else
                step.finished = true;
        }
    }
    if (step.frame == last && image.durations[size_t(last)] == 0)
        step.finished = true;
    return step;
}

bool IsLooping(const TAnimationImage& image)
{
    for (int i = 0; i < image.frameCount; ++i)
        for (const TFrameBranch& branch : image.branches[size_t(i)])
            if (branch.probability == 100 && branch.target <= i)
                return true;
    return false;
}

bool HasExitBranches(const TAnimationImage& image)
{
    for (const TExitBranch& exit : image.exits)
        if (exit.present)
            return true;
    return false;
}

int FrameWaitMs(uint8_t duration, uint16_t speed)
{
    return speed == 0 ? -1 : int(duration) * 1000 / speed;
}

} // namespace vm
