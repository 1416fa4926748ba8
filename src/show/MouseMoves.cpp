#include "show/MouseMoves.h"

#include <cstdlib>

namespace vm {

bool MouseMoves::Moved(int x, int y, uint32_t tickMs, int sensitivity)
{
    if (waitingForAnchor_) {
        anchorTime_ = tickMs;
        anchorX_ = x;
        anchorY_ = y;
        waitingForAnchor_ = false;
        return false;
    }
    if (tickMs - anchorTime_ < 1000 && std::abs(x - anchorX_) + std::abs(y - anchorY_) > sensitivity)
        return true;
    waitingForAnchor_ = true;
    return false;
}

} // namespace vm
