#pragma once

#include "Buffer.h"

// The title and in-game music: a cheerful arcade tune in C major with melody, chords, bass and
// drums, in sections A A' B, a break and a closing A that turns round into the start again.
// The whole piece is one seamless loop of 36 bars.
namespace theme {

Buffer Compose();

}  // namespace theme
