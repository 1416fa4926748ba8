#include "character/MoveState.h"

#include "character/oaActor.h"

#include <cstdlib>

namespace vm {
namespace {

// [dx][dy]: dx 1 right, 2 left; dy 1 down, 2 up; 0 no movement on that axis.
constexpr int kMovementStates[3][3] = {
    {0, kStateMoveDown, kStateMoveUp},
    {kStateMoveRight, kStateMoveDownRight, kStateMoveUpRight},
    {kStateMoveLeft, kStateMoveDownLeft, kStateMoveUpLeft},
};

} // namespace

int MoveState(const TAssistantActor& actor, const Rect& bounds, const Point& target)
{
    int dx = bounds.Left > target.x ? 2 : 1;
    int dy = bounds.Top > target.y ? 2 : 1;
    const int diagonal = kMovementStates[dx][dy];
    if (actor.StateCounts()[size_t(diagonal)] > 0)
        return diagonal;
    if (std::abs(bounds.Left - target.x) < std::abs(bounds.Top - target.y))
        dx = 0;
    else
        dy = 0;
    return kMovementStates[dx][dy];
}

} // namespace vm
