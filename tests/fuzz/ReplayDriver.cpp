// Runs a fuzz entry point without libFuzzer: every file of the corpus folders
// given on the command line, then seeded random mutations of each (byte flips,
// cuts, insertions, splices), so the target is exercised in every test run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<uint8_t> Mutate(std::vector<uint8_t> input, const std::vector<uint8_t>& other, std::mt19937& rng)
{
    auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(rng() % n); };
    const int edits = 1 + int(rng() % 8);
    for (int e = 0; e < edits; ++e) {
        switch (rng() % 6) {
        case 0: if (!input.empty()) input[pick(input.size())] ^= uint8_t(1u << (rng() % 8)); break;
        case 1: if (!input.empty()) input[pick(input.size())] = uint8_t(rng()); break;
        case 2: input.resize(pick(input.size() + 1)); break;
        case 3: input.insert(input.begin() + long(pick(input.size() + 1)), uint8_t(rng())); break;
        case 4: {
            const std::vector<uint8_t> specials{0, 0xFF, '\r', '\n', '=', '[', ']', '\\', '"', '~', ',', '.'};
            input.insert(input.begin() + long(pick(input.size() + 1)), specials[pick(specials.size())]);
            break;
        }
        default:
            if (!other.empty()) {
                const size_t from = pick(other.size());
                const size_t len = pick(other.size() - from + 1);
                input.insert(input.begin() + long(pick(input.size() + 1)), other.begin() + long(from),
                             other.begin() + long(from + len));
            }
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::vector<uint8_t>> corpus;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], ec)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    corpus.emplace_back();
    std::mt19937 rng(12345);
    size_t runs = 0;
    for (const auto& input : corpus) {
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++runs;
    }
    for (int round = 0; round < 2000; ++round) {
        const auto& base = corpus[rng() % corpus.size()];
        const auto& other = corpus[rng() % corpus.size()];
        const auto input = Mutate(base, other, rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++runs;
    }
    std::printf("%zu inputs ran clean\n", runs);
    return 0;
}
