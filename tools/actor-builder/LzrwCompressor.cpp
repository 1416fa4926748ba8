#include "LzrwCompressor.h"

#include "character/oaLZRWKH.h"

#include <algorithm>
#include <array>

namespace vm::builder {
namespace {

constexpr size_t kMaxOffset = 4095;
constexpr size_t kMinCopy = 3, kMaxCopy = 18;
constexpr size_t kMinRun = 16, kMaxRun = 4111;
constexpr int kChainDepth = 32;
constexpr size_t kHashBits = 12;

size_t Hash3(const uint8_t* p) { return ((p[0] << 8 ^ p[1] << 4 ^ p[2]) * 2654435761u >> 8) & ((1u << kHashBits) - 1); }

// Writes items behind 16-bit control words, each word placed in front of the
// items it announces.
class ItemWriter {
public:
    ItemWriter() { out_.push_back(0); } // flag: anything but the stored flag
    void Literal(uint8_t b) { Announce(false); out_.push_back(b); }
    void Copy(size_t offset, size_t length)
    {
        Announce(true);
        out_.push_back(uint8_t(offset >> 4));
        out_.push_back(uint8_t((offset & 15) << 4 | (length - kMinCopy)));
    }
    void Run(uint8_t value, size_t count)
    {
        Announce(true);
        const size_t c = count - kMinRun;
        out_.push_back(0);
        out_.push_back(uint8_t(c >> 8));
        out_.push_back(uint8_t(c & 255));
        out_.push_back(value);
    }
    std::vector<uint8_t> Finish()
    {
        Flush();
        return std::move(out_);
    }

private:
    void Announce(bool bit)
    {
        if (items_ == 16)
            Flush();
        if (items_ == 0) {
            controlAt_ = out_.size();
            out_.push_back(0);
            out_.push_back(0);
        }
        control_ = uint16_t(control_ | (bit ? 1u << (15 - items_) : 0u));
        ++items_;
    }
    void Flush()
    {
        if (items_ == 0)
            return;
        out_[controlAt_] = uint8_t(control_ >> 8);
        out_[controlAt_ + 1] = uint8_t(control_ & 255);
        items_ = 0;
        control_ = 0;
    }
    std::vector<uint8_t> out_;
    size_t controlAt_ = 0;
    uint16_t control_ = 0;
    int items_ = 0;
};

} // namespace

std::vector<uint8_t> CompressBlock(std::span<const uint8_t> block)
{
    const size_t n = std::min(block.size(), kLzrwBlockSize);
    const uint8_t* p = block.data();
    std::array<int32_t, 1u << kHashBits> head;
    head.fill(-1);
    std::vector<int32_t> previous(n, -1);
    auto insert = [&](size_t at) {
        if (at + kMinCopy > n)
            return;
        const size_t h = Hash3(p + at);
        previous[at] = head[h];
        head[h] = int32_t(at);
    };

    ItemWriter items;
    size_t at = 0;
    while (at < n) {
        size_t run = 1;
        while (at + run < n && run < kMaxRun && p[at + run] == p[at])
            ++run;
        if (run >= kMinRun) {
            items.Run(p[at], run);
            for (size_t i = 0; i < run; ++i)
                insert(at + i);
            at += run;
            continue;
        }
        size_t bestLength = 0, bestOffset = 0;
        if (at + kMinCopy <= n) {
            const size_t limit = std::min(kMaxCopy, n - at);
            int32_t candidate = head[Hash3(p + at)];
            for (int depth = 0; candidate >= 0 && depth < kChainDepth; ++depth) {
                const size_t offset = at - size_t(candidate);
                if (offset > kMaxOffset)
                    break;
                size_t length = 0;
                while (length < limit && p[size_t(candidate) + length] == p[at + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestOffset = offset;
                    if (length == limit)
                        break;
                }
                candidate = previous[size_t(candidate)];
            }
        }
        if (bestLength >= kMinCopy) {
            items.Copy(bestOffset, bestLength);
            for (size_t i = 0; i < bestLength; ++i)
                insert(at + i);
            at += bestLength;
        } else {
            items.Literal(p[at]);
            insert(at);
            ++at;
        }
    }
    std::vector<uint8_t> compressed = items.Finish();
    // An empty compressed block would be a lone flag byte; a stored block says the same plainly.
    if (n > 0 && compressed.size() < n + 1)
        return compressed;
    std::vector<uint8_t> stored{kLzrwStoredFlag};
    stored.insert(stored.end(), p, p + n);
    return stored;
}

std::vector<uint8_t> CompressStream(std::span<const uint8_t> data)
{
    std::vector<uint8_t> out;
    const uint32_t size = uint32_t(data.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(size >> (8 * i)));
    size_t at = 0;
    for (;;) {
        const size_t length = std::min(kLzrwBlockSize, data.size() - at);
        std::vector<uint8_t> block = length == 0 ? std::vector<uint8_t>{} : CompressBlock(data.subspan(at, length));
        out.push_back(uint8_t(block.size() & 255));
        out.push_back(uint8_t(block.size() >> 8));
        out.insert(out.end(), block.begin(), block.end());
        at += length;
        if (length < kLzrwBlockSize)
            return out;
    }
}

} // namespace vm::builder
