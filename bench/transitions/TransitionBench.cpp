// One frame composition as UpdateFrame does it (snapshot copy, then the effect) for
// every style 1-150 at progress 25, 50 and 75 with Step 4 and 10, beside three
// baselines from the same run: one memcpy of a frame, a plain per-pixel 50 % blend of
// two frames, and a plain nearest-pixel rotation of a frame at each pivot angle. All
// walk a pool of frames larger than the cache, so that every frame comes from memory,
// as it does in the program. Also: the threaded control's overhead.
//
// Each case reports the median of its repetitions; run with
//   --benchmark_report_aggregates_only=true [--benchmark_filter=...]
#include "transitions/ComposeFrame.h"
#include "transitions/CustomPicShow.h"
#include "raster/FastPaths.h"
#include "transitions/RotatePicture.h"

#include <numbers>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace vm;

constexpr size_t kPoolBytes = size_t(640) << 20; // beyond the last-level cache

struct Size {
    int w, h;
    std::string Name() const { return std::to_string(w) + "x" + std::to_string(h); }
};
constexpr Size kSizes[] = {{1920, 1080}, {3840, 2160}};

Bitmap Noise(int w, int h, uint32_t seed)
{
    Bitmap b(w, h);
    uint32_t s = seed;
    for (int y = 0; y < h; ++y) {
        Pixel* row = b.Row(y);
        for (int x = 0; x < w; ++x)
            row[x] = (s = s * 1664525u + 1013904223u) >> 8;
    }
    return b;
}

int PoolCount(const Size& size, int framesPerItem)
{
    const size_t frame = size_t(size.w) * size_t(size.h) * 4;
    return int(std::max<size_t>(2, kPoolBytes / (frame * size_t(framesPerItem))));
}

void Memcpy(benchmark::State& state, Size size)
{
    const int count = PoolCount(size, 2);
    std::vector<Bitmap> from, to;
    for (int i = 0; i < count; ++i)
        from.push_back(Noise(size.w, size.h, uint32_t(i))), to.push_back(Bitmap(size.w, size.h, 1));
    int i = 0;
    for (auto _ : state) {
        std::memcpy(to[size_t(i)].Data(), from[size_t(i)].Data(), from[size_t(i)].ByteCount());
        benchmark::ClobberMemory();
        i = (i + 1) % count;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(from[0].ByteCount()));
}

struct FrameSet {
    Bitmap display, snapshot, picture;
};

std::vector<FrameSet>& Pool(const Size& size)
{
    static std::vector<FrameSet> pool;
    static int w = 0, h = 0;
    if (w != size.w || h != size.h) {
        pool.clear();
        const int count = PoolCount(size, 3);
        for (int i = 0; i < count; ++i)
            pool.push_back({Bitmap(size.w, size.h), Noise(size.w, size.h, uint32_t(2 * i + 1)),
                            Noise(size.w, size.h, uint32_t(2 * i + 2))});
        w = size.w, h = size.h;
    }
    return pool;
}

void Compose(benchmark::State& state, Size size, int style, int progress, int step)
{
    auto& pool = Pool(size);
    size_t i = 0;
    for (auto _ : state) {
        FrameSet& f = pool[i];
        ComposeFrame(f.display, f.snapshot, f.picture, TShowStyle(style), step, progress);
        benchmark::ClobberMemory();
        i = (i + 1) % pool.size();
    }
}

// Every byte the mean of the two frames' bytes, one at a time.
void PlainBlend(benchmark::State& state, Size size)
{
    auto& pool = Pool(size);
    size_t i = 0;
    for (auto _ : state) {
        FrameSet& f = pool[i];
        f.display.Resize(size.w, size.h);
        auto* out = reinterpret_cast<uint8_t*>(f.display.Data());
        const auto* a = reinterpret_cast<const uint8_t*>(f.snapshot.Data());
        const auto* b = reinterpret_cast<const uint8_t*>(f.picture.Data());
        for (size_t k = 0, n = f.picture.ByteCount(); k < n; ++k)
            out[k] = uint8_t((a[k] + b[k]) / 2);
        benchmark::ClobberMemory();
        i = (i + 1) % pool.size();
    }
}

