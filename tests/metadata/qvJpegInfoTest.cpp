#include "metadata/qvJpegInfo.h"

#include "ExifFixture.h"
#include "util/Error.h"

#include <gtest/gtest.h>

using namespace vm;
using namespace vm::test;

namespace {

struct Result {
    bool ok;
    TagLines lines;
};

Result Read(const Bytes& file)
{
    Result r;
    r.ok = ReadExifInfo(std::span<const uint8_t>(file), r.lines);
    return r;
}

// IFD0 holding only the given entries, optionally with more directories.
Bytes JpegOf(bool big, std::vector<Ifd> ifds)
{
    return JpegWithExif(BuildTiff(big, ifds));
}

} // namespace

class CameraPhoto : public testing::TestWithParam<bool> {};

TEST_P(CameraPhoto, ListsEveryTagInWalkOrderWithValuesByType)
{
    const Result r = Read(JpegWithExif(CameraTiff(GetParam())));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines, CameraLines());
}

TEST_P(CameraPhoto, ReadsTheSameFromAFile)
{
    const std::string path = WriteTempFile("camera.jpg", JpegWithExif(CameraTiff(GetParam())));
    TagLines lines{"Kept=1"};
    EXPECT_TRUE(ReadExifInfo(path, lines));
    ASSERT_EQ(lines.size(), CameraLines().size() + 1);
    EXPECT_EQ(lines[0], "Kept=1") << "the reader only appends";
    EXPECT_EQ(lines[1], "Make=FUJIFILM");
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, CameraPhoto, testing::Bool(),
                         [](const auto& info) { return info.param ? "Motorola" : "Intel"; });

struct ValueCase {
    const char* what;
    Entry entry;
    const char* line;
};

class ValueText : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueText, PrintsTheValueByItsType)
{
    const ValueCase& c = GetParam();
    const Result r = Read(JpegOf(false, {Ifd{{c.entry}}}));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines, TagLines{c.line});
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueText, testing::Values(
    ValueCase{"ascii_count4_inline", {0x010F, 2, 4, 0, {}, -1, {'A', 'B', 'C', 0}}, "Make=ABC"},
    ValueCase{"ascii_spaces_stay", {0x010F, 2, 3, 0, {}, -1, {' ', ' ', 0}}, "Make=  "},
    ValueCase{"ascii_controls_removed", {0x010F, 2, 9, 0, Bytes{'a', '\t', 'b', '\r', '\n', 'c', 0xE9, 0, 0}}, "Make=abc\xE9"},
    ValueCase{"ascii_count0", {0x010F, 2, 0, 0x41414141}, "Make="},
    ValueCase{"short_count2_inline", {0x0212, 3, 2, 0, {}, -1, Shorts(false, {2, 1})}, "YCbCrSubSampling=2,1"},
    ValueCase{"short_count3_out_of_line", {0x0102, 3, 3, 0, Shorts(false, {8, 8, 8})}, "BitsPerSample=8,8,8"},
    ValueCase{"long_count0_prints_value_field", {0x0201, 4, 0, 123456}, "JPEGInterchangeFormat=123456"},
    ValueCase{"long_count1", {0x0201, 4, 1, 4294967295u}, "JPEGInterchangeFormat=4294967295"},
    ValueCase{"long_count2", {0x0111, 4, 2, 0, Longs(false, {10, 20})}, "StripOffsets=10,20"},
    ValueCase{"byte_count4_inline", {0x0000, 1, 4, 0, {}, -1, {255, 0, 7, 1}}, "Tag 0000=255,0,7,1"},
    ValueCase{"byte_count5_out_of_line", {0x0000, 1, 5, 0, Bytes{1, 2, 3, 4, 5}}, "Tag 0000=1,2,3,4,5"},
    ValueCase{"undefined_hex_one_space", {0x9000, 7, 4, 0, {}, -1, {'0', '2', 0xAB, 0x0C}}, "ExifVersion=30 32 AB 0C"},
    ValueCase{"undefined_out_of_line", {0x927C, 7, 5, 0, Bytes{0, 1, 2, 0xFE, 0xFF}}, "MakerNote=00 01 02 FE FF"},
    ValueCase{"rational_unreduced", {0x829D, 5, 2, 0, Longs(false, {28, 10, 4294967295u, 2})}, "FNumber=28/10,4294967295/2"},
    ValueCase{"slong_inline_negative", {0x9999, 9, 1, uint32_t(-5)}, "Tag 9999=-5"},
    ValueCase{"slong_count2", {0x9999, 9, 2, 0, Longs(false, {uint32_t(-1), 7})}, "Tag 9999=-1,7"},
    ValueCase{"srational_signed", {0x9204, 10, 1, 0, Longs(false, {uint32_t(-1), 3})}, "ExposureBiasValue=-1/3"},
    ValueCase{"huge_count_reads_nothing", {0x0102, 3, 0x80000000u, 0}, "BitsPerSample="}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ExifReader, ShortCount3IsReadFromTheOffsetNotTheValueField)
{
    // Value field would read 0,0 inline; the offset holds 5,6,7.
    const Result r = Read(JpegOf(true, {Ifd{{{0x0102, 3, 3, 0, Shorts(true, {5, 6, 7})}}}}));
    EXPECT_EQ(r.lines, TagLines{"BitsPerSample=5,6,7"});
}

