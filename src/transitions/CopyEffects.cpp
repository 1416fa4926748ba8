// Styles 1-57: the new picture expands, slides in, is revealed, unrolls or builds up,
// each frame made of a few stretched copies of rectangles (later copies draw over
// earlier ones). D <- S is f.Copy(D, S); D = S is f.Reveal(D); x/2 truncates.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "transitions/MirrorCopy.h"

#include <algorithm>

namespace vm {
namespace {

// Width of the roll of the unrolling styles: grows at the start, shrinks at the end.
int RollWidth(int extent, int size)
{
    if (extent < size / 5)
        return extent / 2;
    if (extent + size / 5 > size)
        return (size - extent) / 2;
    return size / 10;
}

void UnrollFromLeft(EffectFrame& f)
{
    const int X = f.X, W = f.W, H = f.H;
    const int E = X + RollWidth(X, W);
    MirrorCopy(f.display, {X, 0, E, H}, f.picture, {E, 0, 2 * E - X, H}, true, false);
    f.Reveal({0, 0, X, H});
}

void UnrollFromRight(EffectFrame& f)
{
    const int W = f.W, H = f.H;
    const int F = W - f.X;
    const int L = F - RollWidth(f.X, W);
    MirrorCopy(f.display, {L, 0, F, H}, f.picture, {2 * L - F, 0, L, H}, true, false);
    f.Reveal({F, 0, W, H});
}

void UnrollFromTop(EffectFrame& f)
{
    const int Y = f.Y, W = f.W, H = f.H;
    const int E = Y + RollWidth(Y, H);
    MirrorCopy(f.display, {0, Y, W, E}, f.picture, {0, E, W, 2 * E - Y}, false, true);
    f.Reveal({0, 0, W, Y});
}

void UnrollFromBottom(EffectFrame& f)
{
    const int W = f.W, H = f.H;
    const int F = H - f.Y;
    const int L = F - RollWidth(f.Y, H);
    MirrorCopy(f.display, {0, L, W, F}, f.picture, {0, 2 * L - F, W, L}, false, true);
    f.Reveal({0, F, W, H});
}

constexpr FrameDraw kCopying[] = {
    // Horizontal: X varies, every rectangle spans the full height.
    /* 1 */ [](EffectFrame& f) { f.Copy({f.W - f.X, 0, f.W, f.H}, f.Full()); },
    /* 2 */ [](EffectFrame& f) { f.Copy({0, 0, f.X, f.H}, f.Full()); },
    /* 3 */ [](EffectFrame& f) { f.Copy({f.W - f.X, 0, 2 * f.W - f.X, f.H}, f.Full()); },
    /* 4 */ [](EffectFrame& f) { f.Copy({f.X - f.W, 0, f.X, f.H}, f.Full()); },
    /* 5 */ [](EffectFrame& f) { f.Reveal({0, 0, f.X, f.H}); },
    /* 6 */ [](EffectFrame& f) { f.Reveal({f.W - f.X, 0, f.W, f.H}); },
    /* 7 */ [](EffectFrame& f) { f.Copy({0, 0, 2 * f.W - f.X, f.H}, {0, 0, f.X, f.H}); },
    /* 8 */ [](EffectFrame& f) { f.Copy({f.X - f.W, 0, f.W, f.H}, {f.W - f.X, 0, f.W, f.H}); },
    /* 9 */ [](EffectFrame& f) { f.Copy({f.X - f.W, 0, 2 * f.W - f.X, f.H}, {(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}); },
    /* 10 */ [](EffectFrame& f) { f.Copy({(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}, f.Full()); },
    /* 11 */ [](EffectFrame& f) { f.Reveal({(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}); },
    /* 12 */
    [](EffectFrame& f) {
        f.Reveal({0, 0, f.X / 2 + 1, f.H});
        f.Reveal({f.W - f.X / 2 - 1, 0, f.W, f.H});
    },
    /* 13 */
    [](EffectFrame& f) {
        f.Copy({0, 0, f.X / 2 + 1, f.H}, {0, 0, f.W / 2 + 1, f.H});
        f.Copy({f.W - f.X / 2 - 1, 0, f.W, f.H}, {f.W / 2, 0, f.W, f.H});
    },
    /* 14 */ UnrollFromLeft,
    /* 15 */ UnrollFromRight,
    /* 16 */ // build up: the revealed part, then a smear of the W div S columns after it
    [](EffectFrame& f) {
        f.Reveal({0, 0, f.X, f.H});
        f.Copy({f.X, 0, f.W, f.H}, {f.X, 0, std::min(f.W / f.S + f.X, f.W), f.H});
    },
    /* 17 */
    [](EffectFrame& f) {
        f.Reveal({f.W - f.X, 0, f.W, f.H});
        f.Copy({0, 0, f.W - f.X, f.H}, {std::max(f.W - f.X - f.W / f.S, 0), 0, f.W - f.X, f.H});
    },
    // Vertical: Y varies, every rectangle spans the full width.
    /* 18 */ [](EffectFrame& f) { f.Copy({0, f.H - f.Y, f.W, f.H}, f.Full()); },
    /* 19 */ [](EffectFrame& f) { f.Copy({0, 0, f.W, f.Y}, f.Full()); },
    /* 20 */ [](EffectFrame& f) { f.Copy({0, f.H - f.Y, f.W, 2 * f.H - f.Y}, f.Full()); },
    /* 21 */ [](EffectFrame& f) { f.Copy({0, f.Y - f.H, f.W, f.Y}, f.Full()); },
    /* 22 */ [](EffectFrame& f) { f.Reveal({0, 0, f.W, f.Y}); },
    /* 23 */ [](EffectFrame& f) { f.Reveal({0, f.H - f.Y, f.W, f.H}); },
    /* 24 */ [](EffectFrame& f) { f.Copy({0, 0, f.W, 2 * f.H - f.Y}, {0, 0, f.W, f.Y}); },
    /* 25 */ [](EffectFrame& f) { f.Copy({0, f.Y - f.H, f.W, f.H}, {0, f.H - f.Y, f.W, f.H}); },
    /* 26 */ [](EffectFrame& f) { f.Copy({0, f.Y - f.H, f.W, 2 * f.H - f.Y}, {0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}); },
    /* 27 */ [](EffectFrame& f) { f.Copy({0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}, f.Full()); },
    /* 28 */ [](EffectFrame& f) { f.Reveal({0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}); },
    /* 29 */
    [](EffectFrame& f) {
        f.Reveal({0, 0, f.W, f.Y / 2 + 1});
        f.Reveal({0, f.H - f.Y / 2 - 1, f.W, f.H});
    },
    /* 30 */
    [](EffectFrame& f) {
        f.Copy({0, 0, f.W, f.Y / 2 + 1}, {0, 0, f.W, f.H / 2 + 1});
        f.Copy({0, f.H - f.Y / 2 - 1, f.W, f.H}, {0, f.H / 2, f.W, f.H});
    },
    /* 31 */ UnrollFromTop,
    /* 32 */ UnrollFromBottom,
    /* 33 */
    [](EffectFrame& f) {
        f.Reveal({0, 0, f.W, f.Y});
        f.Copy({0, f.Y, f.W, f.H}, {0, f.Y, f.W, std::min(f.H / f.S + f.Y, f.H)});
    },
    /* 34 */
    [](EffectFrame& f) {
        f.Reveal({0, f.H - f.Y, f.W, f.H});
        f.Copy({0, 0, f.W, f.H - f.Y}, {0, std::max(f.H - f.Y - f.H / f.S, 0), f.W, f.H - f.Y});
    },
    // Corners and centre.
    /* 35 */ [](EffectFrame& f) { f.Copy({f.W - f.X, f.H - f.Y, f.W, f.H}, f.Full()); },
    /* 36 */ [](EffectFrame& f) { f.Copy({f.W - f.X, 0, f.W, f.Y}, f.Full()); },
    /* 37 */ [](EffectFrame& f) { f.Copy({0, 0, f.X, f.Y}, f.Full()); },
    /* 38 */ [](EffectFrame& f) { f.Copy({0, f.H - f.Y, f.X, f.H}, f.Full()); },
    /* 39 */ [](EffectFrame& f) { f.Copy({f.W - f.X, f.H - f.Y, 2 * f.W - f.X, 2 * f.H - f.Y}, f.Full()); },
    /* 40 */ [](EffectFrame& f) { f.Copy({f.W - f.X, f.Y - f.H, 2 * f.W - f.X, f.Y}, f.Full()); },
    /* 41 */ [](EffectFrame& f) { f.Copy({f.X - f.W, f.Y - f.H, f.X, f.Y}, f.Full()); },
    /* 42 */ [](EffectFrame& f) { f.Copy({f.X - f.W, f.H - f.Y, f.X, 2 * f.H - f.Y}, f.Full()); },
    /* 43 */ [](EffectFrame& f) { f.Reveal({0, 0, f.X, f.Y}); },
    /* 44 */ [](EffectFrame& f) { f.Reveal({0, f.H - f.Y, f.X, f.H}); },
    /* 45 */ [](EffectFrame& f) { f.Reveal({f.W - f.X, f.H - f.Y, f.W, f.H}); },
    /* 46 */ [](EffectFrame& f) { f.Reveal({f.W - f.X, 0, f.W, f.Y}); },
    /* 47 */ [](EffectFrame& f) { f.Copy({0, 0, 2 * f.W - f.X, 2 * f.H - f.Y}, {0, 0, f.X, f.Y}); },
    /* 48 */ [](EffectFrame& f) { f.Copy({0, f.Y - f.H, 2 * f.W - f.X, f.H}, {0, f.H - f.Y, f.X, f.H}); },
    /* 49 */ [](EffectFrame& f) { f.Copy({f.X - f.W, f.Y - f.H, f.W, f.H}, {f.W - f.X, f.H - f.Y, f.W, f.H}); },
    /* 50 */ [](EffectFrame& f) { f.Copy({f.X - f.W, 0, f.W, 2 * f.H - f.Y}, {f.W - f.X, 0, f.W, f.Y}); },
    /* 51 */
    [](EffectFrame& f) {
        f.Copy({f.X - f.W, f.Y - f.H, 2 * f.W - f.X, 2 * f.H - f.Y},
               {(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2});
    },
    /* 52 */ [](EffectFrame& f) { f.Copy({(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2}, f.Full()); },
    /* 53 */ [](EffectFrame& f) { f.Reveal({(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2}); },
    /* 54 */
    [](EffectFrame& f) {
        f.Reveal({0, 0, f.W, f.Y / 2});
        f.Reveal({0, f.H - f.Y / 2, f.W, f.H});
        f.Reveal({0, 0, f.X / 2, f.H});
        f.Reveal({f.W - f.X / 2, 0, f.W, f.H});
    },
    /* 55 */
    [](EffectFrame& f) {
        const int a = f.X / 2, b = f.Y / 2, W = f.W, H = f.H;
        f.Reveal({0, 0, a + 1, b + 1});
        f.Reveal({0, H - b - 1, a + 1, H});
        f.Reveal({W - a - 1, H - b - 1, W, H});
        f.Reveal({W - a - 1, 0, W, b + 1});
    },
    /* 56 */
    [](EffectFrame& f) {
        const int a = f.X / 2, b = f.Y / 2, W = f.W, H = f.H;
        f.Copy({0, 0, a + 1, b + 1}, {0, 0, W / 2 + 1, H / 2 + 1});
        f.Copy({0, H - b, a + 1, H}, {0, H / 2 + 1, W / 2 + 1, H});
        f.Copy({W - a, H - b, W, H}, {W / 2 + 1, H / 2 + 1, W, H});
        f.Copy({W - a, 0, W, b + 1}, {W / 2 + 1, 0, W, H / 2 + 1});
    },
    /* 57 */
    [](EffectFrame& f) {
        const int X = f.X, Y = f.Y, W = f.W, H = f.H;
        f.Copy({(X - W) / 2, 0, X / 2 + 1, H / 2 + 1}, {0, 0, W / 2 + 1, H / 2 + 1});
        f.Copy({W / 2 - 1, (Y - H) / 2, W, Y / 2 + 1}, {W / 2 - 1, 0, W, H / 2 + 1});
        f.Copy({W - X / 2, H / 2 - 1, W + (W - X) / 2, H}, {W / 2 + 1, H / 2 - 1, W, H});
        f.Copy({0, H - Y / 2, W / 2 + 1, H + (H - Y) / 2}, {0, H / 2 + 1, W / 2 + 1, H});
    },
};
static_assert(std::size(kCopying) == 57);

} // namespace

constinit const std::array<TEffectProc, 57> kCopyingEffects =
    ProcsOf<kCopying>(std::make_index_sequence<std::size(kCopying)>{});

} // namespace vm
