#include "show/JpegDecoder.h"

#include "util/Error.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace vm {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    cinfo->err->format_message(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr, int) {} // warnings (a truncated file) are not errors

// Adobe CMYK JPEGs store inverted ink values.
Pixel FromInvertedCmyk(const JSAMPLE* p)
{
    const int k = p[3];
    const int r = p[0] * k / 255, g = p[1] * k / 255, b = p[2] * k / 255;
    return Pixel(r << 16 | g << 8 | b);
}

using Source = void (*)(j_decompress_ptr, const void*);

// The decode, with its error jumps kept inside one function without C++ objects
// that need destructors between setjmp and longjmp.
bool Decode(j_decompress_ptr cinfo, ErrorManager& errors, void (*attach)(j_decompress_ptr, void*), void* source,
            PictureSize screen, Bitmap& out, std::vector<JSAMPLE>& row, std::vector<int>& columns)
{
    if (setjmp(errors.jump))
        return false;
    attach(cinfo, source); // an empty input is already an error
    jpeg_read_header(cinfo, TRUE);
    const PictureSize picture{int(cinfo->image_width), int(cinfo->image_height)};
    const PictureSize fitted = FittedSize(picture, screen);
    cinfo->scale_num = unsigned(JpegScaleFor(picture, fitted));
    cinfo->scale_denom = 8;
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(cinfo);

    const int decodedWidth = int(cinfo->output_width), decodedHeight = int(cinfo->output_height);
    out = Bitmap(fitted.width, fitted.height);
    row.resize(size_t(decodedWidth) * 4);
    columns.resize(size_t(fitted.width));
    for (int x = 0; x < fitted.width; ++x)
        columns[size_t(x)] = NearestSource(x, fitted.width, decodedWidth);

    int y = 0; // next output row
    while (int(cinfo->output_scanline) < decodedHeight) {
        const int source = int(cinfo->output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(cinfo, rows, 1);
        while (y < fitted.height && NearestSource(y, fitted.height, decodedHeight) == source) {
            Pixel* target = out.Row(y);
            for (int x = 0; x < fitted.width; ++x) {
                const JSAMPLE* p = row.data() + size_t(columns[size_t(x)]) * 4;
                target[x] = cmyk ? FromInvertedCmyk(p) : Pixel(p[2] << 16 | p[1] << 8 | p[0]);
            }
            ++y;
        }
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

Bitmap DecodeWith(void (*attach)(j_decompress_ptr, void*), void* source, PictureSize screen, const std::string& name)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    jpeg_create_decompress(&cinfo);
    // Bounds what a hostile header can make the library reserve (a progressive
    // picture keeps all its coefficients): beyond it the decode fails cleanly.
    cinfo.mem->max_memory_to_use = 512L << 20;
    Bitmap out;
    std::vector<JSAMPLE> row;
    std::vector<int> columns;
    const bool ok = Decode(&cinfo, errors, attach, source, screen, out, row, columns);
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        throw Error("Cannot read the photo \"" + name + "\": " + errors.message);
    return out;
}

struct MemorySource {
    const uint8_t* data;
    size_t size;
};

std::unique_ptr<FILE, int (*)(FILE*)> OpenFile(const std::string& path)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        throw Error("Cannot open the photo \"" + path + "\"");
    return file;
}

} // namespace

int JpegScaleFor(PictureSize picture, PictureSize fitted)
{
    for (int n = 1; n < 8; ++n) {
        // libjpeg rounds scaled sizes up.
        const int64_t w = (int64_t(picture.width) * n + 7) / 8;
        const int64_t h = (int64_t(picture.height) * n + 7) / 8;
        if (w >= fitted.width && h >= fitted.height)
            return n;
    }
    return 8;
}

Bitmap LoadJpegFitted(const std::string& path, PictureSize screen)
{
    auto file = OpenFile(path);
    return DecodeWith([](j_decompress_ptr c, void* f) { jpeg_stdio_src(c, static_cast<FILE*>(f)); }, file.get(), screen,
                      path);
}

Bitmap DecodeJpegFitted(const uint8_t* data, size_t size, PictureSize screen, const std::string& name)
{
    MemorySource source{data, size};
    return DecodeWith(
        [](j_decompress_ptr c, void* s) {
            auto* m = static_cast<MemorySource*>(s);
            jpeg_mem_src(c, m->data, static_cast<unsigned long>(m->size));
        },
        &source, screen, name);
}

PictureSize JpegSize(const std::string& path)
{
    auto file = OpenFile(path);
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    jpeg_create_decompress(&cinfo);
    PictureSize size;
    bool ok = false;
    if (!setjmp(errors.jump)) {
        jpeg_stdio_src(&cinfo, file.get());
        jpeg_read_header(&cinfo, TRUE);
        size = {int(cinfo.image_width), int(cinfo.image_height)};
        ok = true;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        throw Error("Cannot read the photo \"" + path + "\": " + errors.message);
    return size;
}

} // namespace vm
