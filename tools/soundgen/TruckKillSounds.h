#pragma once

#include "Buffer.h"

// The special trucks, each with its own way of finishing a frog that rides it.
namespace truck_kill_sounds {

Buffer ChezFred();
Buffer Garbage();
Buffer Aquarium();
Buffer CementMixer();
Buffer Electric();

}  // namespace truck_kill_sounds
