#include "platform/media/QtFrameSound.h"

#include "platform/media/MediaTestSupport.h"

#include "platform/OutputVolume.h"

#include <QAudioSink>
#include <QElapsedTimer>
#include <fstream>
#include <iterator>
#include <thread>

using namespace vm;
using vm::test::MediaFixture;
using vm::test::WaitFor;

namespace {

std::shared_ptr<const std::vector<uint8_t>> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::make_shared<const std::vector<uint8_t>>(std::istreambuf_iterator<char>(in),
                                                        std::istreambuf_iterator<char>());
}

} // namespace

TEST(FrameSound, PlaysAWaveFromMemoryWithoutWaitingAndNeverCutsIt)
{
    VM_REQUIRE_SOUND_OUTPUT();
    QtFrameSound sound;
    const auto tone = ReadBytes(MediaFixture("tone.wav")); // 0.6 s
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(sound.PlayWave(tone));
    EXPECT_LT(timer.elapsed(), 100) << "the caller does not wait for the sound";
    EXPECT_FALSE(sound.PlayWave(tone)) << "a second sound yields to the one that plays";
    ASSERT_TRUE(WaitFor([&] { return !sound.Playing(); }, 5000));
    EXPECT_GE(timer.elapsed(), 400) << "the sound played out";
    EXPECT_TRUE(sound.PlayWave(tone)) << "the device is free again";
    sound.StopAll();
    EXPECT_TRUE(WaitFor([&] { return !sound.Playing(); }, 300));
}

TEST(FrameSound, AnythingButAPlayableWaveIsDroppedQuietly)
{
    QtFrameSound sound;
    EXPECT_FALSE(sound.PlayWave(nullptr));
    EXPECT_FALSE(sound.PlayWave(std::make_shared<const std::vector<uint8_t>>()));
    EXPECT_FALSE(sound.PlayWave(ReadBytes(MediaFixture("tone.mp3"))));
    EXPECT_FALSE(sound.Playing());
}

TEST(FrameSound, TheAnimationThreadMayStartSounds)
{
    VM_REQUIRE_SOUND_OUTPUT();
    QtFrameSound sound;
    const auto tone = ReadBytes(MediaFixture("tone.wav"));
    bool started = false;
    std::thread engine([&] { started = sound.PlayWave(tone); });
    engine.join();
    EXPECT_TRUE(started);
    EXPECT_TRUE(WaitFor([&] { return !sound.Playing(); }, 5000));
}

TEST(FrameSound, TheVolumeKeysReachAPlayingSound)
{
    VM_REQUIRE_SOUND_OUTPUT();
    QtFrameSound sound;
    OutputVolume::Program().SetStepIndex(8);
    ASSERT_TRUE(sound.PlayWave(ReadBytes(MediaFixture("tone.wav"))));
    QAudioSink* sink = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (sink = sound.findChild<QAudioSink*>()) != nullptr; }, 1000));
    EXPECT_FLOAT_EQ(float(sink->volume()), LinearVolume(0.5));
    SetVolume(true);
    EXPECT_FLOAT_EQ(float(sink->volume()), LinearVolume(9.0 / 16));
    OutputVolume::Program().SetStepIndex(OutputVolume::kSteps);
    sound.StopAll();
    WaitFor([&] { return !sound.Playing(); }, 1000);
}
