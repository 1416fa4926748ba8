#pragma once
// Small actor libraries for tests, written with the builder's own writers.
#include "LzrwCompressor.h"
#include "PeWriter.h"
#include "RecordWriter.h"
#include "character/oaTypes.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>

namespace vm::testlib {

inline TAnimationInfo Animation(std::string name, uint16_t resourceId, std::initializer_list<int> states,
                                ReturnKind kind = ReturnKind::None, uint16_t returnAnimation = 0)
{
    TAnimationInfo a;
    a.name = std::move(name);
    a.resourceId = resourceId;
    for (int s : states)
        a.states[size_t(s / 8)] |= uint8_t(1u << (s % 8));
    a.returnKind = kind;
    a.returnAnimation = returnAnimation;
    return a;
}

inline TActorInfo Record(std::vector<TAnimationInfo> animations, uint16_t width = 4, uint16_t height = 3)
{
    TActorInfo info;
    info.version = kActorInfoVersion;
    info.frameWidth = width;
    info.frameHeight = height;
    info.palette.version = 0x300;
    info.palette.entryCount = 256;
    for (size_t i = 0; i < kPaletteEntryCount; ++i)
        info.palette.entries[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    info.transparentIndex = 7;
    info.animations = std::move(animations);
    return info;
}

// An animation image of `frames` frames, each frame filled with its index + 1.
inline TAnimationImage Image(int frames, uint16_t width, uint16_t height)
{
    TAnimationImage image;
    image.frameCount = frames;
    image.frameWidth = width;
    image.frameHeight = height;
    image.sounds.assign(size_t(frames), 0);
    image.durations.assign(size_t(frames), 10);
    image.branches.assign(size_t(frames), {});
    image.exits.assign(size_t(frames), {});
    for (int y = 0; y < height; ++y)
        for (int f = 0; f < frames; ++f)
            image.strip.insert(image.strip.end(), width, uint8_t(f + 1));
    return image;
}

inline builder::PeResource Rcdata(uint16_t id, const std::vector<uint8_t>& decoded)
{
    return {kResourceTypeRcData, "", id, builder::CompressStream(decoded)};
}

// One RT_RCDATA resource per animation (its resource id), each a 2-frame image.
inline builder::BuiltLibrary Library(const TActorInfo& info, const builder::PeLibraryOptions& options = {})
{
    std::vector<builder::PeResource> resources;
    for (const TAnimationInfo& a : info.animations)
        resources.push_back(Rcdata(a.resourceId, builder::EncodeAnimationImage(Image(2, info.frameWidth, info.frameHeight))));
    resources.push_back({0, "WAVE", 5, {'R', 'I', 'F', 'F'}});
    return builder::WriteActorLibrary(builder::EncodeActorInfo(info), resources, options);
}

// A file in a fresh folder of its own, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& name = "actor.elf")
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vm-actor-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / name).string();
    }
    ~TempFile() { std::filesystem::remove_all(folder_); }
    const std::string& Path() const { return path_; }
    const std::string& Write(const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path_;
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path folder_;
    std::string path_;
};

} // namespace vm::testlib
