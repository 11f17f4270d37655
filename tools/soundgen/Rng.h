#pragma once

#include <cstdint>

// The generator's own noise source: a fixed xorshift formula, so every build on every machine
// draws the same sequence and the files come out byte-identical.
class Rng final {
public:
    explicit Rng(uint32_t seed) : state_(seed != 0 ? seed : 0x9e3779b9u) {}

    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // 0 … 1.
    float Uniform() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }

    // −1 … 1.
    float Bipolar() { return Uniform() * 2.0f - 1.0f; }

    // min … max.
    float Range(float min, float max) { return min + (max - min) * Uniform(); }

private:
    uint32_t state_;
};
