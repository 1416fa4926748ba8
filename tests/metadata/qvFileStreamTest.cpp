#include "metadata/qvFileStream.h"

#include "ExifFixture.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vm;
using vm::test::Bytes;

namespace {

// Every case runs over a real file and over the same bytes in memory.
class FileStream : public testing::TestWithParam<bool> {
protected:
    std::unique_ptr<TqvFileStream> Open(const Bytes& bytes)
    {
        bytes_ = bytes;
        if (GetParam())
            return std::make_unique<TqvFileStream>(test::WriteTempFile("stream.bin", bytes_));
        return std::make_unique<TqvFileStream>(std::span<const uint8_t>(bytes_));
    }

private:
    Bytes bytes_;
};

Bytes Counting(size_t size)
{
    Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = uint8_t(i * 7 + 3);
    return b;
}

void ExpectOutOfBounds(const std::function<void()>& read)
{
    try {
        read();
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Out of bounds");
    }
}

} // namespace

TEST_P(FileStream, EmptyFileOpensAtEofAndRefusesEveryRead)
{
    auto s = Open({});
    EXPECT_TRUE(s->Eof());
    ExpectOutOfBounds([&] { s->ReadByte(); });
    char into[4];
    EXPECT_EQ(s->ReadBytes(into, 4), 0);
}

TEST_P(FileStream, LastByteRefillsTheWindowAndTheNextOneIsOutOfBounds)
{
    const Bytes data = Counting(1500);
    auto s = Open(data);
    EXPECT_EQ(s->ReadByteAt(1499), data[1499]);
    EXPECT_TRUE(s->InBuffer(1499));
    EXPECT_FALSE(s->InBuffer(1498)) << "the window starts exactly at the offset read";
    EXPECT_EQ(s->Position(), 1500);
    ExpectOutOfBounds([&] { s->ReadByteAt(1500); });
    EXPECT_TRUE(s->Eof());
    EXPECT_EQ(s->Position(), 1500) << "a failed read leaves the position alone";
}

TEST_P(FileStream, ABackwardStepReloadsFromThatOffset)
{
    const Bytes data = Counting(4000);
    auto s = Open(data);
    EXPECT_EQ(s->ReadByteAt(2000), data[2000]);
    EXPECT_EQ(s->ReadByteAt(1999), data[1999]);
    EXPECT_TRUE(s->InBuffer(1999 + 1023));
    EXPECT_FALSE(s->InBuffer(1999 + 1024));
}

struct OrderCase {
    bool big;
    Bytes bytes;
    bool isLong;
    uint32_t expected;
};

class ByteOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ByteOrder, WordsAndLongsFollowTheSelectedOrder)
{
    const OrderCase& c = GetParam();
    TqvFileStream s{std::span<const uint8_t>(c.bytes)};
    s.SetBigEndian(c.big);
    EXPECT_EQ(c.isLong ? s.ReadLong() : s.ReadWord(), c.expected);
    EXPECT_EQ(s.Position(), int64_t(c.bytes.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteOrder, testing::Values(
    OrderCase{true, {1, 2}, false, 258},
    OrderCase{true, {0, 1, 0, 2}, true, 65538},
    OrderCase{false, {1, 2}, false, 513},
    OrderCase{false, {1, 0, 2, 0}, true, 131073},
    OrderCase{true, {0xFF, 0xFF, 0xFF, 0xFE}, true, 0xFFFFFFFE}));

TEST_P(FileStream, StartsBigEndianAtPositionZero)
{
    auto s = Open({0xFF, 0xD8});
    EXPECT_TRUE(s->BigEndian());
    EXPECT_EQ(s->Position(), 0);
    EXPECT_EQ(s->ReadWord(), 0xFFD8);
}

TEST_P(FileStream, SetPositionBeyondTheEndSucceedsAndTheNextReadRaises)
{
    auto s = Open(Counting(10));
    s->SetPosition(5000);
    EXPECT_EQ(s->Position(), 5000);
    ExpectOutOfBounds([&] { s->ReadByte(); });
}

TEST_P(FileStream, SequentialReadContinuesAfterAnAddressedRead)
{
    const Bytes data = Counting(200);
    auto s = Open(data);
    s->ReadByteAt(100);
    EXPECT_EQ(s->ReadByte(), data[101]);
}

TEST_P(FileStream, ReadBytesRunningPastTheEndRaises)
{
    auto s = Open(Counting(10));
    s->SetPosition(8);
    char into[4];
    ExpectOutOfBounds([&] { s->ReadBytes(into, 4); });
}

TEST_P(FileStream, ReadBytesCopiesAcrossAWindowEdge)
{
    const Bytes data = Counting(2048);
    auto s = Open(data);
    s->SetPosition(1020);
    char into[8];
    ASSERT_EQ(s->ReadBytes(into, 8), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(uint8_t(into[i]), data[size_t(1020 + i)]);
}

TEST_P(FileStream, NegativeOffsetsNeverReachOutsideTheData)
{
    auto s = Open(Counting(100));
    s->ReadByteAt(0);
    ExpectOutOfBounds([&] { s->ReadByteAt(-1); });
    ExpectOutOfBounds([&] { s->ReadByteAt(-1024); });
    EXPECT_EQ(s->ReadByteAt(1), Counting(100)[1]) << "the window is unharmed";
}

INSTANTIATE_TEST_SUITE_P(FileAndMemory, FileStream, testing::Bool(),
                         [](const auto& info) { return info.param ? "File" : "Memory"; });

TEST(FileStreamOpen, AMissingFileFailsWithTheOpenError)
{
    try {
        TqvFileStream s("/nonexistent/folder/photo.jpg");
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"/nonexistent/folder/photo.jpg\""), std::string::npos)
            << e.what();
    }
}