TEST(ExifReader, ATypeOutsideTheTableEndsTheDirectoryAtOnce)
{
    for (uint16_t type : {0, 6, 8, 11, 12, 13, 200}) {
        const Result r = Read(JpegOf(false, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}},
                                                  {0x0110, type, 1, 0},
                                                  {0x0112, 3, 1, 0, {}, -1, Shorts(false, {1})}},
                                                 1},
                                             Ifd{{{0x0103, 3, 1, 6}}}}));
        EXPECT_FALSE(r.ok) << type;
        EXPECT_EQ(r.lines, TagLines{"Make=A"}) << type;
    }
}

TEST(ExifReader, AnExifPointerOfTypeIfdMakesIfd0Fail)
{
    const Result r = Read(JpegOf(false, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}, {0x8769, 13, 1, 0, {}, 1}}},
                                         Ifd{{{0x829A, 5, 1, 0, Longs(false, {1, 60})}}}}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines, TagLines{"Make=A"});
}

TEST(ExifReader, AChainedOffsetAbove65535FailsTheWholeChainButKeepsTheLines)
{
    // IFD0 -> IFD1 whose next offset is too large; then IFD0's own next too large.
    Ifd ifd0{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}, {0x8769, 4, 1, 0, {}, 2}}, 1};
    Ifd ifd1{{{0x0103, 3, 1, 0, {}, -1, Shorts(false, {6})}}};
    ifd1.rawNext = 65536;
    const Ifd exif{{{0x829A, 5, 1, 0, Longs(false, {1, 60})}}};
    Result r = Read(JpegOf(false, {ifd0, ifd1, exif}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"Make=A", "ExposureTime=1/60", "Compression=6"}));

    ifd0.next = -1;
    ifd0.rawNext = 0x10000;
    r = Read(JpegOf(false, {ifd0, ifd1, exif}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"Make=A", "ExposureTime=1/60"}));

    ifd0.rawNext = 65535; // the largest allowed: read, and fails there as it runs out of file
    r = Read(JpegOf(false, {ifd0, ifd1, exif}));
    EXPECT_FALSE(r.ok);
}

struct BrokenSubCase {
    const char* what;
    Entry pointer;
    const char* errorLine;
};

class BrokenSubDirectory : public testing::TestWithParam<BrokenSubCase> {};

TEST_P(BrokenSubDirectory, CostsOneErrorLineAndTheParentGoesOn)
{
    const BrokenSubCase& c = GetParam();
    const Result r = Read(JpegOf(false, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}, c.pointer,
                                              {0x0110, 2, 2, 0, {}, -1, {'B', 0}}}}}));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"Make=A", c.errorLine, "Model=B"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenSubDirectory, testing::Values(
    BrokenSubCase{"exif_beyond_segment", {0x8769, 4, 1, 65536}, "Exif IFD=[ ERROR ]"},
    BrokenSubCase{"gps_past_end_of_file", {0x8825, 4, 1, 60000}, "GPS Info Pointer=[ ERROR ]"},
    BrokenSubCase{"interop_huge_offset", {0xA005, 4, 1, 0xFFFFFFF0u}, "Interoperability IFD Pointer=[ ERROR ]"},
    BrokenSubCase{"pointer_back_to_ifd0", {0x8769, 4, 1, 8}, "Exif IFD=[ ERROR ]"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ExifReader, ASubDirectoryFailingMidwayKeepsItsLinesBeforeTheErrorLine)
{
    const Result r = Read(JpegOf(false, {Ifd{{{0x8769, 4, 1, 0, {}, 1}}},
                                         Ifd{{{0x829A, 5, 1, 0, Longs(false, {1, 60})}, {0x829D, 99, 1, 0}}}}));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"ExposureTime=1/60", "Exif IFD=[ ERROR ]"}));
}

