#pragma once

#include <cstdint>

#include "Buffer.h"
#include "Voice.h"

// Building blocks shared by the effect recipes: the recurring noises of the game's world
// (water, metal, glass, crunching, croaks), each a few voices placed in time.
namespace kit {

Buffer NewEffect();

void Add(Buffer& out, const Voice& voice, double at, float gain = 1.0f);

// Bubbles rising: `count` short upward chirps between `from` and `to` seconds, thinning out.
void Bubbles(Buffer& out, uint32_t seed, double from, double to, int count, float lowHz, float highHz, float gain);

// A splash: a noise burst whose band falls from bright to dull.
void Splash(Buffer& out, double at, float size, float gain);

// A metal clang: inharmonic partials (phase modulation) around `hz`, ringing for `ring` s.
void Clang(Buffer& out, double at, float hz, float ring, float gain);

// Breaking glass: many tiny high pings over `length` seconds on a hiss.
void Glass(Buffer& out, uint32_t seed, double at, float length, float gain);

// Crunching: grains of filtered, saturated noise with a ragged rhythm.
void Crunch(Buffer& out, uint32_t seed, double at, float length, float hz, float gain);

// A low impact: a falling sine with a click, the body of every crash and knock.
void Thud(Buffer& out, double at, float hz, float length, float gain);

// A frog's croak: a pulsed buzz through a vocal formant.
void Croak(Buffer& out, double at, float hz, float length, float formantHz, float gain);

// A car or truck horn: two detuned reedy tones.
void Horn(Buffer& out, double at, float hz, float length, float gain);

}  // namespace kit
