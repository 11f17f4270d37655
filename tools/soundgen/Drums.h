#pragma once

#include "Buffer.h"

// The drum kit of the theme and the fanfares, rendered at any rate. Each hit is made once and
// mixed wherever the pattern plays it.
namespace drums {

Mono Kick(int rate);
Mono Snare(int rate);
Mono HatClosed(int rate);
Mono HatOpen(int rate);
Mono Crash(int rate);
Mono Tom(int rate, float hz);

}  // namespace drums
