#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bot/BotInput.h"
#include "bot/PlanTimings.h"

class Game;
class Frog;
class World;

// A player at the keyboard. Each tick it looks at what a player sees through the game's queries
// (the frog, the objects on the tracks, blockers, water, the goal, the clock, insects) and answers
// with the keys a player would press: arrows to jump, space to catch an insect close by. With
// `playsMenus` it also starts one game from the title menu, types its name into the high-score
// table when the game is over, and ends the program from the title menu.
class Bot {
public:
    struct Options {
        bool playsMenus = false;
        std::string name = "Robo";
    };

    explicit Bot(Options options);

    // The keys to press before the next tick, the game having run the last one.
    std::vector<BotInput> Decide(Game& game);

    // One game played and its name typed: the bot has asked to end the program.
    bool Finished() const { return finished_; }

private:
    std::vector<BotInput> DecideInMenus(Game& game);
    std::optional<BotInput> DecideInPlay(Game& game, Frog& frog, World& world);
    void LoadTimings(Game& game);

    Options options_;
    bool started_ = false;
    bool gameOver_ = false;
    bool finished_ = false;
    size_t typed_ = 0;
    int tick_ = 0;
    int nextPlanTick_ = 0;
    // When the frog landed on what it rides now (its timers started then).
    const void* carrier_ = nullptr;
    int carrierSince_ = 0;
    float lastTime_ = 0.0f;
    float tickSeconds_ = 0.02f;
    std::optional<PlanTimings> timings_;
    float goalReach_ = 0.0f;
    float catchReach_ = 0.0f;
};
