#pragma once

#include <span>

#include "Buffer.h"

// How a sound is played by the game, which decides its file form and its finishing:
// effects are played once (soft edges), looped effects and streams restart at their end
// (their end must join their start).
enum class SoundForm { Effect, LoopedEffect, Stream };

struct SoundRecipe {
    const char* name;  // the resource name the game plays it by
    SoundForm form;
    float loudnessDb;  // RMS over the whole sound, dBFS
    Buffer (*render)();
};

constexpr int kEffectRate = 22050;
// Effects are synthesized at twice their file rate and halved before they are written.
constexpr int kEffectRenderRate = 2 * kEffectRate;
constexpr int kStreamRate = 44100;

// Every sound of the game: the 34 effects and the 5 streams.
std::span<const SoundRecipe> SoundCatalog();
