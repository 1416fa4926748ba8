#include "transitions/Effect.h"
#include "util/MulDiv.h"

#include <algorithm>

namespace vm {

EffectExtents CalcEffectExtents(const Rect& R, int Step, int Progress)
{
    EffectExtents e;
    e.W = R.Right - R.Left;
    e.H = R.Bottom - R.Top;
    if (e.W <= 0 && e.H <= 0) {
        e.W = e.H = 0; // MulDiv would divide by the zero width
        return e;
    }
    if (e.W >= e.H) {
        e.X = MulDiv(e.W, Progress, 100);
        e.Y = MulDiv(e.X, e.H, e.W);
        e.S = MulDiv(e.W, Step, 90);
    } else {
        e.Y = MulDiv(e.H, Progress, 100);
        e.X = MulDiv(e.Y, e.W, e.H);
        e.S = MulDiv(e.H, Step, 90);
    }
    e.S = std::max(e.S, 1);
    return e;
}

} // namespace vm
