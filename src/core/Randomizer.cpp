#include "core/Randomizer.h"

#include <ctime>

namespace {
constexpr uint32_t kMultiplier = 214013u;
constexpr uint32_t kIncrement = 2531011u;
}  // namespace

Randomizer::Randomizer() : state_(static_cast<uint32_t>(std::time(nullptr))) {}

void Randomizer::Seed(uint32_t seed) { state_ = seed; }

int Randomizer::Next() {
    state_ = state_ * kMultiplier + kIncrement;
    return static_cast<int>((state_ >> 16) & kMax);
}

int Randomizer::Range(int min, int max) {
    const int span = max - min + 1;
    if (span <= 0) return min;
    return min + Next() % span;
}
