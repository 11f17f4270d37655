#pragma once

#include <cstdint>

#include "core/Singleton.h"

// The game's one shared random source. The formula is fixed (the classic linear congruential
// generator) so that one seed replays one game identically on every platform.
class Randomizer final : public Singleton<Randomizer> {
public:
    static constexpr int kMax = 32767;

    // Next draw in 0 … kMax. Callers take remainders (per-mille chances as value % 1000).
    int Next();

    // min + Next() % (max − min + 1); gives min when max < min would make the span empty.
    int Range(int min, int max);

    void Seed(uint32_t seed);
    uint32_t State() const { return state_; }

private:
    friend class Singleton<Randomizer>;
    Randomizer();

    uint32_t state_;
};
