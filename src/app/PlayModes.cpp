#include "app/PlayModes.h"

#include <cstdio>
#include <string>
#include <utility>

#include "app/StateDump.h"
#include "bot/BotDemoSource.h"
#include "files/GameDataHash.h"
#include "game/Game.h"
#include "world/GameState.h"
#include "game/ReplayPlayback.h"
#include "sound/SoundEngine.h"

#ifndef RJ_VERSION
#define RJ_VERSION "1.0.0"
#endif

namespace {
// Ticks after the replay's last one: the title menu it returns to, and the tick after the quit.
constexpr int kTicksAfterReplay = 2;
constexpr const char* kBotName = "Robo";
}  // namespace

bool PlayModes::ReadReplay() {
    if (options_.replayFile.empty()) return true;
    Replay replay;
    std::string error;
    if (!Replay::Load(options_.replayFile, replay, error)) {
        std::fprintf(stderr, "reedjumper: %s\n", error.c_str());
        return false;
    }
    replay_ = std::move(replay);
    return true;
}

int PlayModes::ReplayTicks() const {
    return replay_ ? static_cast<int>(replay_->stepsUs.size()) + kTicksAfterReplay : -1;
}

bool PlayModes::Setup(Game& game) {
    game.SetReplayStamp(RJ_VERSION, HashGameData());
    game.SetBotDemoFactory([] { return std::make_unique<BotDemoSource>(); });
    game.SetRecordPath(options_.recordFile);
    if (replay_) {
        std::string why;
        if (!game.AcceptsReplay(*replay_, why)) {
            std::fprintf(stderr, "reedjumper: the replay %s cannot be played: %s\n", options_.replayFile.c_str(),
                         why.c_str());
            return false;
        }
    }
    if (!options_.headless && !options_.stateFile.empty()) {
        windowState_.open(options_.stateFile, std::ios::out | std::ios::trunc);
        if (!windowState_) {
            std::fprintf(stderr, "reedjumper: cannot write the state file %s\n", options_.stateFile.c_str());
            return false;
        }
        SoundEngine::Instance().SetRecordStarts(true);
    }
    return true;
}

void PlayModes::Start(Game& game) {
    if (replay_) game.StartDemo(std::make_unique<ReplayPlayback>(std::move(*replay_)), kStateTitleMenu, true);
    replay_.reset();
}

std::function<void()> PlayModes::AfterTick(Game& game, platform::Window& window) {
    if (options_.autoplay) bot_ = std::make_unique<BotDriver>(Bot::Options{true, kBotName});
    if (!bot_ && !windowState_.is_open()) return {};
    return [this, &game, &window] {
        if (windowState_.is_open()) {
            windowState_ << DescribeGameState(game, ++windowTick_, SoundEngine::Instance().TakeStartedSounds()) << '\n';
        }
        if (bot_) bot_->AfterTick(game, window);
    };
}
