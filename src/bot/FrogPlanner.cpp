#include "bot/FrogPlanner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <unordered_set>
#include <utility>

namespace {

// Jumps from and onto trucks (world units, positive is up).
constexpr int kUpOntoTruck = 85;
constexpr int kDownOffTruck = -85;
constexpr int kRocketJump = 140;
constexpr int kRocketBoarding = 150;
constexpr int kShortOffTruck = 65;

// Paths are compared by where they end: a row up outweighs any sideways distance, reaching it
// a second sooner is worth a third of a row.
constexpr double kPerUnitUp = 4.0;
constexpr double kPerUnitAside = 0.5;
constexpr double kPerTickLate = 2.0;
constexpr double kGoalScore = 1.0e9;
// Riding close to the screen's edge at the end of the horizon is a trap the next plan may not
// get out of.
constexpr int kEdgeMargin = 60;
constexpr double kEdgePenalty = 150.0;
// Positions closer than this fall into one search node.
constexpr float kNodeWidth = 5.0f;

int Truncate(float v) { return static_cast<int>(v); }
int Round(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

// Ticks of a stay, capped so that "for ever" stays a whole number.
int StayTicks(float seconds, float tick) {
    constexpr float kLongest = 1.0e8f;
    return static_cast<int>(std::min(seconds / tick, kLongest));
}

int TicksFor(float seconds, float tick) { return std::max(1, static_cast<int>(std::ceil(seconds / tick - 1.0e-3f))); }

}  // namespace

FrogPlanner::FrogPlanner(const PlanWorld& world, const PlanTimings& timings, const Settings& settings)
    : world_(world), timings_(timings), settings_(settings) {}

bool FrogPlanner::InGoal(float x, int y, const PlanGoal& goal) const {
    const float dx = x - static_cast<float>(goal.x);
    const float dy = static_cast<float>(y - goal.y);
    return std::sqrt(dx * dx + dy * dy) <= goal.reach;
}

bool FrogPlanner::IdleSurvives(const Node& node, float x, int tick) const {
    const float t = static_cast<float>(tick) * settings_.tickSeconds;
    const int ix = Round(x);
    if (world_.IsOutside(ix, node.y)) return false;
    if (node.carrier) {
        if (tick >= node.deadline) return false;
    } else {
        if (world_.IsWater(ix, node.y)) return false;
        if (world_.IsBlockedAfter(ix, node.y, t)) return false;
    }
    return !world_.IsAmbushed(ix, node.y, t, true);
}

std::optional<FrogPlanner::Node> FrogPlanner::Wait(const Node& from, int ticks, const PlanGoal& goal) const {
    Node node = from;
    const float drift = node.carrier ? node.carrier->speed * settings_.tickSeconds : 0.0f;
    for (int k = 1; k <= ticks; ++k) {
        node.x += drift;
        if (!IdleSurvives(node, node.x, from.tick + k)) return std::nullopt;
    }
    node.tick = from.tick + ticks;
    node.move = BotMove::None;
    node.goal = InGoal(node.x, node.y, goal);
    return node;
}

FrogPlanner::Jump FrogPlanner::DescribeJump(const Node& from, BotMove move, float ts, float startX) const {
    Jump jump;
    const int ix = Truncate(startX);
    const int y = from.y;
    const bool onTruck = from.carrier && from.carrier->truck;
    auto refuse = [&jump] {
        jump.refused = true;
        return jump;
    };
    auto truckAt = [this](int x, int yy, float t) -> std::optional<Ride> {
        std::optional<Ride> ride = world_.RideAfter(x, yy, t);
        if (ride && !ride->truck) ride.reset();
        return ride;
    };

    if (onTruck) {
        if (move == BotMove::Left || move == BotMove::Right) return refuse();
        if (move == BotMove::Down) {
            const int dy = y + kDownOffTruck;
            if (world_.IsOutside(ix, dy) || world_.IsBlockedAfter(ix, dy, ts)) return refuse();
            jump.target = truckAt(ix, dy, ts);
            jump.targetAskedAt = ts;
            jump.dy = jump.target ? -settings_.rowHeight : kDownOffTruck;
            jump.seconds = jump.target ? timings_.down : timings_.downOffTruck;
            return jump;
        }
        const int rocketY = y + kRocketJump;
        if (world_.IsOutside(ix, rocketY)) return refuse();
        const float look = timings_.rocketLookAhead;
        if (!world_.IsBlockedAfter(ix, rocketY, ts + look) && !world_.IsWater(ix, rocketY)) {
            jump.target = truckAt(ix, rocketY, ts + look);
            jump.targetAskedAt = ts + look;
            jump.dy = jump.target ? kRocketBoarding : kRocketJump;
            jump.seconds = jump.target ? timings_.rocketBoarding : timings_.rocket;
            jump.immune = true;
            return jump;
        }
        const int shortY = y + kShortOffTruck;
        if (world_.IsBlockedAfter(ix, shortY, ts)) return refuse();
        jump.target = truckAt(ix, shortY, ts);
        jump.targetAskedAt = ts;
        jump.dy = jump.target ? settings_.rowHeight : kShortOffTruck;
        jump.seconds = jump.target ? timings_.up : timings_.shortOffTruck;
        return jump;
    }

    if (move == BotMove::Left || move == BotMove::Right) {
        if (from.carrier && from.carrier->snaps) return refuse();
        const int dx = move == BotMove::Left ? -settings_.sidewaysJump : settings_.sidewaysJump;
        if (world_.IsOutside(ix + dx, y) || world_.IsBlockedAfter(ix + dx, y, ts)) return refuse();
        jump.target = world_.RideAfter(ix + dx, y, ts);
        jump.targetAskedAt = ts;
        if (jump.target && jump.target->truck) return refuse();
        jump.dx = dx;
        jump.seconds = timings_.sideways;
        jump.keepsCarrier = true;
        return jump;
    }

    const int dy = move == BotMove::Up ? settings_.rowHeight : -settings_.rowHeight;
    const float look = timings_.up;
    if (world_.IsOutside(ix, y + dy) || world_.IsBlockedAfter(ix, y + dy, ts) ||
        world_.IsBlockedAfter(ix, y + dy, ts + look)) {
        return refuse();
    }
    jump.target = world_.RideAfter(ix, y + dy, ts + look);
    jump.targetAskedAt = ts + look;
    if (jump.target && jump.target->strikesFromAbove && move == BotMove::Up) return refuse();
    if (jump.target && jump.target->truck) {
        if (move != BotMove::Up) return refuse();
        jump.dy = kUpOntoTruck;
        jump.seconds = timings_.upOntoTruck;
        return jump;
    }
    jump.dy = dy;
    jump.seconds = move == BotMove::Up ? timings_.up : timings_.down;
    return jump;
}

std::optional<FrogPlanner::Node> FrogPlanner::Move(const Node& from, BotMove move, const PlanGoal& goal) const {
    const float tick = settings_.tickSeconds;
    // The key is taken in the next tick: the frog idles (and drifts) once more, then jumps.
    const int start = from.tick + 1;
    float x = from.x + (from.carrier ? from.carrier->speed * tick : 0.0f);
    if (!IdleSurvives(from, x, start)) return std::nullopt;
    const Jump jump = DescribeJump(from, move, static_cast<float>(start) * tick, x);
    if (jump.refused) return std::nullopt;

    const bool riding = jump.keepsCarrier && from.carrier.has_value();
    const float drift = riding ? from.carrier->speed * tick : 0.0f;
    const int ticks = TicksFor(jump.seconds, tick);
    const bool traffic = !jump.immune && !riding && !jump.target;
    for (int j = 0; j < ticks; ++j) {
        const int at = start + j;
        const float t = static_cast<float>(at) * tick;
        if (j > 0) x += drift;
        const float p = static_cast<float>(j) * tick / jump.seconds;
        const int vx = Round(x) + Truncate(static_cast<float>(jump.dx) * p);
        const int vy = from.y + Truncate(static_cast<float>(jump.dy) * p);
        if (world_.IsOutside(Round(x), from.y)) return std::nullopt;
        if (riding && at >= from.deadline) return std::nullopt;
        if (traffic && world_.IsBlockedAfter(vx, vy, t)) return std::nullopt;
        if (world_.IsAmbushed(Round(x), from.y, t, false)) return std::nullopt;
    }

    Node node;
    node.tick = start + ticks;
    node.move = move;
    node.y = from.y + jump.dy;
    x += drift;
    const float landedAt = static_cast<float>(node.tick) * tick;
    if (jump.target) {
        const Ride& target = *jump.target;
        if (target.snaps) {
            const float targetX = target.x + target.speed * (landedAt - jump.targetAskedAt);
            node.x = static_cast<float>(Truncate(targetX) + target.landingOffsetX);
        } else {
            node.x = x + static_cast<float>(jump.dx);
        }
        node.carrier = target;
        const bool sameCarrier = from.carrier && from.carrier->id == target.id;
        node.deadline = sameCarrier ? from.deadline : node.tick + StayTicks(target.safeSeconds, tick);
    } else {
        node.x = x + static_cast<float>(jump.dx);
    }
    if (!IdleSurvives(node, node.x, node.tick)) return std::nullopt;
    node.arrived = node.y > from.y ? node.tick : from.arrived;
    node.goal = InGoal(node.x, node.y, goal);
    return node;
}

double FrogPlanner::Score(const Node& node, const PlanGoal& goal) const {
    if (node.goal) return kGoalScore - node.tick;
    double score = node.y * kPerUnitUp - std::fabs(node.x - static_cast<float>(goal.x)) * kPerUnitAside -
                   node.arrived * kPerTickLate;
    if (node.carrier && (node.x < kEdgeMargin || node.x > 800 - kEdgeMargin)) score -= kEdgePenalty;
    return score;
}

bool FrogPlanner::CanStay(const FrogStart& start, int ticks) const {
    Node root;
    root.x = start.x;
    root.y = start.y;
    root.carrier = start.carrier;
    if (start.carrier) root.deadline = StayTicks(start.carrier->safeSeconds, settings_.tickSeconds);
    const PlanGoal nowhere{-100000, -100000, 0.0f};
    return Wait(root, ticks, nowhere).has_value();
}

PlanResult FrogPlanner::Plan(const FrogStart& start, const PlanGoal& goal) {
    std::vector<Node> nodes;
    nodes.reserve(static_cast<size_t>(settings_.maxExpansions) * 3);
    Node root;
    root.x = start.x;
    root.y = start.y;
    root.carrier = start.carrier;
    if (start.carrier) root.deadline = StayTicks(start.carrier->safeSeconds, settings_.tickSeconds);
    nodes.push_back(root);

    using Entry = std::pair<int, int>;  // tick, node index
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.push({0, 0});
    std::unordered_set<uint64_t> seen;
    auto key = [this](const Node& n) {
        const uint64_t bucket = static_cast<uint64_t>(n.tick / settings_.waitTicks);
        const auto column = static_cast<uint64_t>(static_cast<int64_t>(std::floor(n.x / kNodeWidth)) & 0xFFF);
        const auto row = static_cast<uint64_t>(n.y & 0xFFFF);
        const auto carrier = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(n.carrier ? n.carrier->id : nullptr));
        return (bucket << 44) ^ (row << 28) ^ (column << 16) ^ (carrier * 0x9E3779B97F4A7C15ull);
    };

