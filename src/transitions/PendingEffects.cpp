// Stand-in for the families not drawn yet (curved and bar reveals, shreds and speckles,
// squares and blinds, polygon reveals, fade and pivot): each frame shows the new
// picture whole, until the next change puts their own drawing in the catalogue.
#include "transitions/EffectFamilies.h"

namespace vm {

void DrawNewPictureWhole(Bitmap& Display, const Bitmap& Picture, Rect& R, uint16_t Step, uint8_t Progress)
{
    Draw(Display, 0, 0, Picture);
}

} // namespace vm