TEST(ExifReader, PointerTagsUseTheNameTableOfTheirParent)
{
    // A GPS directory holding tag 0x8769 names it from the GPS table.
    const Result r = Read(JpegOf(false, {Ifd{{{0x8825, 4, 1, 0, {}, 1}}}, Ifd{{{0x8769, 4, 1, 70000}}}}));
    EXPECT_EQ(r.lines, TagLines{"Tag 8769=[ ERROR ]"});
}

TEST(ExifReader, ADirectoryChainThatLoopsBackFails)
{
    Ifd ifd0{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}}, 1};
    Ifd ifd1{{{0x0103, 3, 1, 0, {}, -1, Shorts(false, {6})}}, 0};
    const Result r = Read(JpegOf(false, {ifd0, ifd1}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"Make=A", "Compression=6"}));
}

TEST(ExifReader, CountsRunningBeyondTheSegmentAreRefusedAsAFailedDirectory)
{
    for (uint16_t type : {1, 2, 3, 4, 5, 7, 9, 10}) {
        const Result r = Read(JpegOf(false, {Ifd{{{0x8769, 4, 1, 0, {}, 1}}},
                                             Ifd{{{0x829A, 5, 1, 0, Longs(false, {1, 60})},
                                                  {0x9286, type, 0x7FFFFFFF, 40}}}}));
        EXPECT_TRUE(r.ok) << type;
        EXPECT_EQ(r.lines, (TagLines{"ExposureTime=1/60", "Exif IFD=[ ERROR ]"})) << type;
    }
}

TEST(ExifReader, GetExifTagNameKeepsTheOddNamesAndNumbersTheRest)
{
    EXPECT_EQ(GetExifTagName(kIfd0, 0x8769), "Exif IFD");
    EXPECT_EQ(GetExifTagName(kExifIfd, 0x8825), "GPS Info Pointer");
    EXPECT_EQ(GetExifTagName(kExifIfd, 0xA005), "Interoperability IFD Pointer");
    EXPECT_EQ(GetExifTagName(kExifIfd, 0xA210), "FicalPlaneResolutionUnit");
    EXPECT_EQ(GetExifTagName(kGpsIfd, 0x001A), "GPSDestDistance");
    EXPECT_EQ(GetExifTagName(kGpsIfd, 0x001B), "Tag 001B");
    EXPECT_EQ(GetExifTagName(kIfd0, 0x0002), "Tag 0002");
    EXPECT_EQ(GetExifTagName(kInteropIfd, 0x1002), "RelatedImageLength");
    EXPECT_EQ(GetExifTagName(kInteropIfd, 0x010F), "Tag 010F");
    EXPECT_EQ(GetExifTagName(kIfd0, 0xA401), "Tag A401");
}

TEST(ExifReader, TheNameTablesHoldTheirFullSets)
{
    int named[4] = {};
    for (uint8_t kind = 0; kind < 4; ++kind)
        for (unsigned tag = 0; tag <= 0xFFFF; ++tag)
            named[kind] += GetExifTagName(kind, uint16_t(tag)).rfind("Tag ", 0) != 0;
    EXPECT_EQ(named[0], 74);
    EXPECT_EQ(named[1], 74);
    EXPECT_EQ(named[2], 27);
    EXPECT_EQ(named[3], 5);
}

TEST(ExifReader, StripControlCharsKeepsSpacesAndHighCharacters)
{
    EXPECT_EQ(StripControlChars(std::string("a\0b\x1F c\x7F\x80\xFF", 9)), "ab c\x7F\x80\xFF");
}

// Files that are not what the reader wants: False, the list untouched.
struct RefusedCase {
    const char* what;
    Bytes file;
};

class RefusedFile : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFile, GivesFalseAndLeavesTheListAlone)
{
    TagLines lines{"Before=1"};
    EXPECT_FALSE(ReadExifInfo(std::span<const uint8_t>(GetParam().file), lines));
    EXPECT_EQ(lines, TagLines{"Before=1"});
}

namespace {

Bytes WithTiffHeader(const char* order, uint16_t magicBigEndian)
{
    Bytes tiff{uint8_t(order[0]), uint8_t(order[1]), uint8_t(magicBigEndian >> 8), uint8_t(magicBigEndian), 0, 0, 0, 8,
               0, 0, 0, 0, 0, 0};
    return JpegWithExif(tiff);
}

Bytes Replace(Bytes b, size_t at, const Bytes& with)
{
    std::copy(with.begin(), with.end(), b.begin() + long(at));
    return b;
}

const Bytes kSmall = JpegOf(true, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}}}});

} // namespace

