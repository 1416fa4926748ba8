#include "transitions/FadeBlend.h"

#include "raster/FastPaths.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VM_X86 1
#endif

namespace vm {
namespace {

void FadeRowPlain(Pixel* display, const Pixel* picture, int n, int p)
{
    for (int k = 0; k < n; ++k) {
        const Pixel d = display[k], s = picture[k];
        Pixel mixed = d & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t old = (d >> shift) & 0xFF, now = (s >> shift) & 0xFF;
            mixed |= (((100 - p) * old + p * now) / 100) << shift;
        }
        display[k] = mixed;
    }
}

#if defined(VM_X86)
// In 16-bit lanes: t = (100 - p) d + p s <= 25500, and t div 100 = (t * 5243) >> 19
// exactly for every such t (taken as the high half of the product, shifted by 3).
// The fourth byte's lanes weigh 100 and 0, which gives back the display's byte.
inline __m128i FadeLanes(__m128i d, __m128i s, __m128i oldWeight, __m128i newWeight)
{
    const __m128i t = _mm_add_epi16(_mm_mullo_epi16(d, oldWeight), _mm_mullo_epi16(s, newWeight));
    return _mm_srli_epi16(_mm_mulhi_epu16(t, _mm_set1_epi16(5243)), 3);
}

inline __m128i FadeFour(__m128i d, __m128i s, __m128i oldWeight, __m128i newWeight)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = FadeLanes(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), oldWeight, newWeight);
    const __m128i high = FadeLanes(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), oldWeight, newWeight);
    return _mm_packus_epi16(low, high);
}

void FadeRowVector(Pixel* display, const Pixel* picture, int n, int p)
{
    const short o = short(100 - p), w = short(p);
    const __m128i oldWeight = _mm_setr_epi16(o, o, o, 100, o, o, o, 100);
    const __m128i newWeight = _mm_setr_epi16(w, w, w, 0, w, w, w, 0);
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        auto* to = reinterpret_cast<__m128i*>(display + k);
        const auto* from = reinterpret_cast<const __m128i*>(picture + k);
        const __m128i d0 = _mm_loadu_si128(to), d1 = _mm_loadu_si128(to + 1);
        const __m128i s0 = _mm_loadu_si128(from), s1 = _mm_loadu_si128(from + 1);
        _mm_storeu_si128(to, FadeFour(d0, s0, oldWeight, newWeight));
        _mm_storeu_si128(to + 1, FadeFour(d1, s1, oldWeight, newWeight));
    }
    FadeRowPlain(display + k, picture + k, n - k, p);
}

// The same arithmetic eight pixels at a time: bytes of display and picture
// interleaved and multiplied by their weights and summed pairwise in one step.
__attribute__((target("avx2"))) void FadeRowAvx2(Pixel* display, const Pixel* picture, int n, int p)
{
    const char o = char(100 - p), w = char(p);
    const __m256i weights = _mm256_setr_epi8(o, w, o, w, o, w, 100, 0, o, w, o, w, o, w, 100, 0, o, w, o, w, o, w,
                                             100, 0, o, w, o, w, o, w, 100, 0);
    const __m256i magic = _mm256_set1_epi16(5243);
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        auto* to = reinterpret_cast<__m256i*>(display + k);
        const __m256i d = _mm256_loadu_si256(to);
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(picture + k));
        const __m256i low = _mm256_maddubs_epi16(_mm256_unpacklo_epi8(d, s), weights);
        const __m256i high = _mm256_maddubs_epi16(_mm256_unpackhi_epi8(d, s), weights);
        const __m256i lowQ = _mm256_srli_epi16(_mm256_mulhi_epu16(low, magic), 3);
        const __m256i highQ = _mm256_srli_epi16(_mm256_mulhi_epu16(high, magic), 3);
        _mm256_storeu_si256(to, _mm256_packus_epi16(lowQ, highQ));
    }
    FadeRowPlain(display + k, picture + k, n - k, p);
}
#endif

} // namespace

bool FadeKernelAvailable(FadeKernel kernel)
{
    switch (kernel) {
    case FadeKernel::Plain: return true;
#if defined(VM_X86)
    case FadeKernel::Sse2: return true;
    case FadeKernel::Avx2: return __builtin_cpu_supports("avx2");
#endif
    default: return false;
    }
}

void FadeBlendWith(FadeKernel kernel, Bitmap& Display, const Bitmap& Picture, int p)
{
    p = std::clamp(p, 0, 100);
    const int w = std::min(Display.Width(), Picture.Width()), h = std::min(Display.Height(), Picture.Height());
    auto row = FadeRowPlain;
#if defined(VM_X86)
    if (kernel == FadeKernel::Sse2)
        row = FadeRowVector;
    else if (kernel == FadeKernel::Avx2 && FadeKernelAvailable(kernel))
        row = FadeRowAvx2;
#endif
    for (int y = 0; y < h; ++y)
        row(Display.Row(y), Picture.Row(y), w, p);
}

void FadeBlend(Bitmap& Display, const Bitmap& Picture, int p)
{
    static const FadeKernel fastest = FadeKernelAvailable(FadeKernel::Avx2)   ? FadeKernel::Avx2
                                      : FadeKernelAvailable(FadeKernel::Sse2) ? FadeKernel::Sse2
                                                                              : FadeKernel::Plain;
    FadeBlendWith(FastPathsEnabled() ? fastest : FadeKernel::Plain, Display, Picture, p);
}

} // namespace vm
