#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/Banner.h"
#include "game/ShowDownTally.h"

// What is drawn over the play field after the HUD, by the phase of play: the level
// announcement, the truck-ride warning, the game over, the pause, and the closing tally.
// Drawing and sound only: nothing here changes the course of the game.
class PlayOverlays final {
public:
    // What the game tells the overlays each frame.
    struct Frame {
        int state = 0;
        int screenWidth = 800;
        int screenHeight = 600;
        uint32_t nowMs = 0;
        float dt = 0.0f;
        int frogLifes = 0;
        // Screen point over which the truck-ride warning stands, and the fraction of its time left.
        std::optional<std::array<int, 2>> truckWarningAt;
        float truckWarningLeft = 0.0f;
        // Frogs home, insects eaten, stars, time bonus, total: the closing tally's figures.
        std::array<int32_t, ShowDownTally::kRows> tally{};
    };

    static constexpr float kLevelAnnounceSeconds = 2.2f;

    PlayOverlays();

    // A new game: nothing announced, no tally.
    void NewGame();
    // "Level N" over the field as the level begins.
    void AnnounceLevel(int levelNumber, int frogsToBringHome);
    // Advances and draws what the frame's state shows; appends the sounds to play.
    void Draw(const Frame& frame, std::vector<const char*>& sounds);
    // The closing tally has landed its last row: a key now goes on to the table.
    bool ShowDownWaitsForKey() const { return tally_.IsFinished(); }

    const ShowDownTally& Tally() const { return tally_; }

    // The game over is shown from the game-over sound on: in the wait after the last life's
    // death, in the one frame the next life would begin, and through the game over itself.
    static bool GameOverShown(int state, int frogLifes);

private:
    Banner levelBanner_;
    Banner gameOverBanner_;
    ShowDownTally tally_;
};
