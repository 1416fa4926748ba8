// Decoding of LZRW1-KH blocks and streams, and round trips through the
// builder's compressor.
#include "LzrwCompressor.h"
#include "character/oaLZRWKH.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace vm {
namespace {

using Bytes = std::vector<uint8_t>;

// A stream: the 4-byte header, then each block with its length word.
Bytes Stream(const std::vector<Bytes>& blocks)
{
    Bytes out{0xDE, 0xAD, 0xBE, 0xEF};
    for (const Bytes& b : blocks) {
        out.push_back(uint8_t(b.size()));
        out.push_back(uint8_t(b.size() >> 8));
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

Bytes Decode(const Bytes& stream)
{
    Bytes out;
    DecompressStream(stream, out);
    return out;
}

Bytes DecodeBlock(const Bytes& block)
{
    Bytes out(kLzrwBufferSize);
    out.resize(DecompressBlock(block.data(), out.data(), uint16_t(block.size())));
    return out;
}

Bytes Stored(const Bytes& content)
{
    Bytes b{kLzrwStoredFlag};
    b.insert(b.end(), content.begin(), content.end());
    return b;
}

TEST(DecompressBlock, StoredBlockGivesItsBytes)
{
    EXPECT_EQ(DecodeBlock(Stored({1, 2, 3})), (Bytes{1, 2, 3}));
}

TEST(DecompressBlock, StoredBlockOfLengthOneGivesNothing)
{
    EXPECT_TRUE(DecodeBlock({kLzrwStoredFlag}).empty());
}

TEST(DecompressBlock, LiteralsEndingExactlyAtTheBlockEndReadNoFurtherControlWord)
{
    Bytes block{0x00, 0x00, 0x00};
    for (uint8_t i = 0; i < 16; ++i)
        block.push_back(uint8_t('a' + i));
    EXPECT_EQ(DecodeBlock(block), Bytes(block.begin() + 3, block.end()));
}

TEST(DecompressBlock, ControlWordIsReadAfterSixteenItems)
{
    // 16 literals, a new control word announcing a copy, then the copy.
    Bytes block{0x00, 0x00, 0x00};
    for (uint8_t i = 0; i < 16; ++i)
        block.push_back(i);
    block.insert(block.end(), {0x80, 0x00, 0x01, 0x00}); // offset 16, length 3
    const Bytes out = DecodeBlock(block);
    ASSERT_EQ(out.size(), 19u);
    EXPECT_EQ(out[16], 0);
    EXPECT_EQ(out[18], 2);
}

TEST(DecompressBlock, CopyWithOffsetOneRepeatsThePreviousByte)
{
    // literal 'x', then copy offset 1 length 18
    const Bytes out = DecodeBlock({0x00, 0x40, 0x00, 'x', 0x00, 0x1F});
    EXPECT_EQ(out, Bytes(19, 'x'));
}

TEST(DecompressBlock, OverlappingCopyRepeatsAPattern)
{
    // "ab", then copy offset 2 length 7
    EXPECT_EQ(DecodeBlock({0x00, 0x20, 0x00, 'a', 'b', 0x00, 0x24}), (Bytes{'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a'}));
}

TEST(DecompressBlock, LongestRunWrites4111Bytes)
{
    EXPECT_EQ(DecodeBlock({0x00, 0x80, 0x00, 0x00, 0x0F, 0xFF, 0x5A}), Bytes(4111, 0x5A));
}

TEST(DecompressBlock, ShortestRunWrites16Bytes)
{
    EXPECT_EQ(DecodeBlock({0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 7}), Bytes(16, 7));
}

TEST(DecompressBlock, EmptyAndTooShortCompressedBlocksGiveNothing)
{
    EXPECT_TRUE(DecodeBlock({}).empty());
    EXPECT_TRUE(DecodeBlock({0x00}).empty());
    EXPECT_TRUE(DecodeBlock({0x00, 0xFF}).empty());
    EXPECT_TRUE(DecodeBlock({0x00, 0xFF, 0xFF}).empty());
}

struct DamagedCase {
    const char* what;
    Bytes block;
};

class DamagedBlock : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedBlock, IsRefused)
{
    EXPECT_THROW(DecodeBlock(GetParam().block), EDamagedAnimation);
}

Bytes RunsOf(int count)
{
    Bytes block{0x00, 0xFF, 0xFF};
    for (int i = 0; i < count; ++i)
        block.insert(block.end(), {0x00, 0x0F, 0xFF, 1});
    return block;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedBlock,
    testing::Values(DamagedCase{"copy before the first byte", {0x00, 0x80, 0x00, 0x00, 0x10}},
                    DamagedCase{"copy reaching past what was written", {0x00, 0x40, 0x00, 'x', 0x00, 0x20}},
                    DamagedCase{"copy cut short", {0x00, 0x80, 0x00, 0x01}},
                    DamagedCase{"run cut short", {0x00, 0x80, 0x00, 0x00, 0x01, 0x02}},
                    DamagedCase{"control word cut short", [] {
                                    Bytes b{0x00, 0x00, 0x00};
                                    b.resize(3 + 16, 'a');
                                    b.push_back(0x00);
                                    return b;
                                }()},
                    DamagedCase{"control word with no item after it", [] {
                                    Bytes b{0x00, 0x00, 0x00};
                                    b.resize(3 + 16, 'a');
                                    b.insert(b.end(), {0x00, 0x00});
                                    return b;
                                }()},
                    DamagedCase{"more than 32768 bytes of runs", RunsOf(9)},
                    DamagedCase{"stored block longer than 32768 bytes", Stored(Bytes(32769, 1))}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(DecompressStream, TwoFullBlocksAndAShortOneArriveInOrder)
{
    const Bytes out = Decode(Stream({Stored(Bytes(32768, 1)), Stored(Bytes(32768, 2)), Stored(Bytes(100, 3))}));
    ASSERT_EQ(out.size(), 2 * 32768u + 100);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[32767], 1);
    EXPECT_EQ(out[32768], 2);
    EXPECT_EQ(out[65535], 2);
    EXPECT_EQ(out[65536], 3);
}

TEST(DecompressStream, StopsAfterTheFirstShortBlock)
{
    const Bytes out = Decode(Stream({Stored({1, 2}), Stored({3, 4})}));
    EXPECT_EQ(out, (Bytes{1, 2}));
}

TEST(DecompressStream, StoredBlockOfLengthOneEndsTheStream)
{
    EXPECT_TRUE(Decode(Stream({{kLzrwStoredFlag}, Stored({9})})).empty());
}

TEST(DecompressStream, EmptyLastBlockAddsNothing)
{
    const Bytes out = Decode(Stream({Stored(Bytes(32768, 4)), {}}));
    EXPECT_EQ(out, Bytes(32768, 4));
}

TEST(DecompressStream, ResourceEndingAfterAFullBlockEndsTheStream)
{
    const Bytes out = Decode(Stream({Stored(Bytes(32768, 4))}));
    EXPECT_EQ(out, Bytes(32768, 4));
}

TEST(DecompressStream, AppendsToWhatTheMemoryHolds)
{
    Bytes out{7};
    DecompressStream(Stream({Stored({8})}), out);
    EXPECT_EQ(out, (Bytes{7, 8}));
}

TEST(DecompressStream, DamagedInputIsRefusedAndKeepsTheGoodBlocks)
{
    const struct {
        const char* what;
        Bytes stream;
    } cases[] = {
        {"header cut short", {1, 2, 3}},
        {"length word cut short", {1, 2, 3, 4, 5}},
        {"block cut short", [] {
             Bytes s = Stream({Stored({1, 2, 3})});
             s.pop_back();
             return s;
         }()},
        {"damaged second block", Stream({Stored(Bytes(32768, 1)), {0x00, 0x80, 0x00, 0x00, 0x10}})},
    };
    for (const auto& c : cases) {
        Bytes out;
        EXPECT_THROW(DecompressStream(c.stream, out), EDamagedAnimation) << c.what;
        EXPECT_TRUE(out.empty() || out.size() == 32768) << c.what;
    }
}

TEST(DecompressStream, MoreThanTheLimitIsRefused)
{
    Bytes out;
    EXPECT_THROW(DecompressStream(Stream({Stored(Bytes(32768, 1)), Stored({2})}), out, 32768), EDamagedAnimation);
    EXPECT_EQ(out.size(), 32768u);
}

// Round trips through the builder's compressor.

Bytes RandomBytes(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b)
        x = uint8_t(rng());
    return b;
}

Bytes Repetitive(size_t n, uint32_t seed)
{
    // Words from a small vocabulary, long runs and pixel-art-like rows.
    std::mt19937 rng(seed);
    Bytes b;
    const char* words[] = {"frog ", "lily ", "pad ", "croak ", "hop "};
    while (b.size() < n) {
        switch (rng() % 3) {
        case 0: {
            const char* w = words[rng() % 5];
            b.insert(b.end(), w, w + strlen(w));
            break;
        }
        case 1: b.insert(b.end(), 16 + rng() % 5000, uint8_t(rng())); break;
        default: b.insert(b.end(), 1 + rng() % 20, uint8_t(rng() % 4)); break;
        }
    }
    b.resize(n);
    return b;
}

class RoundTrip : public testing::TestWithParam<size_t> {};

TEST_P(RoundTrip, RandomDataComesBackUnchanged)
{
    const Bytes data = RandomBytes(GetParam(), uint32_t(GetParam()));
    EXPECT_EQ(Decode(builder::CompressStream(data)), data);
}

TEST_P(RoundTrip, RepetitiveDataComesBackUnchanged)
{
    const Bytes data = Repetitive(GetParam(), uint32_t(GetParam()) + 1);
    const Bytes stream = builder::CompressStream(data);
    EXPECT_EQ(Decode(stream), data);
    if (data.size() > 1000) {
        EXPECT_LT(stream.size(), data.size() / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTrip, testing::Values(0, 1, 2, 3, 17, 18, 19, 4111, 32767, 32768, 32769, 65536, 100000));

TEST(CompressBlock, ChoosesTheBlockShapeThatFits)
{
    EXPECT_EQ(builder::CompressBlock(RandomBytes(1000, 3))[0], kLzrwStoredFlag);
    EXPECT_NE(builder::CompressBlock(Repetitive(1000, 3))[0], kLzrwStoredFlag);
    EXPECT_NE(builder::CompressBlock(Bytes(32768, 0))[0], kLzrwStoredFlag);
}

TEST(CompressStream, DataOfWholeBlocksEndsWithAnEmptyBlock)
{
    const Bytes stream = builder::CompressStream(Bytes(32768, 9));
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[stream.size() - 1], 0);
    EXPECT_EQ(stream[stream.size() - 2], 0);
}

TEST(RoundTrip, ManySmallMixedInputs)
{
    std::mt19937 rng(99);
    for (int i = 0; i < 300; ++i) {
        const size_t n = rng() % 3000;
        const Bytes data = (i % 2) ? RandomBytes(n, rng()) : Repetitive(n, rng());
        ASSERT_EQ(Decode(builder::CompressStream(data)), data) << "case " << i;
    }
}

} // namespace
} // namespace vm
