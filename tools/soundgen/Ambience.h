#pragma once

#include "Buffer.h"

// The four ambient loops under play: the river, the road, the road tunnel and the insects.
// Each is a seamless loop: its noise beds repeat with the loop, its modulations run a whole
// number of cycles per loop, and sounds placed near the end ring on into the start.
namespace ambience {

Buffer River();
Buffer Road();
Buffer RoadUnderground();
Buffer Insects();

}  // namespace ambience
