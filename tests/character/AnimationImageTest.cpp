// Decoding animation images: tables, the pixel strip, and refusal of images
// that do not fit their frame size or point at frames that do not exist.
#include "TestLibrary.h"
#include "character/AnimationImage.h"
#include "character/oaActor.h"
#include "character/oaLZRWKH.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

using Bytes = std::vector<uint8_t>;

TAnimationImage Sample()
{
    TAnimationImage image = testlib::Image(3, 2, 2);
    image.sounds = {0, 7, 0};
    image.durations = {10, 0, 25};
    image.branches[1][0] = {60, 0};
    image.branches[1][3] = {40, 2};
    image.branches[2][1] = {0, 200}; // never taken, so any target is fine
    image.exits[0] = {1, 2};
    // Row 1 of frame 2 gets its own pixels.
    image.strip[1 * 3 * 2 + 2 * 2] = 9;
    image.strip[1 * 3 * 2 + 2 * 2 + 1] = 8;
    return image;
}

TEST(DecodeAnimationImage, ReadsTablesAndStrip)
{
    const TAnimationImage image = DecodeAnimationImage(builder::EncodeAnimationImage(Sample()), 2, 2);
    EXPECT_EQ(image.frameCount, 3);
    EXPECT_EQ(image.sounds, (std::vector<uint16_t>{0, 7, 0}));
    EXPECT_EQ(image.durations, (std::vector<uint8_t>{10, 0, 25}));
    EXPECT_EQ(image.branches[1][0].probability, 60);
    EXPECT_EQ(image.branches[1][3].target, 2);
    EXPECT_EQ(image.exits[0].present, 1);
    EXPECT_EQ(image.exits[0].target, 2);
    EXPECT_EQ(image.StripRowSize(), 6u);
    EXPECT_EQ(Bytes(image.FrameRow(0, 0).begin(), image.FrameRow(0, 0).end()), (Bytes{1, 1}));
    EXPECT_EQ(Bytes(image.FrameRow(2, 1).begin(), image.FrameRow(2, 1).end()), (Bytes{9, 8}));
    EXPECT_EQ(Bytes(image.FrameRow(1, 1).begin(), image.FrameRow(1, 1).end()), (Bytes{2, 2}));
}

TEST(DecodeAnimationImage, AcceptsExtraBytesAfterTheStrip)
{
    Bytes data = builder::EncodeAnimationImage(Sample());
    data.push_back(0);
    EXPECT_EQ(DecodeAnimationImage(data, 2, 2).frameCount, 3);
}

TEST(DecodeAnimationImage, TakesUpTo256Frames)
{
    EXPECT_EQ(DecodeAnimationImage(builder::EncodeAnimationImage(testlib::Image(256, 1, 1)), 1, 1).frameCount, 256);
}

struct RefusedCase {
    const char* what;
    Bytes data;
    uint16_t width, height;
};

class RefusedImage : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedImage, IsDamaged)
{
    EXPECT_THROW(DecodeAnimationImage(GetParam().data, GetParam().width, GetParam().height), EDamagedAnimation);
}

Bytes WithFrameCount(int32_t count)
{
    Bytes b = builder::EncodeAnimationImage(testlib::Image(1, 1, 1));
    for (int i = 0; i < 4; ++i)
        b[size_t(i)] = uint8_t(uint32_t(count) >> (8 * i));
    return b;
}

Bytes Edited(void (*edit)(TAnimationImage&))
{
    TAnimationImage image = Sample();
    edit(image);
    return builder::EncodeAnimationImage(image);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedImage,
    testing::Values(
        RefusedCase{"no_frames", WithFrameCount(0), 1, 1},
        RefusedCase{"negative_frame_count", WithFrameCount(-1), 1, 1},
        RefusedCase{"more_than_256_frames", builder::EncodeAnimationImage(testlib::Image(257, 1, 1)), 1, 1},
        RefusedCase{"shorter_than_its_header", {1, 0}, 1, 1},
        RefusedCase{"strip_one_byte_short", [] {
                        Bytes b = builder::EncodeAnimationImage(Sample());
                        b.pop_back();
                        return b;
                    }(), 2, 2},
        RefusedCase{"frames_larger_than_the_strip", builder::EncodeAnimationImage(Sample()), 2, 3},
        RefusedCase{"huge_frame_size", builder::EncodeAnimationImage(Sample()), 65535, 65535},
        RefusedCase{"branch_to_a_missing_frame", Edited([](TAnimationImage& i) { i.branches[0][2] = {5, 3}; }), 2, 2},
        RefusedCase{"exit_to_a_missing_frame", Edited([](TAnimationImage& i) { i.exits[1] = {1, 3}; }), 2, 2}),
    [](const auto& info) { return std::string(info.param.what); });

struct LibraryFixture : testing::Test {
    testlib::TempFile file;
    TAssistantActor actor;

    void Open(const std::vector<builder::PeResource>& resources, uint16_t width = 2, uint16_t height = 2)
    {
        const TActorInfo info = testlib::Record({testlib::Animation("A", 1, {33}), testlib::Animation("B", 2, {33})}, width, height);
        actor.SetFileName(file.Write(builder::WriteActorLibrary(builder::EncodeActorInfo(info), resources).bytes));
    }
};

TEST_F(LibraryFixture, ReadsAnAnimationOfTheLibrary)
{
    Open({testlib::Rcdata(1, builder::EncodeAnimationImage(Sample()))});
    const TAnimationImage image = ReadAnimationImage(actor, 1);
    EXPECT_EQ(image.frameCount, 3);
    EXPECT_EQ(image.sounds[1], 7);
}

TEST_F(LibraryFixture, MissingAnimationOrResourceIsAnError)
{
    Open({testlib::Rcdata(1, builder::EncodeAnimationImage(Sample()))});
    EXPECT_THROW(ReadAnimationImage(actor, 0), Error);
    EXPECT_THROW(ReadAnimationImage(actor, 3), Error);
    EXPECT_THROW(ReadAnimationImage(actor, 2), Error); // resource 2 is not in the library
}

TEST_F(LibraryFixture, DamagedResourceIsReportedAsDamaged)
{
    Open({{kResourceTypeRcData, "", 1, {0, 0, 0, 0, 5, 0, 0x00, 0x80, 0x00, 0x00, 0x10}}});
    EXPECT_THROW(ReadAnimationImage(actor, 1), EDamagedAnimation);
}

} // namespace
} // namespace vm
