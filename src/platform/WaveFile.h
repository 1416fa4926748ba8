#pragma once
// A WAVE (RIFF) sound in memory, as the actor library stores its frame sounds:
// the sample format and where the samples lie. Only what the sound output can
// play directly is accepted: PCM with 8, 16 or 32 bits, or 32-bit float.
#include <cstdint>
#include <optional>
#include <span>

namespace vm {

enum class WaveSampleType { UInt8, Int16, Int32, Float };

struct WaveFormat {
    WaveSampleType sampleType = WaveSampleType::Int16;
    int channels = 0;
    int sampleRate = 0;
    int BytesPerFrame() const;
};

struct WaveData {
    WaveFormat format;
    std::span<const uint8_t> samples; // into the parsed bytes, whole frames only
};

// nullopt for anything that isn't a playable WAVE. A data chunk that claims
// more than the bytes hold is cut to what is there.
std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes);

} // namespace vm
