#include "metadata/qvJpegInfo.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vm {

namespace {

struct TagName {
    uint16_t tag;
    const char* name;
};

// Sorted by tag. The quoted odd names are the ones our captions have always used.
constexpr TagName kMainTags[] = {
    {0x0100, "ImageWidth"},
    {0x0101, "ImageLength"},
    {0x0102, "BitsPerSample"},
    {0x0103, "Compression"},
    {0x0106, "PhotometricInterpretation"},
    {0x010E, "ImageDescription"},
    {0x010F, "Make"},
    {0x0110, "Model"},
    {0x0111, "StripOffsets"},
    {0x0112, "Orientation"},
    {0x0115, "SamplesPerPixel"},
    {0x0116, "RowsPerStrip"},
    {0x0117, "StripByteCounts"},
    {0x011A, "XResolution"},
    {0x011B, "YResolution"},
    {0x011C, "PlanarConfiguration"},
    {0x0128, "ResolutionUnit"},
    {0x012D, "TransferFunction"},
    {0x0131, "Software"},
    {0x0132, "DateTime"},
    {0x013B, "Artist"},
    {0x013E, "WhitePoint"},
    {0x013F, "PrimaryChromaticities"},
    {0x0201, "JPEGInterchangeFormat"},
    {0x0202, "JPEGInterchangeFormatLength"},
    {0x0211, "YCbCrCoefficients"},
    {0x0212, "YCbCrSubSampling"},
    {0x0213, "YCbCrPositioning"},
    {0x0214, "ReferenceBlackWhite"},
    {0x8298, "Copyright"},
    {0x829A, "ExposureTime"},
    {0x829D, "FNumber"},
    {0x8769, "Exif IFD"},
    {0x8822, "ExposureProgram"},
    {0x8824, "SpectralSensitivity"},
    {0x8825, "GPS Info Pointer"},
    {0x8827, "ISOSpeedRatings"},
    {0x8828, "OECF"},
    {0x9000, "ExifVersion"},
    {0x9003, "DateTimeOriginal"},
    {0x9004, "DateTimeDigitized"},
    {0x9101, "ComponentsConfiguration"},
    {0x9102, "CompressedBitsPerPixel"},
    {0x9201, "ShutterSpeedValue"},
    {0x9202, "ApertureValue"},
    {0x9203, "BrightnessValue"},
    {0x9204, "ExposureBiasValue"},
    {0x9205, "MaxApertureValue"},
    {0x9206, "SubjectDistance"},
    {0x9207, "MeteringMode"},
    {0x9208, "LightSource"},
    {0x9209, "Flash"},
    {0x920A, "FocalLength"},
    {0x927C, "MakerNote"},
    {0x9286, "UserComment"},
    {0x9290, "SubSecTime"},
    {0x9291, "SubSecTimeOriginal"},
    {0x9292, "SubSecTimeDigitized"},
    {0xA000, "FlashPixVersion"},
    {0xA001, "ColorSpace"},
    {0xA002, "PixelXDimension"},
    {0xA003, "PixelYDimension"},
    {0xA005, "Interoperability IFD Pointer"},
    {0xA20B, "FlashEnergy"},
    {0xA20C, "SpatialFrequencyResponse"},
    {0xA20E, "FocalPlaneXResolution"},
    {0xA20F, "FocalPlaneYResolution"},
    {0xA210, "FicalPlaneResolutionUnit"},
    {0xA214, "SubjectLocation"},
    {0xA215, "ExposureIndex"},
    {0xA217, "SensingMethod"},
    {0xA300, "FileSource"},
    {0xA301, "SceneType"},
    {0xA302, "CFAPattern"},
};

constexpr TagName kGpsTags[] = {
    {0x0000, "GPSVersionID"},
    {0x0001, "GPSLatitudeRef"},
    {0x0002, "GPSLatitude"},
    {0x0003, "GPSLongitudeRef"},
    {0x0004, "GPSLongitude"},
    {0x0005, "GPSAltitudeRef"},
    {0x0006, "GPSAltitude"},
    {0x0007, "GPSTimeStamp"},
    {0x0008, "GPSSatellites"},
    {0x0009, "GPSStatus"},
    {0x000A, "GPSMeasureMode"},
    {0x000B, "GPSDOP"},
    {0x000C, "GPSSpeedRef"},
    {0x000D, "GPSSpeed"},
    {0x000E, "GPSTrackRef"},
    {0x000F, "GPSTrack"},
    {0x0010, "GPSImgDirectionRef"},
    {0x0011, "GPSImgDirection"},
    {0x0012, "GPSMapDatum"},
    {0x0013, "GPSDestLatitudeRef"},
    {0x0014, "GPSDestLatitude"},
    {0x0015, "GPSDestLongitudeRef"},
    {0x0016, "GPSDestLongitude"},
    {0x0017, "GPSDestBearingRef"},
    {0x0018, "GPSDestBearing"},
    {0x0019, "GPSDestDistanceRef"},
    {0x001A, "GPSDestDistance"},
};

constexpr TagName kInteropTags[] = {
    {0x0001, "InteroperabilityIndex"},
    {0x0002, "InteroperabilityVersion"},
    {0x1000, "RelatedImageFileFormat"},
    {0x1001, "RelatedImageWidth"},
    {0x1002, "RelatedImageLength"},
};

template <size_t N>
const char* Find(const TagName (&table)[N], uint16_t tag)
{
    const auto it = std::lower_bound(std::begin(table), std::end(table), tag,
                                     [](const TagName& t, uint16_t wanted) { return t.tag < wanted; });
    return it != std::end(table) && it->tag == tag ? it->name : nullptr;
}

} // namespace

std::string GetExifTagName(uint8_t kind, uint16_t tag)
{
    const char* name = nullptr;
    if (kind == kIfd0 || kind == kExifIfd)
        name = Find(kMainTags, tag);
    else if (kind == kGpsIfd)
        name = Find(kGpsTags, tag);
    else if (kind == kInteropIfd)
        name = Find(kInteropTags, tag);
    if (name)
        return name;
    char text[9];
    std::snprintf(text, sizeof text, "Tag %04X", unsigned(tag));
    return text;
}

} // namespace vm
