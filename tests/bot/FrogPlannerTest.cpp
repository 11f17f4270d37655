#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "bot/FrogPlanner.h"
#include "bot/PlanWorld.h"

namespace {

constexpr int kRow = 75;
constexpr int kWidth = 800;
constexpr int kHeight = 20 * kRow;

int CentreY(int row) { return row * kRow + kRow / 2; }

// A made-up level: rows of cars or floating objects moving at one speed each, water rows, and
// dangers on rows. Positions are linear in time, as the game's tracks predict them.
struct Thing {
    float x = 0.0f;
    int width = 0;
};

struct Lane {
    int row = 0;
    float speed = 0.0f;
    bool river = false;
    std::vector<Thing> things;
    std::optional<float> piranhaX;  // swims at -speed
    bool boxes = false;             // the floating things are kill boxes
};

class FakeWorld final : public PlanWorld {
public:
    std::vector<Lane> lanes;

    const Lane* LaneOf(int y) const {
        for (const Lane& lane : lanes) {
            if (lane.row == y / kRow) return &lane;
        }
        return nullptr;
    }
    bool IsOutside(int x, int y) const override { return x < 0 || x >= kWidth || y < 0 || y >= kHeight; }
    bool IsWater(int x, int y) const override {
        const Lane* lane = LaneOf(y);
        return !IsOutside(x, y) && lane && lane->river;
    }
    bool IsBlockedAfter(int x, int y, float t) const override {
        const Lane* lane = LaneOf(y);
        if (!lane || lane->river || std::abs(y - CentreY(lane->row)) > 22) return false;
        for (const Thing& car : lane->things) {
            if (std::fabs(static_cast<float>(x) - (car.x + lane->speed * t)) * 2.0f <= static_cast<float>(car.width)) {
                return true;
            }
        }
        return false;
    }
    std::optional<Ride> RideAfter(int x, int y, float t) const override {
        const Lane* lane = LaneOf(y);
        if (!lane || !lane->river) return std::nullopt;
        for (const Thing& log : lane->things) {
            const float at = log.x + lane->speed * t;
            if (std::fabs(static_cast<float>(x) - at) * 2.0f <= static_cast<float>(log.width - 16)) {
                Ride ride;
                ride.id = &log;
                ride.x = at;
                ride.speed = lane->speed;
                ride.strikesFromAbove = lane->boxes;
                return ride;
            }
        }
        return std::nullopt;
    }
    bool IsAmbushed(int x, int y, float t, bool idle) const override {
        const Lane* lane = LaneOf(y);
        if (!idle || !lane || !lane->piranhaX) return false;
        return std::fabs(static_cast<float>(x) - (*lane->piranhaX - lane->speed * t)) <= 28.0f;
    }
};

PlanResult PlanFrom(const FakeWorld& world, float x, int row, std::optional<Ride> carrier = std::nullopt,
                    PlanGoal goal = {420, CentreY(19), 21.0f}) {
    FrogPlanner planner(world, PlanTimings{}, FrogPlanner::Settings{});
    FrogStart start;
    start.x = x;
    start.y = CentreY(row);
    start.carrier = carrier;
    return planner.Plan(start, goal);
}

TEST(FrogPlannerTest, AnOpenRoadIsCrossedStraightUp) {
    FakeWorld world;
    world.lanes.push_back({2, 60.0f, false, {{100.0f, 60}}, {}});
    const PlanResult plan = PlanFrom(world, 420.0f, 1);
    EXPECT_EQ(plan.move, BotMove::Up);
    EXPECT_TRUE(plan.survives);
}

TEST(FrogPlannerTest, ACarAboutToPassIsWaitedForNotJumpedInto) {
    // A car 60 units left of the landing spot, coming at 150 units per second: jumping now lands
    // in front of it. A second car behind it leaves a gap only a little later.
    FakeWorld world;
    world.lanes.push_back({2, 150.0f, false, {{360.0f, 100}}, {}});
    const PlanResult plan = PlanFrom(world, 420.0f, 1);
    EXPECT_NE(plan.move, BotMove::Up);
    EXPECT_TRUE(plan.survives);
}

TEST(FrogPlannerTest, TheFrogNeverJumpsIntoEmptyWater) {
    // Nothing floats on the river within the horizon: waiting on the bank is the only safe path.
    FakeWorld world;
    world.lanes.push_back({2, 50.0f, true, {{-2000.0f, 170}}, {}});
    const PlanResult plan = PlanFrom(world, 420.0f, 1);
    EXPECT_EQ(plan.move, BotMove::None);
    EXPECT_TRUE(plan.survives);
}

TEST(FrogPlannerTest, ALogDriftingUnderTheFrogIsBoarded) {
    // The log's centre reaches x 420 a third of a second from now.
    FakeWorld world;
    world.lanes.push_back({2, 60.0f, true, {{400.0f, 176}}, {}});
    const PlanResult plan = PlanFrom(world, 420.0f, 1);
    EXPECT_EQ(plan.move, BotMove::Up);
}

TEST(FrogPlannerTest, ABoxIsNeverBoardedFromBelow) {
    // The same drift as the log above, but a kill box: jumping up onto it means being struck.
    FakeWorld world;
    world.lanes.push_back({2, 60.0f, true, {{400.0f, 176}}, {}, true});
    const PlanResult plan = PlanFrom(world, 420.0f, 1);
    EXPECT_NE(plan.move, BotMove::Up);
}

TEST(FrogPlannerTest, ARiderLeavesALogThatCarriesItOffTheScreen) {
    // On a log 30 units from the right edge, drifting right; the bank below is dry and clear.
    FakeWorld world;
    world.lanes.push_back({2, 80.0f, true, {{770.0f, 176}}, {}});
    Ride log;
    log.id = &world.lanes[0].things[0];
    log.x = 770.0f;
    log.speed = 80.0f;
    const PlanResult plan = PlanFrom(world, 770.0f, 2, log);
    EXPECT_NE(plan.move, BotMove::None);
    EXPECT_NE(plan.move, BotMove::Right);
    EXPECT_TRUE(plan.survives);
}

TEST(FrogPlannerTest, APiranhaOnTheFrogsRowIsDodged) {
    // Riding a long slow log with a piranha coming along the row: staying put is death.
    FakeWorld world;
    world.lanes.push_back({2, 10.0f, true, {{400.0f, 400}}, 460.0f});
    Ride log;
    log.id = &world.lanes[0].things[0];
    log.x = 400.0f;
    log.speed = 10.0f;
    FrogPlanner planner(world, PlanTimings{}, FrogPlanner::Settings{});
    FrogStart start{400.0f, CentreY(2), log};
    EXPECT_FALSE(planner.CanStay(start, 150));
    const PlanResult plan = planner.Plan(start, {420, CentreY(19), 21.0f});
    EXPECT_NE(plan.move, BotMove::None);
    EXPECT_TRUE(plan.survives);
}

TEST(FrogPlannerTest, OnTheGoalRowTheFrogHopsTowardsTheGoal) {
    const FakeWorld world;
    const struct {
        float x;
        BotMove expected;
    } cases[] = {{300.0f, BotMove::Right}, {540.0f, BotMove::Left}};
    for (const auto& c : cases) {
        const PlanResult plan = PlanFrom(world, c.x, 19);
        EXPECT_EQ(plan.move, c.expected) << c.x;
        EXPECT_TRUE(plan.reachesGoal) << c.x;
    }
}

}  // namespace
