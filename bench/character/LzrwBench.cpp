// Decoding the default library's largest animation, against zlib inflating the
// same decoded bytes compressed at level 6. Run by hand:
//   build/bench/character/bench_lzrw [path/to/rudiva.elf]
#include "character/oaActor.h"
#include "character/oaLZRWKH.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <iostream>
#include <span>
#include <string>
#include <vector>

namespace {

struct Sample {
    std::string name;
    std::vector<uint8_t> compressed; // the resource as stored
    std::vector<uint8_t> decoded;
    std::vector<uint8_t> deflated;   // zlib level 6 of decoded
};

std::string LibraryPath()
{
    return std::string(VM_BINARY_DIR) + "/data/rudiva.elf";
}

Sample LargestAnimation(const std::string& path)
{
    vm::TAssistantActor actor;
    actor.SetFileName(path);
    Sample best;
    for (uint16_t n = 1; n <= actor.AnimationCount(); ++n) {
        const auto resource = actor.AnimationResource(actor.Animations(n)->resourceId);
        if (!resource)
            continue;
        std::vector<uint8_t> decoded;
        vm::DecompressStream(*resource, decoded);
        if (decoded.size() > best.decoded.size()) {
            best.name = actor.Animations(n)->name;
            best.compressed.assign(resource->begin(), resource->end());
            best.decoded = std::move(decoded);
        }
    }
    uLongf size = compressBound(uLong(best.decoded.size()));
    best.deflated.resize(size);
    compress2(best.deflated.data(), &size, best.decoded.data(), uLong(best.decoded.size()), 6);
    best.deflated.resize(size);
    return best;
}

const Sample& TheSample()
{
    static const Sample sample = [] {
        Sample s = LargestAnimation(LibraryPath());
        std::cerr << "largest animation: " << s.name << ", " << s.decoded.size() << " bytes decoded, "
                  << s.compressed.size() << " LZRW1-KH, " << s.deflated.size() << " zlib-6\n";
        return s;
    }();
    return sample;
}

void BM_DecompressStream(benchmark::State& state)
{
    const Sample& s = TheSample();
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        vm::DecompressStream(s.compressed, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.decoded.size()));
}

void BM_ZlibInflate(benchmark::State& state)
{
    const Sample& s = TheSample();
    std::vector<uint8_t> out(s.decoded.size());
    for (auto _ : state) {
        uLongf size = uLongf(out.size());
        uncompress(out.data(), &size, s.deflated.data(), uLong(s.deflated.size()));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.decoded.size()));
}

BENCHMARK(BM_DecompressStream);
BENCHMARK(BM_ZlibInflate);

} // namespace

BENCHMARK_MAIN();
