#pragma once

#include <optional>
#include <vector>

#include "bot/PlanTimings.h"
#include "bot/PlanWorld.h"

// The frog's moves as a player's arrow keys make them.
enum class BotMove { None, Up, Down, Left, Right };

// Where the idle frog stands now.
struct FrogStart {
    float x = 0.0f;  // logical position (without a jump offset)
    int y = 0;
    // What it rides, with safeSeconds the time it may still stay on it.
    std::optional<Ride> carrier;
};

// The level's goal: the frog arrives once its position is within `reach` of the point.
struct PlanGoal {
    int x = 0;
    int y = 0;
    float reach = 0.0f;
};

struct PlanResult {
    BotMove move = BotMove::None;  // None: wait for now
    bool reachesGoal = false;
    bool survives = false;  // some path lives through the whole horizon or reaches the goal
    int bestY = 0;          // highest row point of the chosen path's end
    int expansions = 0;
};

// Plans the frog's next jumps: a search over time in whole ticks, each step a short wait or a
// jump, judged tick by tick against the world's predictions (traffic, what floats where, water,
// piranhas and boxes). It picks the path that ends highest, soonest, nearest the goal's column,
// and says only its first move; the caller plans again once the frog is idle.
class FrogPlanner {
public:
    struct Settings {
        float tickSeconds = 0.02f;
        int horizonTicks = 120;
        int waitTicks = 4;
        int maxExpansions = 2500;
        int rowHeight = 75;
        int sidewaysJump = 40;
    };

    FrogPlanner(const PlanWorld& world, const PlanTimings& timings, const Settings& settings);

    PlanResult Plan(const FrogStart& start, const PlanGoal& goal);
    // True when the idle frog survives standing (or riding) where it is for the ticks.
    bool CanStay(const FrogStart& start, int ticks) const;

private:
    struct Node {
        int tick = 0;
        float x = 0.0f;
        int y = 0;
        std::optional<Ride> carrier;
        int deadline = 0;  // tick by which the frog must have left its carrier
        int parent = -1;
        BotMove move = BotMove::None;
        int arrived = 0;  // tick of the last step upwards
        bool goal = false;
    };

    // One jump as the game would carry it out from the node.
    struct Jump {
        bool refused = false;
        int dx = 0;
        int dy = 0;
        float seconds = 0.0f;
        bool immune = false;        // rocket jumps pass over traffic
        bool keepsCarrier = false;  // sideways jumps ride on
        std::optional<Ride> target;
        float targetAskedAt = 0.0f;  // the moment target.x describes
    };

    std::optional<Node> Wait(const Node& from, int ticks, const PlanGoal& goal) const;
    std::optional<Node> Move(const Node& from, BotMove move, const PlanGoal& goal) const;
    Jump DescribeJump(const Node& from, BotMove move, float startSeconds, float startX) const;
    // The idle frog at (x, y) on tick `tick`: false when it dies there.
    bool IdleSurvives(const Node& node, float x, int tick) const;
    bool InGoal(float x, int y, const PlanGoal& goal) const;
    double Score(const Node& node, const PlanGoal& goal) const;

    const PlanWorld& world_;
    PlanTimings timings_;
    Settings settings_;
};
