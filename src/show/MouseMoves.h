#pragma once
// When mouse movement ends the show: moves are taken in pairs, the first sets an
// anchor, the second ends the show when it comes within a second and further
// away (Manhattan distance) than the sensitivity.
#include <cstdint>

namespace vm {

class MouseMoves {
public:
    // True when this move ends the show.
    bool Moved(int x, int y, uint32_t tickMs, int sensitivity);

private:
    bool waitingForAnchor_ = true;
    uint32_t anchorTime_ = 0;
    int anchorX_ = 0;
    int anchorY_ = 0;
};

} // namespace vm
