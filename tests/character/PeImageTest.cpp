// Reading a 32-bit DLL as data: exports, resources, and refusal of files whose
// headers or tables point anywhere they should not.
#include "TestLibrary.h"
#include "character/ActorRecord.h"
#include "character/PeImage.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

using Bytes = std::vector<uint8_t>;

builder::BuiltLibrary SampleLibrary()
{
    return testlib::Library(testlib::Record({testlib::Animation("Wave", 3, {33})}));
}

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

TEST(PeImage, FindsTheExportedFunctionAndTheRecordItReturns)
{
    const auto built = SampleLibrary();
    const PeImage image(built.bytes);
    const auto entry = image.ExportRva("GetActorInfo");
    ASSERT_TRUE(entry);
    const auto address = ReturnedAddress(image.ReadUpTo(*entry, 16));
    ASSERT_TRUE(address);
    EXPECT_EQ(*address, built.imageBase + built.recordRva);
    const auto record = ReadActorInfo(image, *address - image.ImageBase());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->version, 200);
    ASSERT_EQ(record->animations.size(), 1u);
    EXPECT_EQ(record->animations[0].name, "Wave");
    EXPECT_FALSE(image.ExportRva("getactorinfo")); // exports match exactly
}

TEST(PeImage, FindsResourcesByIntegerTypeOrTypeName)
{
    const PeImage image(SampleLibrary().bytes);
    EXPECT_TRUE(image.Resource(kResourceTypeRcData, 3));
    EXPECT_FALSE(image.Resource(kResourceTypeRcData, 4));
    const auto wave = image.Resource("wave", 5);
    ASSERT_TRUE(wave);
    EXPECT_EQ(Bytes(wave->begin(), wave->end()), (Bytes{'R', 'I', 'F', 'F'}));
    EXPECT_FALSE(image.Resource("WAVE", 3));
}

TEST(PeImage, ReadsOnlyInsideSectionData)
{
    const auto built = SampleLibrary();
    const PeImage image(built.bytes);
    EXPECT_TRUE(image.Read(built.recordRva, 4));
    EXPECT_FALSE(image.Read(0, 4));                 // headers are not a section
    EXPECT_FALSE(image.Read(built.recordRva, 1u << 30));
    EXPECT_FALSE(image.Read(0xFFFFFFFF, 2));
    EXPECT_TRUE(image.ReadUpTo(0x7FFFFFFF, 16).empty());
}

struct MalformedCase {
    const char* what;
    void (*damage)(Bytes& file, const builder::BuiltLibrary& built);
};

class MalformedImage : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedImage, IsRefused)
{
    const auto built = SampleLibrary();
    Bytes file = built.bytes;
    GetParam().damage(file, built);
    EXPECT_THROW(PeImage{file}, EPeFormat);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedImage,
    testing::Values(
        MalformedCase{"empty", [](Bytes& f, const builder::BuiltLibrary&) { f.clear(); }},
        MalformedCase{"no_MZ", [](Bytes& f, const builder::BuiltLibrary&) { f[0] = 'X'; }},
        MalformedCase{"PE_header_outside_the_file", [](Bytes& f, const builder::BuiltLibrary&) { Put32(f, 0x3C, 0xFFFFFFF0); }},
        MalformedCase{"64_bit_machine", [](Bytes& f, const builder::BuiltLibrary&) { f[0x84] = 0x64; f[0x85] = 0x86; }},
        MalformedCase{"truncated_file", [](Bytes& f, const builder::BuiltLibrary&) { f.resize(f.size() / 2); }},
        MalformedCase{"resource_tree_loops",
                      [](Bytes& f, const builder::BuiltLibrary& b) { Put32(f, b.resourceFileOffset + 16 + 4, 0x80000000u); }},
        MalformedCase{"resource_type_without_directory",
                      [](Bytes& f, const builder::BuiltLibrary& b) { Put32(f, b.resourceFileOffset + 16 + 4, 0x10); }},
        MalformedCase{"resource_entry_count_beyond_the_section",
                      [](Bytes& f, const builder::BuiltLibrary& b) { f[b.resourceFileOffset + 14] = 0xFF; f[b.resourceFileOffset + 15] = 0xFF; }},
        MalformedCase{"resource_directory_outside_the_image",
                      [](Bytes& f, const builder::BuiltLibrary& b) { Put32(f, b.resourceFileOffset + 16 + 4, 0xFFFFFFF0u); }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ReturnedAddress, ReadsTheFormsACompilerEmits)
{
    const struct {
        Bytes code;
        std::optional<uint32_t> address;
    } cases[] = {
        {{0xB8, 0x78, 0x56, 0x34, 0x12, 0xC3}, 0x12345678},
        {{0x8D, 0x05, 0x78, 0x56, 0x34, 0x12, 0xC3}, 0x12345678},
        {{0x55, 0x8B, 0xEC, 0xB8, 0x78, 0x56, 0x34, 0x12, 0x5D, 0xC3}, 0x12345678},
        {{0x55, 0x89, 0xE5, 0xB8, 0x78, 0x56, 0x34, 0x12, 0x5D, 0xC3}, 0x12345678},
        {{0xB8, 0x78, 0x56, 0x34, 0x12, 0xC3, 0xCC, 0xCC}, 0x12345678},
        {{0xB8, 0x78, 0x56, 0x34, 0x12}, std::nullopt},           // cut short
        {{0xB8, 0x78, 0x56, 0x34, 0x12, 0x90, 0xC3}, std::nullopt}, // anything else
        {{0x33, 0xC0, 0xC3}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReturnedAddress(c.code), c.address);
}

TEST(DecodeActorInfo, ReadsEveryField)
{
    TActorInfo info = testlib::Record({testlib::Animation(std::string(60, 'n'), 513, {0, 33, 79}, ReturnKind::ReturnAnimation, 7)},
                                      300, 200);
    info.palette.entryCount = 16;
    info.transparentIndex = 250;
    const auto decoded = DecodeActorInfo(builder::EncodeActorInfo(info));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->frameWidth, 300);
    EXPECT_EQ(decoded->frameHeight, 200);
    EXPECT_EQ(decoded->palette.version, 0x300);
    EXPECT_EQ(decoded->palette.entryCount, 16);
    EXPECT_EQ(decoded->palette.entries[9].green, 246);
    EXPECT_EQ(decoded->transparentIndex, 250);
    const TAnimationInfo& a = decoded->animations.at(0);
    EXPECT_EQ(a.name, std::string(50, 'n')); // names hold at most 50 characters
    EXPECT_EQ(a.resourceId, 513);
    EXPECT_TRUE(a.HasState(0));
    EXPECT_TRUE(a.HasState(33));
    EXPECT_TRUE(a.HasState(79));
    EXPECT_FALSE(a.HasState(34));
    EXPECT_EQ(a.returnKind, ReturnKind::ReturnAnimation);
    EXPECT_EQ(a.returnAnimation, 7);
}

TEST(DecodeActorInfo, RefusesRecordsThatEndEarly)
{
    Bytes bytes = builder::EncodeActorInfo(testlib::Record({testlib::Animation("a", 1, {}), testlib::Animation("b", 2, {})}));
    EXPECT_TRUE(DecodeActorInfo(bytes));
    bytes.pop_back();
    EXPECT_FALSE(DecodeActorInfo(bytes));
    bytes.resize(kActorInfoHeaderSize - 1);
    EXPECT_FALSE(DecodeActorInfo(bytes));
}

} // namespace
} // namespace vm
