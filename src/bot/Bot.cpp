#include "bot/Bot.h"

#include <cmath>
#include <utility>

#include "bot/FrogPlanner.h"
#include "bot/GamePlanWorld.h"
#include "core/StringUtil.h"
#include "game/Game.h"
#include "world/GameState.h"
#include "game/HighScore.h"
#include "platform/VirtualKeys.h"
#include "settings/SettingsManager.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/World.h"
#include "world/objects/Insect.h"
#include "world/objects/SpriteDrawing.h"
#include "world/objects/TrackObject.h"
#include "world/objects/WaterLilyGoal.h"

namespace {

constexpr uint32_t kEnterChar = 13;
// Ticks between two plans while the chosen path begins with waiting.
constexpr int kReplanTicks = 2;
// The catch is tried only for insects well inside the tongue's reach, and only where the frog
// may stand for the length of the catch.
constexpr float kCatchMargin = 15.0f;
constexpr float kPiercerKeepOff = 40.0f;
// Plausible frame steps; others (a pause, a new frog) do not change the bot's idea of the tick.
constexpr float kShortestTick = 0.005f;
constexpr float kLongestTick = 0.1f;

uint32_t KeyOf(BotMove move) {
    switch (move) {
    case BotMove::Up: return platform::VK_UP;
    case BotMove::Down: return platform::VK_DOWN;
    case BotMove::Left: return platform::VK_LEFT;
    case BotMove::Right: return platform::VK_RIGHT;
    case BotMove::None: break;
    }
    return 0;
}

float Length(Game& game, const char* name) {
    return sprite_drawing::AnimationLength(game.GetSprite(MakeAssetKey(name), false));
}

float Distance(float ax, float ay, float bx, float by) { return std::hypot(ax - bx, ay - by); }

}  // namespace

Bot::Bot(Options options) : options_(std::move(options)) {}

void Bot::LoadTimings(Game& game) {
    PlanTimings t;
    const std::pair<float*, const char*> table[] = {
        {&t.up, "FROG_MOVE_UP"},
        {&t.down, "FROG_MOVE_DOWN"},
        {&t.sideways, "FROG_MOVE_LEFT"},
        {&t.upOntoTruck, "FROG_MOVE_UP_TRUCK_UP"},
        {&t.downOffTruck, "FROG_MOVE_DOWN_TRUCK_DOWN"},
        {&t.shortOffTruck, "FROG_MOVE_UP_TRUCK_DOWN"},
        {&t.rocket, "FROG_ROCKET_JUMP"},
        {&t.rocketBoarding, "FROG_ROCKET_JUMP_BOARDING"},
    };
    for (const auto& [field, name] : table) {
        const float length = Length(game, name);
        if (length > 0.0f) *field = length;
    }
    SettingsManager& settings = SettingsManager::Instance();
    t.rocketLookAhead = settings.GetFloat("frogRocketJumpInterval");
    goalReach_ = settings.GetFloat("inGoalDistance");
    catchReach_ = settings.GetFloat("catchInsectsDistance");
    timings_ = t;
}

std::vector<BotInput> Bot::Decide(Game& game) {
    ++tick_;
    const GameState state = game.GetState();
    if (state == kStatePlaying) {
        World* world = game.GetWorldIfAny();
        Frog* frog = game.GetFrog();
        if (!world || !frog) return {};
        if (!timings_) LoadTimings(game);
        const float time = world->GetLevelInfo().timeLeftSeconds;
        const float step = lastTime_ - time;
        if (step > kShortestTick && step < kLongestTick) tickSeconds_ = step;
        lastTime_ = time;
        if (const std::optional<BotInput> input = DecideInPlay(game, *frog, *world)) return {*input};
        return {};
    }
    return options_.playsMenus ? DecideInMenus(game) : std::vector<BotInput>{};
}

std::vector<BotInput> Bot::DecideInMenus(Game& game) {
    const GameState state = game.GetState();
    if (state == kStateHighScoreTable) {
        gameOver_ = true;
        HighScore& table = HighScore::Instance();
        if (!table.IsEditing()) return {{BotInput::Kind::Key, platform::VK_ESCAPE}};
        if (typed_ < options_.name.size()) {
            return {{BotInput::Kind::Char, static_cast<uint32_t>(static_cast<unsigned char>(options_.name[typed_++]))}};
        }
        return {{BotInput::Kind::Char, kEnterChar}};
    }
    if (state == kStateTitleMenu) {
        if (!started_) {
            started_ = true;
            return {{BotInput::Kind::Key, 'S'}};
        }
        if (gameOver_ && !finished_) {
            finished_ = true;
            return {{BotInput::Kind::Key, platform::VK_ESCAPE}};
        }
    }
    return {};
}

std::optional<BotInput> Bot::DecideInPlay(Game& game, Frog& frog, World& world) {
    const TrackObject* carrier = frog.GetCarrier();
    if (carrier != carrier_) {
        carrier_ = carrier;
        carrierSince_ = tick_;
    }
    if (frog.GetState() != FS_IDLE || frog.PendingCommand()) return std::nullopt;
    const WaterLilyGoal* goalObject = world.GetGoal();
    if (!goalObject) return std::nullopt;

    GamePlanWorld::Limits limits;
    limits.tickSeconds = tickSeconds_;
    const GamePlanWorld view(world, limits);
    FrogPlanner::Settings settings;
    settings.tickSeconds = tickSeconds_;
    settings.rowHeight = world.GetGrid().CellHeight();
    settings.sidewaysJump = world.GetGrid().CellWidth();
    FrogPlanner planner(view, *timings_, settings);

    FrogStart start;
    start.x = frog.GetX();
    start.y = static_cast<int>(std::floor(frog.GetY() + 0.5f));
    if (carrier) {
        start.carrier = view.Describe(*carrier, 0.0f);
        if (start.carrier) {
            start.carrier->safeSeconds -= static_cast<float>(tick_ - carrierSince_) * tickSeconds_;
        }
    }

    // An insect within the tongue's reach, and no piercer near enough to be provoked.
    const IntPoint seen = frog.GetVisiblePosition();
    const auto fx = static_cast<float>(seen.x);
    const auto fy = static_cast<float>(seen.y);
    bool edibleNear = false;
    bool piercerNear = false;
    for (const auto& insect : game.GetInsects()) {
        if (insect->IsEaten()) continue;
        const float d = Distance(insect->GetX(), insect->GetY(), fx, fy);
        if (insect->IsPiercer()) {
            piercerNear = piercerNear || d < catchReach_ + kPiercerKeepOff;
        } else {
            edibleNear = edibleNear || d < catchReach_ - kCatchMargin;
        }
    }
    const int catchTicks = static_cast<int>(std::ceil(Length(game, "FROG_CATCH_INSECT") / tickSeconds_)) + 2;
    if (edibleNear && !piercerNear && planner.CanStay(start, catchTicks)) {
        nextPlanTick_ = 0;
        return BotInput{BotInput::Kind::Key, platform::VK_SPACE};
    }

    if (tick_ < nextPlanTick_) return std::nullopt;
    const PlanGoal goal{static_cast<int>(goalObject->GetX()), static_cast<int>(goalObject->GetY()), goalReach_};
    const PlanResult plan = planner.Plan(start, goal);
    if (plan.move == BotMove::None) {
        nextPlanTick_ = tick_ + kReplanTicks;
        return std::nullopt;
    }
    nextPlanTick_ = 0;
    return BotInput{BotInput::Kind::Key, KeyOf(plan.move)};
}
