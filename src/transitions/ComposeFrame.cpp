#include "transitions/ComposeFrame.h"

#include "transitions/EffectCatalogue.h"

namespace vm {

bool DrawProgressFrame(Bitmap& display, const Bitmap& picture, Rect& R, TShowStyle style, int step, int progress)
{
    if (progress >= 100) {
        Draw(display, 0, 0, picture);
        return true;
    }
    if (progress <= 0)
        return true;
    if (style == 0 || style > kMaxStyle)
        return false;
    Effects()[style - 1].Proc(display, picture, R, uint16_t(step), uint8_t(progress));
    return true;
}

void ComposeFrame(Bitmap& display, const Bitmap& snapshot, const Bitmap& picture, TShowStyle style, int step,
                  int progress)
{
    if (display.Width() != picture.Width() || display.Height() != picture.Height())
        display = Bitmap(picture.Width(), picture.Height());
    Draw(display, 0, 0, snapshot);
    Rect R = picture.Bounds();
    DrawProgressFrame(display, picture, R, style, step, progress);
}

} // namespace vm
