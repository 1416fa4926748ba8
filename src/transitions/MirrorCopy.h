#pragma once
#include "raster/Bitmap.h"

namespace vm {

// Copies rectangle S of source (clipped to source first) into rectangle D of dest,
// scaled, mirrored left-to-right and/or top-to-bottom. The mirrored copy lands
// exactly on D: its first column holds S's last one.
void MirrorCopy(Bitmap& dest, const Rect& D, const Bitmap& source, const Rect& S, bool leftToRight, bool topToBottom);

} // namespace vm
