#pragma once

#include <cstdint>
#include <string>

// The arithmetic of the head-up display: the clock text and what blinks when. Times are the
// millisecond clock (timeGetTime).
class HudFormat final {
public:
    // Whole seconds left as minutes and seconds ("1:15"); a time run out shows "0:00".
    static std::string Time(float secondsLeft);
    // Frog heads to draw: while the last life blinks, one fewer in every odd half second.
    static int LivesShown(int lifes, bool blinkLastLife, uint32_t nowMs);
    // Goal-row places showing a frog still to bring home: while a frog sits at the goal the place
    // of the frog just counted flickers back every odd half second.
    static int FrogsToBringHomeShown(int frogsLeftToGoal, bool goalJustReached, uint32_t nowMs);
    // The pause text shows two of every three 333 ms periods; the third lets the frozen
    // message through.
    static bool PauseTextShown(uint32_t nowMs);
    // The level as the player counts it ("Level 1" for index 0).
    static std::string LevelNumber(int levelIndex);

    static constexpr uint32_t kBlinkMs = 500;
    static constexpr uint32_t kPauseBlinkMs = 333;
};
