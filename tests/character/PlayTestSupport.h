#pragma once
// What the engine and director tests share: small libraries with exactly the
// frames, branches and sounds a case needs, a sound output that records what
// it was asked to play, and a log that tests wait on instead of sleeping.
#include "TestLibrary.h"
#include "character/SoundOutput.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace vm::testlib {

// Frame i is filled with palette index 10 + i, except its top-left pixel,
// which is transparent (index 7), so every frame has a shape of its own.
inline TAnimationImage Frames(std::vector<uint8_t> durations, uint16_t width = 4, uint16_t height = 3)
{
    TAnimationImage image = Image(int(durations.size()), width, height);
    image.durations = std::move(durations);
    image.strip.clear();
    for (int y = 0; y < height; ++y)
        for (int f = 0; f < image.frameCount; ++f)
            for (int x = 0; x < width; ++x)
                image.strip.push_back(x == 0 && y == 0 ? uint8_t(7) : uint8_t(10 + f));
    return image;
}

inline TAnimationImage Branch(TAnimationImage image, int frame, int slot, uint8_t probability, uint8_t target)
{
    image.branches[size_t(frame)][size_t(slot)] = {probability, target};
    return image;
}

inline TAnimationImage Exit(TAnimationImage image, int frame, uint8_t target)
{
    image.exits[size_t(frame)] = {1, target};
    return image;
}

inline TAnimationImage Sound(TAnimationImage image, int frame, uint16_t waveId)
{
    image.sounds[size_t(frame)] = waveId;
    return image;
}

struct TestAnimation {
    TAnimationInfo info;
    TAnimationImage image;
};

inline TestAnimation Anim(std::string name, std::initializer_list<int> states, TAnimationImage image,
                          ReturnKind kind = ReturnKind::None, uint16_t returnAnimation = 0)
{
    return {Animation(std::move(name), 0, states, kind, returnAnimation), std::move(image)};
}

struct TestWave {
    uint16_t id;
    std::vector<uint8_t> bytes;
};

// Animation n gets resource id 100 + n; an image with frameCount 0 leaves its
// resource out, and one with an empty strip is stored as damaged bytes.
inline std::string WriteLibrary(const TempFile& file, std::vector<TestAnimation> animations,
                                std::vector<TestWave> waves = {})
{
    std::vector<TAnimationInfo> infos;
    std::vector<builder::PeResource> resources;
    for (size_t i = 0; i < animations.size(); ++i) {
        TAnimationInfo info = animations[i].info;
        info.resourceId = uint16_t(101 + i);
        infos.push_back(info);
        const TAnimationImage& image = animations[i].image;
        if (image.frameCount == 0)
            continue;
        if (image.strip.empty())
            resources.push_back(Rcdata(info.resourceId, {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}));
        else
            resources.push_back(Rcdata(info.resourceId, builder::EncodeAnimationImage(image)));
    }
    for (const TestWave& w : waves)
        resources.push_back({0, "WAVE", w.id, w.bytes});
    return file.Write(builder::WriteActorLibrary(builder::EncodeActorInfo(Record(infos)), resources).bytes);
}

// Lines appended from any thread; tests wait until a condition on them holds.
class EventLog {
public:
    void Add(std::string line)
    {
        {
            std::lock_guard lock(mutex_);
            lines_.push_back(std::move(line));
        }
        changed_.notify_all();
    }
    std::vector<std::string> Lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    size_t Count(const std::string& line) const
    {
        std::lock_guard lock(mutex_);
        return size_t(std::count(lines_.begin(), lines_.end(), line));
    }
    // True once `line` has been added `times` times; false after a generous time-out
    // that only a broken engine reaches.
    bool WaitFor(const std::string& line, size_t times = 1) const
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] {
            return size_t(std::count(lines_.begin(), lines_.end(), line)) >= times;
        });
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::string> lines_;
};

// A sound output for tests: logs "play <first byte>" and "stop all".
class RecordingSound : public ISoundOutput {
public:
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void PlayWave(const uint8_t* bytes, size_t size) override
    {
        log_.Add("play " + std::to_string(size ? bytes[0] : -1));
    }
    void StopAll() override { log_.Add("stop all"); }

private:
    EventLog& log_;
};

} // namespace vm::testlib
