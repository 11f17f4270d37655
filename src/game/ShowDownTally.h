#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The closing tally of a game won: a congratulation, then the rows (frogs home, insects eaten,
// stars, time bonus, total) appear one after another, each counting up with a ticking sound and
// landing with a chime. Once the last row has landed, any key goes on.
class ShowDownTally final {
public:
    static constexpr size_t kRows = 5;
    // Timeline: the first row starts after kFirstRowSeconds, the next ones kRowSeconds apart;
    // each counts for kCountSeconds, ticking every kTickSeconds.
    static constexpr float kFirstRowSeconds = 1.0f;
    static constexpr float kRowSeconds = 0.9f;
    static constexpr float kCountSeconds = 0.7f;
    static constexpr float kTickSeconds = 0.07f;

    static constexpr const char* kTickSound = "SOUND_COUNT_DOWN";
    static constexpr const char* kRowSound = "SOUND_FROG_PICK_STAR";
    static constexpr const char* kTotalSound = "SOUND_BONUS_LIFE";

    // Starts counting from the beginning.
    void Start(const std::array<int32_t, kRows>& values);
    void Stop() { started_ = false; }
    bool IsStarted() const { return started_; }
    // Moves the count on by dt and appends the sounds due in that time, in order.
    void Update(float dt, std::vector<const char*>& sounds);
    // Every row has landed.
    bool IsFinished() const;

    bool RowShown(size_t row) const;
    int32_t ShownValue(size_t row) const;
    float Elapsed() const { return elapsed_; }

    // Drawn with the HUD font on a screen of the given size; nowMs blinks the call to go on.
    void Draw(int screenWidth, int screenHeight, uint32_t nowMs) const;

private:
    static float RowStart(size_t row) { return kFirstRowSeconds + kRowSeconds * static_cast<float>(row); }

    bool started_ = false;
    std::array<int32_t, kRows> values_{};
    float elapsed_ = 0.0f;
};
