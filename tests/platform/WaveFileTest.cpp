#include "platform/WaveFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace vm;

namespace {

using Bytes = std::vector<uint8_t>;

void PutLittleEndian(Bytes& b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}
void Put16(Bytes& b, uint32_t v) { PutLittleEndian(b, v, 2); }
void Put32(Bytes& b, uint32_t v) { PutLittleEndian(b, v, 4); }
void PutTag(Bytes& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(tag[i]));
}

Bytes Chunk(const char* tag, const Bytes& body, uint32_t declared)
{
    Bytes b;
    PutTag(b, tag);
    Put32(b, declared);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2)
        b.push_back(0);
    return b;
}
Bytes Chunk(const char* tag, const Bytes& body) { return Chunk(tag, body, uint32_t(body.size())); }

Bytes Fmt(uint16_t formatTag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t extensibleTag = 0)
{
    Bytes b;
    Put16(b, formatTag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * bits / 8);
    Put16(b, uint16_t(channels * bits / 8));
    Put16(b, bits);
    if (formatTag == 0xFFFE) {
        Put16(b, 22);
        Put16(b, bits);
        Put32(b, 3);
        Put16(b, extensibleTag);
        b.resize(b.size() + 14);
    }
    return b;
}

Bytes Riff(std::initializer_list<Bytes> chunks)
{
    Bytes body;
    PutTag(body, "WAVE");
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

const Bytes kSamples{1, 2, 3, 4, 5, 6, 7, 8};

struct GoodCase {
    const char* name;
    Bytes wave;
    WaveSampleType type;
    int channels;
    int rate;
    size_t sampleBytes;
};

} // namespace

TEST(WaveFile, ReadsThePlayableFormats)
{
    const GoodCase cases[] = {
        {"pcm 16 mono", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 16)), Chunk("data", kSamples)}), WaveSampleType::Int16, 1,
         22050, 8},
        {"pcm 8 stereo", Riff({Chunk("fmt ", Fmt(1, 2, 11025, 8)), Chunk("data", kSamples)}), WaveSampleType::UInt8, 2,
         11025, 8},
        {"float", Riff({Chunk("fmt ", Fmt(3, 1, 48000, 32)), Chunk("data", kSamples)}), WaveSampleType::Float, 1, 48000,
         8},
        {"extensible pcm 32", Riff({Chunk("fmt ", Fmt(0xFFFE, 2, 44100, 32, 1)), Chunk("data", kSamples)}),
         WaveSampleType::Int32, 2, 44100, 8},
        {"odd chunk before fmt", Riff({Chunk("LIST", Bytes{9, 9, 9}), Chunk("fmt ", Fmt(1, 1, 8000, 16)),
                                       Chunk("data", kSamples)}),
         WaveSampleType::Int16, 1, 8000, 8},
        {"data claims more than there is",
         Riff({Chunk("fmt ", Fmt(1, 1, 8000, 16)), Chunk("data", Bytes{1, 2, 3, 4}, 1000)}), WaveSampleType::Int16, 1,
         8000, 4},
        {"stereo 16 with half a frame", Riff({Chunk("fmt ", Fmt(1, 2, 8000, 16)), Chunk("data", Bytes{1, 2, 3, 4, 5, 6})}),
         WaveSampleType::Int16, 2, 8000, 4},
    };
    for (const GoodCase& c : cases) {
        const auto wave = ParseWave(c.wave);
        ASSERT_TRUE(wave) << c.name;
        EXPECT_EQ(wave->format.sampleType, c.type) << c.name;
        EXPECT_EQ(wave->format.channels, c.channels) << c.name;
        EXPECT_EQ(wave->format.sampleRate, c.rate) << c.name;
        EXPECT_EQ(wave->samples.size(), c.sampleBytes) << c.name;
        EXPECT_TRUE(std::equal(wave->samples.begin(), wave->samples.end(), kSamples.begin())) << c.name;
    }
}

TEST(WaveFile, RefusesWhatTheOutputCannotPlay)
{
    Bytes ShortExtensible = Fmt(0xFFFE, 1, 8000, 16, 1);
    ShortExtensible.resize(20);
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", Bytes{}},
        {"not riff", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        {"no chunks", Riff({})},
        {"data before fmt", Riff({Chunk("data", kSamples), Chunk("fmt ", Fmt(1, 1, 8000, 16))})},
        {"no data", Riff({Chunk("fmt ", Fmt(1, 1, 8000, 16))})},
        {"short fmt", Riff({Chunk("fmt ", Bytes(14, 1)), Chunk("data", kSamples)})},
        {"adpcm", Riff({Chunk("fmt ", Fmt(2, 1, 8000, 4)), Chunk("data", kSamples)})},
        {"24 bit", Riff({Chunk("fmt ", Fmt(1, 1, 8000, 24)), Chunk("data", kSamples)})},
        {"no channels", Riff({Chunk("fmt ", Fmt(1, 0, 8000, 16)), Chunk("data", kSamples)})},
        {"rate 0", Riff({Chunk("fmt ", Fmt(1, 1, 0, 16)), Chunk("data", kSamples)})},
        {"extensible cut short", Riff({Chunk("fmt ", ShortExtensible), Chunk("data", kSamples)})},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_FALSE(ParseWave(bytes)) << name;
}
