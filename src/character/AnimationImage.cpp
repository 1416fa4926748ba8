#include "character/AnimationImage.h"

#include "character/oaActor.h"
#include "character/oaLZRWKH.h"

#include <string>

namespace vm {
namespace {

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

uint64_t ImageSize(uint64_t frames, uint16_t width, uint16_t height)
{
    return 4 + 13 * frames + frames * width * height;
}

} // namespace

TAnimationImage DecodeAnimationImage(std::span<const uint8_t> data, uint16_t width, uint16_t height)
{
    if (data.size() < 4)
        throw EDamagedAnimation();
    const int32_t count = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                                  uint32_t(data[3]) << 24);
    if (count < 1 || count > kMaxFrames || data.size() < ImageSize(uint64_t(count), width, height))
        throw EDamagedAnimation();

    TAnimationImage image;
    const size_t f = size_t(count);
    image.frameCount = count;
    image.frameWidth = width;
    image.frameHeight = height;
    const uint8_t* sounds = data.data() + 4;
    const uint8_t* durations = sounds + 2 * f;
    const uint8_t* branches = durations + f;
    const uint8_t* exits = branches + 8 * f;
    const uint8_t* strip = exits + 2 * f;
    auto checkTarget = [&](uint8_t target) {
        if (target >= f)
            throw EDamagedAnimation();
        return target;
    };
    for (size_t i = 0; i < f; ++i) {
        image.sounds.push_back(Le16(sounds + 2 * i));
        image.durations.push_back(durations[i]);
        std::array<TFrameBranch, kBranchesPerFrame> frameBranches;
        for (size_t k = 0; k < kBranchesPerFrame; ++k) {
            const uint8_t* b = branches + 8 * i + 2 * k;
            frameBranches[k] = {b[0], b[0] != 0 ? checkTarget(b[1]) : b[1]};
        }
        image.branches.push_back(frameBranches);
        const uint8_t* e = exits + 2 * i;
        image.exits.push_back({e[0], e[0] != 0 ? checkTarget(e[1]) : e[1]});
    }
    image.strip.assign(strip, strip + f * width * height);
    return image;
}

TAnimationImage ReadAnimationImage(const TAssistantActor& actor, uint16_t n)
{
    std::vector<uint8_t> decoded;
    uint16_t width = 0, height = 0;
    {
        ActorLock guard(actor);
        const TAnimationInfo* info = actor.Animations(n);
        if (!info)
            throw Error("No animation " + std::to_string(n) + " in the actor library");
        const auto resource = actor.AnimationResource(info->resourceId);
        if (!resource)
            throw Error("The animation data " + std::to_string(info->resourceId) + " is missing");
        width = actor.FrameWidth();
        height = actor.FrameHeight();
        DecompressStream(*resource, decoded, ImageSize(kMaxFrames, width, height) + kLzrwBlockSize);
    }
    return DecodeAnimationImage(decoded, width, height);
}

} // namespace vm
