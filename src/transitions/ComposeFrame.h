#pragma once
// One frame of a transition, as the control composes it.
#include "transitions/Effect.h"

namespace vm {

// Over the snapshot already in display: the whole new picture at progress 100,
// nothing more at 0, else the style's effect. Returns false when the frame is style
// 0's to draw (the control's OnCustomDraw), which leaves the snapshot alone.
bool DrawProgressFrame(Bitmap& display, const Bitmap& picture, Rect& R, TShowStyle style, int step, int progress);

// The snapshot copied to display, then DrawProgressFrame: what UpdateFrame makes
// without its event handlers. display takes the picture's size.
void ComposeFrame(Bitmap& display, const Bitmap& snapshot, const Bitmap& picture, TShowStyle style, int step,
                  int progress);

} // namespace vm
