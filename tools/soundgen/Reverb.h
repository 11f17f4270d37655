#pragma once

#include <vector>

#include "Buffer.h"

// A small room of parallel damped combs and series all-passes, slightly different per channel
// so stereo sources get width. For a loop buffer the room runs over the loop twice and keeps
// the second pass: the reverb of the loop's end then rings into its start, as it will when
// the game plays the loop again.
class Reverb final {
public:
    Reverb(float roomSize, float damping) : roomSize_(roomSize), damping_(damping) {}

    // Adds the reverberated signal at `wet` to the buffer. Without `loop` the caller leaves room
    // at the end for the tail.
    void Apply(Buffer& buffer, float wet, bool loop) const;

private:
    Mono Process(const Mono& in, int rate, int spread, bool loop) const;

    float roomSize_;
    float damping_;
};

// A feedback delay with a darkening repeat, for echoes in tunnels, bells and the arpeggios.
class Echo final {
public:
    Echo(float seconds, float feedback, float damping) : seconds_(seconds), feedback_(feedback), damping_(damping) {}

    void Apply(Buffer& buffer, float wet, bool loop) const;

private:
    float seconds_;
    float feedback_;
    float damping_;
};