INSTANTIATE_TEST_SUITE_P(Cases, RefusedFile, testing::Values(
    RefusedCase{"empty", {}},
    RefusedCase{"not_a_jpeg", Replace(kSmall, 0, {0x89, 0x50})},
    RefusedCase{"marker_without_ff", Replace(kSmall, 2, {0x00})},
    RefusedCase{"end_of_image_first", Bytes{0xFF, 0xD8, 0xFF, 0xD9}},
    RefusedCase{"lower_case_exif", Replace(kSmall, 6, {'e'})},
    RefusedCase{"nonzero_word_after_exif", Replace(kSmall, 11, {1})},
    RefusedCase{"bad_byte_order", WithTiffHeader("MI", 42)},
    RefusedCase{"magic_not_42", WithTiffHeader("MM", 43)},
    RefusedCase{"xmp_before_exif",
                [] {
                    Bytes xmp = JpegWithExif(BuildTiff(true, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}}}}),
                                             {Segment(0xE1, Bytes{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0})});
                    return xmp;
                }()},
    RefusedCase{"scan_data_without_ff",
                Bytes{0xFF, 0xD8, 0xFF, 0xDB, 0, 4, 1, 2, 0xFF, 0xDA, 0, 4, 0, 0, 0x12, 0x34, 0xFF, 0xD9}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ExifReader, FillBytesBeforeAMarkerAreNotSkipped)
{
    // FF FF: the second FF is read as a marker with the length 00 04, so the
    // two bytes after the length are skipped and the APP1 behind them is found.
    const Bytes tiff = BuildTiff(true, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}}}});
    Bytes file = JpegWithExif(tiff);
    file.insert(file.begin() + 2, {0xFF, 0xFF, 0x00, 0x04, 0xAA, 0xBB});
    Result r = Read(file);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.lines, TagLines{"Make=A"});

    // One fill byte: FF is taken as the marker and "E1 00" as a length that
    // jumps past the end of this small file.
    file = JpegWithExif(tiff);
    file.insert(file.begin() + 2, 0xFF);
    EXPECT_THROW(Read(file), Error);
}

TEST(ExifReader, SegmentLengthsSkipModulo65536)
{
    // Length 1 skips 65535 bytes: the walk lands exactly on the APP1 after them.
    const Bytes tiff = BuildTiff(true, {Ifd{{{0x010F, 2, 2, 0, {}, -1, {'A', 0}}}}});
    Bytes pad{0xFF, 0xFE, 0x00, 0x01};
    pad.resize(4 + 65535, 0x00);
    const Result r = Read(JpegWithExif(tiff, {pad}));
    EXPECT_TRUE(r.ok);
}

struct TruncatedCase {
    const char* what;
    size_t keep;
};

class TruncatedBeforeIfd0 : public testing::TestWithParam<TruncatedCase> {};

TEST_P(TruncatedBeforeIfd0, RaisesOutOfBoundsToTheCaller)
{
    Bytes file = kSmall;
    file.resize(GetParam().keep);
    TagLines lines;
    try {
        ReadExifInfo(std::span<const uint8_t>(file), lines);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Out of bounds");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TruncatedBeforeIfd0, testing::Values(
    TruncatedCase{"one_byte", 1},
    TruncatedCase{"in_marker", 3},
    TruncatedCase{"in_app1_length", 5},
    TruncatedCase{"in_exif_id", 8},
    TruncatedCase{"in_tiff_header", 14},
    TruncatedCase{"in_ifd0_offset", 19}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ExifReader, AFileEndingInsideIfd0GivesFalseWithTheLinesBeforeTheCut)
{
    const Bytes file = JpegOf(false, {Ifd{{{0x0112, 3, 1, 0, {}, -1, Shorts(false, {1})},
                                          {0x0128, 3, 1, 0, {}, -1, Shorts(false, {2})},
                                          {0x0213, 3, 1, 0, {}, -1, Shorts(false, {1})}}}});
    const size_t tiffStart = 12;
    const Result r = Read(Bytes(file.begin(), file.begin() + long(tiffStart + 8 + 2 + 12 * 2 + 5)));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.lines, (TagLines{"Orientation=1", "ResolutionUnit=2"}));
}
