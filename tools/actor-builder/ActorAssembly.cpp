#include "ActorAssembly.h"

#include "FrogSounds.h"
#include "LzrwCompressor.h"
#include "RecordWriter.h"
#include "util/Error.h"

#include <algorithm>

namespace vm::builder {
namespace {

TAnimationImage RenderImage(const AnimationSpec& plan)
{
    const int count = int(plan.frames.size());
    if (count < 1 || count > kMaxFrames)
        throw Error("animation \"" + plan.name + "\" has " + std::to_string(count) + " frames");
    TAnimationImage image;
    image.frameCount = count;
    image.frameWidth = kFrogFrameSize;
    image.frameHeight = kFrogFrameSize;
    std::vector<PixelCanvas> frames;
    for (const FrameSpec& f : plan.frames) {
        auto target = [&](uint8_t t) {
            if (t >= count)
                throw Error("animation \"" + plan.name + "\" branches to missing frame " + std::to_string(t));
            return t;
        };
        if (f.branches.size() > kBranchesPerFrame)
            throw Error("animation \"" + plan.name + "\" has a frame with more than four branches");
        std::array<TFrameBranch, kBranchesPerFrame> branches{};
        for (size_t k = 0; k < f.branches.size(); ++k)
            branches[k] = {f.branches[k].first, target(f.branches[k].second)};
        image.sounds.push_back(f.sound);
        image.durations.push_back(f.duration);
        image.branches.push_back(branches);
        image.exits.push_back(f.exit ? TExitBranch{1, target(*f.exit)} : TExitBranch{});
        frames.push_back(DrawFrog(f.pose));
    }
    for (int y = 0; y < kFrogFrameSize; ++y)
        for (const PixelCanvas& frame : frames) {
            const auto row = frame.Pixels().begin() + long(y) * kFrogFrameSize;
            image.strip.insert(image.strip.end(), row, row + kFrogFrameSize);
        }
    return image;
}

} // namespace

BuiltLibrary AssembleActorLibrary(const std::vector<AnimationSpec>& animations, const TPalette& palette,
                                  uint8_t transparentIndex)
{
    TActorInfo info;
    info.version = kActorInfoVersion;
    info.frameWidth = kFrogFrameSize;
    info.frameHeight = kFrogFrameSize;
    info.palette = palette;
    info.transparentIndex = transparentIndex;
    std::vector<PeResource> resources;
    for (size_t i = 0; i < animations.size(); ++i) {
        const AnimationSpec& plan = animations[i];
        TAnimationInfo a;
        a.name = plan.name;
        a.resourceId = uint16_t(kFirstAnimationResource + i);
        for (int s : plan.states)
            a.states[size_t(s / 8)] |= uint8_t(1u << (s % 8));
        a.returnKind = plan.returnKind;
        if (!plan.returnTo.empty()) {
            const auto target = std::find_if(animations.begin(), animations.end(),
                                             [&](const AnimationSpec& other) { return other.name == plan.returnTo; });
            if (target == animations.end())
                throw Error("animation \"" + plan.name + "\" returns to unknown \"" + plan.returnTo + "\"");
            a.returnAnimation = uint16_t(target - animations.begin() + 1);
        }
        info.animations.push_back(a);
        resources.push_back({kResourceTypeRcData, "", a.resourceId,
                             CompressStream(EncodeAnimationImage(RenderImage(plan)))});
    }
    for (const FrogSound sound : {kSoundRibbit, kSoundCroak, kSoundHop, kSoundPop})
        resources.push_back({0, kResourceTypeWave, sound, SynthesizeSound(sound)});
    return WriteActorLibrary(EncodeActorInfo(info), resources);
}

BuiltLibrary BuildFrogLibrary()
{
    return AssembleActorLibrary(FrogAnimations(), FrogPalette(), kClear);
}

} // namespace vm::builder
