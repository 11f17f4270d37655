#pragma once

#include "Buffer.h"

// One sound per way the frog can be killed by a box, a truck or a fish, plus the river
// creatures' own sounds (diving, the angry hippo).
namespace kill_sounds {

Buffer BoxDrown();
Buffer BoxHammer();
Buffer BoxRedButton();
Buffer BoxBomb();
Buffer ChezFred();
Buffer Garbage();
Buffer Aquarium();
Buffer CementMixer();
Buffer Electric();
Buffer Piranha();
Buffer Dive();
Buffer HippoAngry();

} // namespace kill_sounds
