#pragma once

#include <cstdint>

// The paused play: the frozen field darkened, "Pause" large, and how to go on and how to leave.
class PauseScreen final {
public:
    // Player texts are Latin-1 bytes, as the fonts read them.
    static constexpr const char* kTitle = "Pause";
    static constexpr const char* kGoOn = "Weiter mit P";
    static constexpr const char* kLeave =
        "Escape: Spiel beenden, zur\xFC"
        "ck zum Men\xFC";

    // Drawn over whatever the frame holds.
    static void Draw(int screenWidth, int screenHeight, uint32_t nowMs);
};
