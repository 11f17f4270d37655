#include "game/HudFormat.h"

#include <cstdio>

namespace {

constexpr int kSecondsPerMinute = 60;
// Beyond this the clock text would not fit; no level runs that long.
constexpr float kLongestTime = 1.0e9f;

bool OddPeriod(uint32_t nowMs, uint32_t periodMs) { return (nowMs / periodMs) % 2 == 1; }

}  // namespace

std::string HudFormat::Time(float secondsLeft) {
    // Negative and not-a-number times both fail the comparison and show as run out.
    int seconds = 0;
    if (secondsLeft > 0.0f) seconds = static_cast<int>(secondsLeft < kLongestTime ? secondsLeft : kLongestTime);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / kSecondsPerMinute, seconds % kSecondsPerMinute);
    return text;
}

int HudFormat::LivesShown(int lifes, bool blinkLastLife, uint32_t nowMs) {
    return blinkLastLife && OddPeriod(nowMs, kBlinkMs) ? lifes - 1 : lifes;
}

int HudFormat::FrogsToBringHomeShown(int frogsLeftToGoal, bool goalJustReached, uint32_t nowMs) {
    return goalJustReached && OddPeriod(nowMs, kBlinkMs) ? frogsLeftToGoal + 1 : frogsLeftToGoal;
}

bool HudFormat::PauseTextShown(uint32_t nowMs) { return (nowMs / kPauseBlinkMs) % 3 != 0; }

std::string HudFormat::LevelNumber(int levelIndex) { return "Level " + std::to_string(levelIndex + 1); }
