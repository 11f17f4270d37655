#pragma once

#include "Buffer.h"

// The river: what the kill boxes do to the frog, the piranha's bite, and the creatures' own
// sounds (a lily or hippo diving, the angry hippo).
namespace river_sounds {

Buffer BoxDrown();
Buffer BoxHammer();
Buffer BoxRedButton();
Buffer BoxBomb();
Buffer Piranha();
Buffer Dive();
Buffer HippoAngry();

}  // namespace river_sounds
