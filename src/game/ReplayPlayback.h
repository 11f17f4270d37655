#pragma once

#include <cstddef>
#include <utility>

#include "game/DemoSource.h"
#include "game/Replay.h"

// A recorded game as a demo source: its seed, then tick by tick its time steps and its input.
class ReplayPlayback final : public DemoSource {
public:
    explicit ReplayPlayback(Replay replay) : replay_(std::move(replay)) {}

    std::optional<uint32_t> Seed() const override { return replay_.seed; }
    std::optional<bool> Shadows() const override { return replay_.shadows; }
    std::optional<uint32_t> StepUs() const override;
    bool Next(Game& game, std::vector<Replay::Event>& input) override;

private:
    Replay replay_;
    size_t tick_ = 0;
    size_t event_ = 0;
};