    int best = -1;
    double bestScore = -std::numeric_limits<double>::infinity();
    int longest = 0;  // the node that lived longest, when nothing lives through the horizon
    int expansions = 0;
    const int lowest = start.y - settings_.rowHeight;
    while (!open.empty() && expansions < settings_.maxExpansions) {
        const int index = open.top().second;
        open.pop();
        const Node current = nodes[static_cast<size_t>(index)];
        if (current.tick > nodes[static_cast<size_t>(longest)].tick) longest = index;
        if (current.goal || current.tick >= settings_.horizonTicks) {
            const double score = Score(current, goal);
            if (score > bestScore) {
                bestScore = score;
                best = index;
            }
            continue;
        }
        ++expansions;
        auto add = [&](std::optional<Node> next) {
            if (!next || next->y < lowest) return;
            if (!seen.insert(key(*next)).second) return;
            next->parent = index;
            nodes.push_back(*next);
            open.push({next->tick, static_cast<int>(nodes.size() - 1)});
        };
        add(Wait(current, settings_.waitTicks, goal));
        for (const BotMove move : {BotMove::Up, BotMove::Left, BotMove::Right, BotMove::Down}) {
            add(Move(current, move, goal));
        }
    }
    // The search ran out of budget: the nodes still open are as good as the finished ones.
    while (!open.empty()) {
        const int index = open.top().second;
        open.pop();
        const double score = Score(nodes[static_cast<size_t>(index)], goal) - settings_.horizonTicks;
        if (score > bestScore) {
            bestScore = score;
            best = index;
        }
    }

    PlanResult result;
    result.expansions = expansions;
    result.survives = best >= 0;
    if (best < 0) best = longest;
    const Node& end = nodes[static_cast<size_t>(best)];
    result.reachesGoal = end.goal;
    result.bestY = end.y;
    int step = best;
    while (step > 0 && nodes[static_cast<size_t>(step)].parent > 0) step = nodes[static_cast<size_t>(step)].parent;
    if (step > 0) result.move = nodes[static_cast<size_t>(step)].move;
    return result;
}