// The picture turned about (-1, -1) by style 119's angle at this progress, each
// destination pixel's source computed on its own, rows in order: the plain rotation.
void PlainRotation(benchmark::State& state, Size size, int progress)
{
    auto& pool = Pool(size);
    FastPathsScope plain(false);
    size_t i = 0;
    for (auto _ : state) {
        FrameSet& f = pool[i];
        f.display.Resize(size.w, size.h);
        RotatePicture(f.display, f.picture, -1, -1, (100 - progress) * std::numbers::pi / 200);
        benchmark::ClobberMemory();
        i = (i + 1) % pool.size();
    }
}

// A control in a pretend window whose paints compose the back buffer and go nowhere.
class BenchPicShow : public TCustomPicShow {
public:
    BenchPicShow(int w, int h)
    {
        SetThreaded(true);
        SetDelay(0);
        SetStep(1);
        SetAutoSize(false);
        HandleResize(w, h);
    }
    ~BenchPicShow() override { Destroy(); }
    void RunUntilIdle()
    {
        while (Running()) {
            std::function<void()> m;
            {
                std::unique_lock lock(lock_);
                ready_.wait_for(lock, std::chrono::milliseconds(5), [this] { return !queue_.empty(); });
                if (queue_.empty())
                    continue;
                m = std::move(queue_.front());
                queue_.pop_front();
            }
            m();
        }
    }

protected:
    void RepaintNow() override { HandlePaint(nullptr); }
    void RequestPaintOnGuiThread() override { Post([this] { HandlePaintRequest(); }); }
    void PostThreadDone(uint64_t g) override { Post([this, g] { HandleThreadDone(g); }); }

private:
    void Post(std::function<void()> m)
    {
        {
            std::lock_guard lock(lock_);
            queue_.push_back(std::move(m));
        }
        ready_.notify_one();
    }
    std::mutex lock_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> queue_;
};

// 100 frames (Step 1, Delay 0) through the worker, painted on this thread; the
// counter gives the sum of the same 100 compositions alone, for comparison.
void ThreadedRun(benchmark::State& state, Size size, int style)
{
    const Bitmap oldPicture = Noise(size.w, size.h, 7), newPicture = Noise(size.w, size.h, 8);
    Bitmap display;
    auto t0 = std::chrono::steady_clock::now();
    for (int p = 1; p <= 100; ++p)
        ComposeFrame(display, oldPicture, newPicture, TShowStyle(style), 1, p);
    const double composeSum = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    double paintsPerRun = 0;
    for (auto _ : state) {
        BenchPicShow show(size.w, size.h);
        show.SetPicture(oldPicture);
        show.SetStep(100);
        show.Start();
        show.RunUntilIdle();
        show.SetStep(1);
        show.SetStyle(style);
        show.SetPicture(newPicture);
        int frames = 0;
        show.OnProgress = [&](TCustomPicShow&) { ++frames; };
        const auto start = std::chrono::steady_clock::now();
        show.Start();
        show.RunUntilIdle();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        paintsPerRun = frames;
    }
    state.counters["frames"] = paintsPerRun;
    state.counters["compose_sum_ms"] = composeSum;
}

// Fixed counts rather than timed estimates, so that the 1800 cases run in minutes:
// each case is the median of kRepetitions means of a few frames.
constexpr int kRepetitions = 3;

int FramesPerRepetition(const Size& size) { return size.w > 2000 ? 5 : 12; }

void RegisterAll()
{
    for (const Size& size : kSizes) {
        const auto add = [&size](const std::string& name, auto&&... args) {
            return benchmark::RegisterBenchmark(name.c_str(), args...)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(FramesPerRepetition(size))
                ->Repetitions(kRepetitions);
        };
        add("Memcpy/" + size.Name(), Memcpy, size);
        add("PlainBlend50/" + size.Name(), PlainBlend, size);
        for (int progress : {25, 50, 75})
            add("PlainRotation/" + size.Name() + "/p:" + std::to_string(progress), PlainRotation, size, progress);
        for (int style = 1; style <= 150; ++style)
            for (int step : {4, 10})
                for (int progress : {25, 50, 75})
                    add("Compose/" + size.Name() + "/style:" + std::to_string(style) + "/step:" + std::to_string(step) +
                            "/p:" + std::to_string(progress),
                        Compose, size, style, progress, step);
        benchmark::RegisterBenchmark(("ThreadedRun100/" + size.Name() + "/style:52").c_str(), ThreadedRun, size, 52)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
