#pragma once
// The state whose animation shows a movement of the stage.
#include "raster/Rect.h"

namespace vm {

class TAssistantActor;

// The diagonal state toward target (the point the stage's top-left corner is
// to reach) when the actor has an animation of it; otherwise the straight
// state along the longer distance.
int MoveState(const TAssistantActor& actor, const Rect& bounds, const Point& target);

} // namespace vm
