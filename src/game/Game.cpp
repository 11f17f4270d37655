#include "game/Game.h"

#include <algorithm>

#include "core/StringUtil.h"
#include "game/GameScore.h"
#include "game/MenuButtons.h"
#include "game/ScreenMessage.h"
#include "gfx/DirectDraw.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/objects/Insect.h"
#include "world/objects/TrackObjectFactory.h"
#include "world/objects/VisualObject.h"
#include "platform/Clock.h"
#include "sound/SoundHelpers.h"
#include "world/BlockInfo.h"
#include "world/Frog.h"
#include "world/World.h"

namespace {

constexpr float kNewGameScrollSeconds = 5.0f;

}  // namespace

Game::Game() = default;
// The world goes before the frog: its objects drop their links to the frog as they go.
Game::~Game() {
    insects_.clear();
    world_.reset();
}

void Game::SetState(GameState newState) {
    if (!BeforeStateChange(newState)) return;
    // Menu screens slide in; so does the first frame of a game started from the title menu.
    // Changes between phases of play switch without a transition.
    const bool transition = newState != state_ && (ScreenOf(newState).has_value() ||
                                                   (newState == kStatePlaying && state_ == kStateTitleMenu));
    if (transition) DirectDraw::Instance().StartTransition(false);
    state_ = newState;
    if (newState == kStateCredits) creditsPosition_ = 0.0f;
}

void Game::StartClock() { pacer_.Restart(platform::TimeGetMicroseconds()); }

bool Game::Tick(bool hasFocus) {
    const uint64_t now = platform::TimeGetMicroseconds();
    if (!hasFocus) {
        PauseForLostFocus();
        // The time spent without focus is never seen by the game: it resumes with a small step.
        pacer_.Restart(now);
        return false;
    }
    std::optional<uint64_t> stepUs;
    if (const std::optional<uint32_t> demoStep = DemoStepUs()) {
        // A replay brings the time step of each of its ticks: its tick is due once that much time
        // has passed, and it runs with exactly that step.
        if (now - lastTickUs_ < *demoStep) return false;
        pacer_.Restart(now);
        stepUs = *demoStep;
    } else {
        stepUs = pacer_.Take(now);
        if (!stepUs) return false;
    }
    lastTickUs_ = now;
    // Milliseconds with their fraction, times the millisecond factor, so that a whole number of
    // milliseconds gives the very same step as a millisecond clock.
    const float dt = static_cast<float>(static_cast<double>(*stepUs) / 1000.0) * 0.001f;

    BeginTick(static_cast<uint32_t>(*stepUs));
    RunFrameHandler(dt);
    AfterFrame(dt);
    // Keys read for the first time during play (a level's lanes, its insects) may be missing too.
    EndOnDamagedSettings();
    SpriteManager::Instance().CheckInvalidSprites();
    DirectDraw& display = DirectDraw::Instance();
    display.AdvanceTransition(std::min(dt, DirectDraw::kMaxTransitionStep));
    display.Present();
    return true;
}

uint64_t Game::MicrosecondsToNextTick() const { return pacer_.Remaining(platform::TimeGetMicroseconds()); }

uint32_t Game::MillisecondsToNextTick() const {
    constexpr uint64_t kMicrosecondsPerMs = 1000;
    return static_cast<uint32_t>((MicrosecondsToNextTick() + kMicrosecondsPerMs - 1) / kMicrosecondsPerMs);
}

void Game::NewGame() {
    overlays_.NewGame();
    BeginRecording();
    BlockInfo::Instance().ClearBlockers();
    if (!world_) world_ = std::make_unique<World>(*this);
    world_->GetLevelInfo().LoadLevelSettings();
    GameScore::Instance().Reset();
    TrackObjectFactory::Instance().LoadFrequencies();
    StartLevel();
    world_->GetScroller().ResetScrollTarget();
    // The view starts where the frog stands, not at the bottom of the world.
    world_->GetScroller().UpdateScroll(kNewGameScrollSeconds);
    ScreenMessage::Instance().Clear();
    // A game left with Escape may have stopped any of them half-way.
    deathWaitTimer_ = 0.0f;
    gameOverTimer_ = 0.0f;
    finalScrollTimer_ = 0.0f;
    showDownTimer_ = 0.0f;
}

void Game::Shutdown() {
    insects_.clear();
    frog_.reset();
    world_.reset();
    SpriteManager::Instance().ReleaseAll();
}

bool Game::DrawSprite(std::string_view name, int x, int y) {
    Sprite* sprite = SpriteManager::Instance().GetSprite(MakeAssetKey(name));
    if (!sprite) return false;
    sprite->Draw(x, y);
    return true;
}

void Game::StopIdleSound() { StopSfx("SOUND_FROG_IDLE"); }

// --- GameContext ---

FloatPoint Game::GetScrollPosition() const { return world_ ? world_->GetScroller().GetPosition() : FloatPoint{}; }

Frog* Game::GetFrog() { return frog_.get(); }

World& Game::GetWorld() {
    if (!world_) world_ = std::make_unique<World>(*this);
    return *world_;
}

Sprite* Game::GetSprite(std::string_view key, bool mirrored) {
    return SpriteManager::Instance().GetSprite(std::string(key), mirrored);
}

void Game::PlaySound(std::string_view name) { PlaySfx(std::string(name)); }

void Game::StartFrogDying() { SetState(kStateFrogDying); }

void Game::ResetScrollTarget() {
    if (world_) world_->GetScroller().ResetScrollTarget();
}

void Game::AddStar(const VisualObject& where) {
    const IntPoint position = where.GetRoundedPosition();
    const FloatPoint scroll = GetScrollPosition();
    const int viewX = position.x - VisualObject::Round(scroll.x);
    const int viewY = position.y - VisualObject::Round(scroll.y);
    if (!GameScore::Instance().AddStar(viewX, viewY) || !world_) return;
    // A completed set of stars: a life while bonus lives are left, else points.
    ScreenMessage& message = ScreenMessage::Instance();
    LevelInfo& level = world_->GetLevelInfo();
    if (level.AwardBonusLife(*this) == LevelInfo::BonusAward::StarScore) {
        GameScore::Instance().AddDirect(level.starScoreBonus);
        message.Show(message.Fixed().starBonus1, message.Fixed().starBonus2);
    } else {
        message.Show(message.Fixed().bonusLife1, message.Fixed().bonusLife2);
    }
}
