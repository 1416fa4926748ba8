// Styles 128-135: the old picture is pushed (or squeezed) out of the frame while the
// edge of the new one that enters first comes in behind it. "old" copies read the
// display image, which still holds the old-screen snapshot where they read.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"

namespace vm {
namespace {

constexpr FrameDraw kPushing[] = {
    /* 128 */
    [](EffectFrame& f) {
        f.CopyOld({f.X, 0, f.W, f.H}, {0, 0, f.W - f.X, f.H});
        f.Copy({0, 0, f.X, f.H}, {f.W - f.X, 0, f.W, f.H});
    },
    /* 129 */
    [](EffectFrame& f) {
        f.CopyOld({0, 0, f.W - f.X, f.H}, {f.X, 0, f.W, f.H});
        f.Copy({f.W - f.X, 0, f.W, f.H}, {0, 0, f.X, f.H});
    },
    /* 130 */
    [](EffectFrame& f) {
        f.CopyOld({f.X, 0, f.W, f.H}, f.Full());
        f.Copy({0, 0, f.X, f.H}, {f.W - f.X, 0, f.W, f.H});
    },
    /* 131 */
    [](EffectFrame& f) {
        f.CopyOld({0, 0, f.W - f.X, f.H}, f.Full());
        f.Copy({f.W - f.X, 0, f.W, f.H}, {0, 0, f.X, f.H});
    },
    /* 132 */
    [](EffectFrame& f) {
        f.CopyOld({0, f.Y, f.W, f.H}, {0, 0, f.W, f.H - f.Y});
        f.Copy({0, 0, f.W, f.Y}, {0, f.H - f.Y, f.W, f.H});
    },
    /* 133 */
    [](EffectFrame& f) {
        f.CopyOld({0, 0, f.W, f.H - f.Y}, {0, f.Y, f.W, f.H});
        f.Copy({0, f.H - f.Y, f.W, f.H}, {0, 0, f.W, f.Y});
    },
    /* 134 */
    [](EffectFrame& f) {
        f.CopyOld({0, f.Y, f.W, f.H}, f.Full());
        f.Copy({0, 0, f.W, f.Y}, {0, f.H - f.Y, f.W, f.H});
    },
    /* 135 */
    [](EffectFrame& f) {
        f.CopyOld({0, 0, f.W, f.H - f.Y}, f.Full());
        f.Copy({0, f.H - f.Y, f.W, f.H}, {0, 0, f.W, f.Y});
    },
};
static_assert(std::size(kPushing) == 8);

} // namespace

constinit const std::array<TEffectProc, 8> kPushingEffects =
    ProcsOf<kPushing>(std::make_index_sequence<std::size(kPushing)>{});

} // namespace vm
