// Frame sounds come from actor library files: whatever the bytes, the WAVE
// reader's samples stay inside them and hold whole frames of a sane format.
#include "platform/WaveFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const auto wave = vm::ParseWave(bytes);
    if (!wave)
        return 0;
    const vm::WaveFormat& format = wave->format;
    if (format.channels < 1 || format.channels > 8 || format.sampleRate < 1)
        std::abort();
    if (wave->samples.data() < data || wave->samples.data() + wave->samples.size() > data + size)
        std::abort();
    if (wave->samples.size() % size_t(format.BytesPerFrame()) != 0)
        std::abort();
    return 0;
}
