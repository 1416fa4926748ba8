// Styles 127, 136-141 and 145-148: regions of many equal rectangles. Random squares
// on a grid that switch on and stay on; slats opening across regular or widening
// strips like a blind; growing bands combined with widening slats.
//
// Pitches that come out 0 on tiny or elongated pictures (W div S, H div S, X, Y) are
// taken as 1, so no strip list stands still; the slats are then (p div 100 =) 0 wide
// and the frame shows nothing new, as it would with the pitch 0.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "util/Random.h"

#include <algorithm>
#include <vector>

namespace vm {
namespace {

int Pitch(int n) { return std::max(n, 1); }

// From r, moving by (dx, dy) while keep holds for the moved rectangle, the first included.
template <typename Keep>
void StripList(std::vector<Rect>& out, Rect r, int dx, int dy, Keep keep)
{
    while (keep(r)) {
        out.push_back(r);
        r = r.Translated(dx, dy);
    }
}

const auto LeftInside = [](int W) { return [W](const Rect& r) { return r.Left < W; }; };
const auto TopInside = [](int H) { return [H](const Rect& r) { return r.Top < H; }; };
const auto RightNotNegative = [](const Rect& r) { return r.Right >= 0; };
const auto BottomNotNegative = [](const Rect& r) { return r.Bottom >= 0; };

// The uneven blinds: the pitch is the growing extent itself.
void SlatsFromLeft(const EffectFrame& f, std::vector<Rect>& out)
{
    StripList(out, {0, 0, f.X * f.progress / 100, f.H}, Pitch(f.X), 0, LeftInside(f.W));
}
void SlatsFromRight(const EffectFrame& f, std::vector<Rect>& out)
{
    StripList(out, {f.W - f.X * f.progress / 100, 0, f.W, f.H}, -Pitch(f.X), 0, RightNotNegative);
}
void SlatsFromTop(const EffectFrame& f, std::vector<Rect>& out)
{
    StripList(out, {0, 0, f.W, f.Y * f.progress / 100}, 0, Pitch(f.Y), TopInside(f.H));
}
void SlatsFromBottom(const EffectFrame& f, std::vector<Rect>& out)
{
    StripList(out, {0, f.H - f.Y * f.progress / 100, f.W, f.H}, 0, -Pitch(f.Y), BottomNotNegative);
}

// Bands growing from the middle line of each pitch n := side div S.
void HorizontalBands(const EffectFrame& f, std::vector<Rect>& out)
{
    const int n = Pitch(f.H / f.S), d = n * f.progress / 200;
    StripList(out, {0, n / 2 - d, f.W, n / 2 + d}, 0, n, TopInside(f.H));
}
void VerticalBands(const EffectFrame& f, std::vector<Rect>& out)
{
    const int n = Pitch(f.W / f.S), d = n * f.progress / 200;
    StripList(out, {n / 2 - d, 0, n / 2 + d, f.H}, n, 0, LeftInside(f.W));
}

using StripLists = void (*)(const EffectFrame&, std::vector<Rect>&);

template <StripLists... Lists>
void RevealStrips(EffectFrame& f)
{
    std::vector<Rect> strips;
    (Lists(f, strips), ...);
    f.RevealThrough(Region::UnionOf(strips, f.Full()));
}

// Style 127: the generator restarts from W x H every frame, so every grid point
// draws the same number in every frame and a square once shown stays shown.
void RandomSquares(EffectFrame& f)
{
    Random::Seed(uint32_t(f.W) * uint32_t(f.H));
    const int s = f.S > 1 ? f.S / 2 : f.S;
    std::vector<Rect> squares;
    for (int x = 0; x < f.W; x += s)
        for (int y = 0; y < f.H; y += s) {
            const int r = Random::Next(100);
            if (f.progress > r)
                squares.push_back({x - s, y - s, x + s, y + s});
        }
    f.RevealThrough(Region::UnionOf(squares, f.Full()));
}

void BlindVertically(EffectFrame& f)
{
    const int n = Pitch(f.W / f.S);
    std::vector<Rect> slats;
    StripList(slats, {0, 0, n * f.progress / 100, f.H}, n, 0, LeftInside(f.W));
    f.RevealThrough(Region::UnionOf(slats, f.Full()));
}

void BlindHorizontally(EffectFrame& f)
{
    const int n = Pitch(f.H / f.S);
    std::vector<Rect> slats;
    StripList(slats, {0, 0, f.W, n * f.progress / 100}, 0, n, TopInside(f.H));
    f.RevealThrough(Region::UnionOf(slats, f.Full()));
}

constexpr NumberedDraw kSquaresAndBlinds[] = {
    {127, RandomSquares},
    {136, BlindVertically},
    {137, BlindHorizontally},
    {138, RevealStrips<SlatsFromLeft>},
    {139, RevealStrips<SlatsFromRight>},
    {140, RevealStrips<SlatsFromTop>},
    {141, RevealStrips<SlatsFromBottom>},
    // The bands first, then the slats, into one region.
    {145, RevealStrips<HorizontalBands, SlatsFromLeft>},
    {146, RevealStrips<HorizontalBands, SlatsFromRight>},
    {147, RevealStrips<VerticalBands, SlatsFromTop>},
    {148, RevealStrips<VerticalBands, SlatsFromBottom>},
};

constinit const auto kSquareAndBlindEffects =
    NumberedProcsOf<kSquaresAndBlinds>(std::make_index_sequence<std::size(kSquaresAndBlinds)>{});

} // namespace

std::span<const NumberedEffect> SquareAndBlindEffects() { return kSquareAndBlindEffects; }

} // namespace vm
