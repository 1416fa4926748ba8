#include "RecordWriter.h"

#include <algorithm>

namespace vm::builder {
namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

} // namespace

std::vector<uint8_t> EncodeActorInfo(const TActorInfo& info)
{
    std::vector<uint8_t> out;
    Put16(out, info.version);
    out.resize(23, 0); // bytes the program never reads
    Put16(out, info.frameWidth);
    Put16(out, info.frameHeight);
    Put16(out, info.palette.version);
    Put16(out, info.palette.entryCount);
    for (const TPaletteEntry& e : info.palette.entries)
        out.insert(out.end(), {e.red, e.green, e.blue, e.flags});
    out.push_back(info.transparentIndex);
    Put16(out, uint16_t(info.animations.size()));
    for (const TAnimationInfo& a : info.animations) {
        const size_t start = out.size();
        const size_t length = std::min(a.name.size(), kMaxAnimationNameLength);
        out.push_back(uint8_t(length));
        out.insert(out.end(), a.name.begin(), a.name.begin() + long(length));
        out.resize(start + 51, 0);
        Put16(out, a.resourceId);
        out.insert(out.end(), a.states.begin(), a.states.end());
        out.push_back(uint8_t(a.returnKind));
        Put16(out, a.returnAnimation);
    }
    return out;
}

std::vector<uint8_t> EncodeAnimationImage(const TAnimationImage& image)
{
    std::vector<uint8_t> out;
    const uint32_t f = uint32_t(image.frameCount);
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(f >> (8 * i)));
    for (uint16_t sound : image.sounds)
        Put16(out, sound);
    out.insert(out.end(), image.durations.begin(), image.durations.end());
    for (const auto& frame : image.branches)
        for (const TFrameBranch& b : frame)
            out.insert(out.end(), {b.probability, b.target});
    for (const TExitBranch& e : image.exits)
        out.insert(out.end(), {e.present, e.target});
    out.insert(out.end(), image.strip.begin(), image.strip.end());
    return out;
}

} // namespace vm::builder
