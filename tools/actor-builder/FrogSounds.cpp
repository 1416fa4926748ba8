#include "FrogSounds.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vm::builder {
namespace {

constexpr int kRate = 11025;
constexpr double kPi = 3.14159265358979;

std::vector<uint8_t> Wave(const std::vector<double>& samples)
{
    std::vector<uint8_t> out;
    out.reserve(45 + samples.size());
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { out.push_back(uint8_t(v)); out.push_back(uint8_t(v >> 8)); };
    auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    const uint32_t dataSize = uint32_t(samples.size());
    tag("RIFF");
    u32(36 + dataSize + (dataSize & 1));
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kRate);
    u32(kRate);
    u16(1);
    u16(8);
    tag("data");
    u32(dataSize);
    for (double s : samples)
        out.push_back(uint8_t(std::clamp(128 + s * 110, 0.0, 255.0)));
    if (dataSize & 1)
        out.push_back(128);
    return out;
}

// A throaty voice: a train of glottal pulses at `pitch` ringing two formants.
double Voice(double t, double pitch, double formant1, double formant2)
{
    const double period = 1 / pitch;
    const double since = std::fmod(t, period);
    const double ring = std::exp(-since * 55);
    return ring * (0.7 * std::sin(2 * kPi * formant1 * since) + 0.35 * std::sin(2 * kPi * formant2 * since));
}

std::vector<double> Ribbit()
{
    // "rib" and "bit": two bursts, the second higher.
    std::vector<double> s(size_t(kRate * 0.36));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double env = 0, pitch = 0;
        if (t < 0.12) {
            env = std::sin(kPi * t / 0.12);
            pitch = 110 + 60 * t / 0.12;
        } else if (t > 0.17 && t < 0.33) {
            env = std::sin(kPi * (t - 0.17) / 0.16);
            pitch = 150 + 80 * (t - 0.17) / 0.16;
        }
        s[i] = env * Voice(t, pitch, 900, 2200);
    }
    return s;
}

std::vector<double> Croak()
{
    std::vector<double> s(size_t(kRate * 0.5));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::pow(std::sin(kPi * t / 0.5), 0.6) * (0.75 + 0.25 * std::sin(2 * kPi * 9 * t));
        s[i] = env * Voice(t, 72 - 12 * t, 420, 1100);
    }
    return s;
}

std::vector<double> Hop()
{
    // A soft "boing": a quick upward sweep that dies away.
    std::vector<double> s(size_t(kRate * 0.18));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * kPi * (260 + 900 * t) / kRate;
        s[i] = std::exp(-t * 16) * std::sin(phase) * 0.8;
    }
    return s;
}

std::vector<double> Pop()
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> noise(-1, 1);
    std::vector<double> s(size_t(kRate * 0.12));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] = std::exp(-t * 45) * (0.5 * noise(rng) + 0.6 * std::sin(2 * kPi * (700 - 2000 * t) * t));
    }
    return s;
}

} // namespace

std::vector<uint8_t> SynthesizeSound(FrogSound sound)
{
    switch (sound) {
    case kSoundRibbit: return Wave(Ribbit());
    case kSoundCroak: return Wave(Croak());
    case kSoundHop: return Wave(Hop());
    case kSoundPop: return Wave(Pop());
    }
    return {};
}

} // namespace vm::builder
