// Loading and fitting a 24-megapixel camera JPEG for a 1920 x 1080 screen:
// our scaled decode against a full-size decode followed by the nearest-pixel
// fit, in the same run. `--memory` reports the peak memory of each instead,
// each measured in a child process of its own.
#include "raster/StretchCopy.h"
#include "show/JpegDecoder.h"
#include "transitions/ComposeFrame.h"

#include <benchmark/benchmark.h>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const vm::PictureSize kScreen{1920, 1080};

// A 6000 x 4000 picture with the detail of a photo: gradients, edges and noise.
std::string MakeCameraJpeg()
{
    const std::string path = "/tmp/vistamoor-bench-24mp.jpg";
    if (FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        return path;
    }
    const int w = 6000, h = 4000;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    FILE* out = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::mt19937 rng(42);
    std::vector<JSAMPLE> row(size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int noise = int(rng() % 24);
            const bool edge = ((x / 300) + (y / 200)) % 2 == 0;
            row[size_t(x) * 3 + 0] = JSAMPLE((x * 255 / w + noise + (edge ? 40 : 0)) & 0xFF);
            row[size_t(x) * 3 + 1] = JSAMPLE((y * 255 / h + noise) & 0xFF);
            row[size_t(x) * 3 + 2] = JSAMPLE(((x + y) * 128 / (w + h) + noise * 2) & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::fclose(out);
    jpeg_destroy_compress(&cinfo);
    return path;
}

// The baseline: decode every pixel into a 32-bit bitmap, then fit it.
vm::Bitmap FullDecodeThenFit(const std::string& path)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    FILE* in = std::fopen(path.c_str(), "rb");
    jpeg_stdio_src(&cinfo, in);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    vm::Bitmap full(int(cinfo.output_width), int(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(full.Row(int(cinfo.output_scanline)))};
        jpeg_read_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(in);
    const vm::PictureSize fitted = vm::FittedSize({full.Width(), full.Height()}, kScreen);
    vm::Bitmap target(fitted.width, fitted.height);
    vm::StretchBlt(target, 0, 0, fitted.width, fitted.height, full, 0, 0, full.Width(), full.Height());
    return target;
}

void BM_ScaledDecodeAndFit(benchmark::State& state)
{
    const std::string path = MakeCameraJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(vm::LoadJpegFitted(path, kScreen));
}
BENCHMARK(BM_ScaledDecodeAndFit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Baseline_FullDecodeThenFit(benchmark::State& state)
{
    const std::string path = MakeCameraJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(FullDecodeThenFit(path));
}
BENCHMARK(BM_Baseline_FullDecodeThenFit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the show does between its timer event and the first frame on screen:
// load and fit the photo, then compose the transition's first frame (a style
// drawn per iteration, Step 1) over the photo before it.
void BM_TimerToFirstFrame(benchmark::State& state)
{
    const std::string path = MakeCameraJpeg();
    vm::Bitmap previous = vm::LoadJpegFitted(path, kScreen);
    vm::Bitmap display;
    int style = 1;
    for (auto _ : state) {
        const vm::Bitmap photo = vm::LoadJpegFitted(path, kScreen);
        vm::ComposeFrame(display, previous, photo, style, 1, 1);
        style = style % 150 + 1;
        benchmark::DoNotOptimize(display.Data());
    }
}
BENCHMARK(BM_TimerToFirstFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Peak resident memory of one decode in a fresh child process, in MiB.
template <typename Decode>
double PeakMiB(Decode decode)
{
    const pid_t child = fork();
    if (child == 0) {
        decode();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
        const std::string path = MakeCameraJpeg();
        const double idle = PeakMiB([] {});
        const double ours = PeakMiB([&] { vm::LoadJpegFitted(path, kScreen); });
        const double baseline = PeakMiB([&] { FullDecodeThenFit(path); });
        std::printf("peak memory (MiB, process without decode %.1f): scaled decode %.1f, full decode then fit %.1f,"
                    " ratio of the decodes' own memory %.2f\n",
                    idle, ours, baseline, (ours - idle) / (baseline - idle));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
