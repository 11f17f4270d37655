#pragma once

#include "Buffer.h"

// What the frog itself does: hops, jumps, refused moves, eating, getting stung, idling,
// picking a star, drowning and being knocked over.
namespace frog_sounds {

Buffer Move();
Buffer Jump();
Buffer BlockedMove();
Buffer KnockedOver();
Buffer Drown();
Buffer Eat();
Buffer Pierced();
Buffer Idle();
Buffer PickStar();

}  // namespace frog_sounds
