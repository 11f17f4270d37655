#include "game/Game.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "core/Randomizer.h"
#include "core/StringUtil.h"
#include "game/HighScore.h"
#include "game/ReplayPlayback.h"
#include "gfx/HUDFont.h"
#include "platform/Messages.h"
#include "sound/SoundHelpers.h"

namespace {

// "Demo – Taste drücken" in the fonts' code page (Windows-1252: 0x96 en dash, 0xFC u umlaut).
constexpr const char* kDemoHint =
    "Demo \x96 Taste dr\xfc"
    "cken";
constexpr float kHintBlinkSeconds = 0.5f;
constexpr int kHintY = 560;
constexpr int kScreenWidth = 800;
constexpr int kMaxReplayEntries = 10;
// On the high-score screen: the digit that plays an entry's replay, on the grass left of the table, and
// a line saying so below the table.
constexpr const char* kWatchHint =
    "Ziffer dr\xfc"
    "cken: Partie ansehen";
constexpr int kEntryDigitX = 120;  // right end of the digit, clear of the table's frame
constexpr int kFirstEntryY = 120;
constexpr int kEntryRowHeight = 35;
constexpr int kWatchHintY = 482;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

void Game::SetReplayStamp(std::string gameVersion, std::string dataHash) {
    gameVersion_ = std::move(gameVersion);
    dataHash_ = std::move(dataHash);
}

bool Game::AcceptsReplay(const Replay& replay, std::string& why) const {
    if (replay.gameVersion != gameVersion_) {
        why = "it was recorded by version " + replay.gameVersion + " of the game, this is version " + gameVersion_;
        return false;
    }
    if (replay.dataHash != dataHash_) {
        why = "it was recorded with other game data (data " + replay.dataHash + ", here " + dataHash_ + ")";
        return false;
    }
    return true;
}

std::optional<uint32_t> Game::DemoStepUs() const { return demo_ ? demo_->StepUs() : std::nullopt; }

void Game::StartDemo(std::unique_ptr<DemoSource> source, GameState returnState, bool quitAfter) {
    if (!source) return;
    recording_.reset();
    if (state_ != kStateTitleMenu) SetState(kStateTitleMenu);
    demo_ = std::move(source);
    demoReturnState_ = returnState;
    demoQuitAfter_ = quitAfter;
    demoSeconds_ = 0.0f;
    idleSeconds_ = 0.0f;
    shadowsBeforeDemo_ = shadowsOn_;
    if (const std::optional<bool> shadows = demo_->Shadows()) shadowsOn_ = *shadows;
    if (const std::optional<uint32_t> seed = demo_->Seed()) Randomizer::Instance().Seed(*seed);
    // As the S key on the title menu starts a game.
    NewGame();
    SetState(kStatePlaying);
}

void Game::StopDemo() {
    if (!demo_) return;
    demo_.reset();
    shadowsOn_ = shadowsBeforeDemo_;
    idleSeconds_ = 0.0f;
    StopIdleSound();
    if (demoQuitAfter_) platform::PostQuitMessage(0);
    SetState(demoReturnState_);
}

bool Game::InterceptInput(Replay::Event::Kind kind, int a, int b) {
    if (injecting_) return false;
    idleSeconds_ = 0.0f;
    using Kind = Replay::Event::Kind;
    if (demo_) {
        // The release of the click that ended the demo must not press a title-menu button.
        swallowMouseUp_ = kind == Kind::Down;
        StopDemo();
        return true;
    }
    if (kind == Kind::Up && swallowMouseUp_) {
        swallowMouseUp_ = false;
        return true;
    }
    if (kind == Kind::Key && state_ == kStateHighScoreTable && !HighScore::Instance().IsEditing() && a >= '0' &&
        a <= '9') {
        WatchEntry(a == '0' ? kMaxReplayEntries - 1 : a - '1');
        return true;
    }
    if (recording_) recording_->AddEvent(kind, a, b);
    return false;
}

bool Game::BeforeStateChange(GameState newState) {
    const bool gameEnds = newState == kStateHighScoreSubmit || newState == kStateTitleMenu;
    if (!gameEnds) return true;
    if (recording_) {
        std::string error;
        if (!recordPath_.empty() && !recording_->Save(recordPath_, error)) {
            std::fprintf(stderr, "reedjumper: %s\n", error.c_str());
        }
        // A game abandoned with Escape is not offered to the table.
        if (newState == kStateHighScoreSubmit) lastRecording_ = std::move(recording_);
        recording_.reset();
    }
    if (demo_ && newState != state_) {
        StopDemo();
        return false;
    }
    return true;
}

void Game::BeginRecording() {
    if (demo_) return;
    recording_ = std::make_unique<Replay>();
    recording_->gameVersion = gameVersion_;
    recording_->dataHash = dataHash_;
    recording_->seed = Randomizer::Instance().State();
    recording_->shadows = shadowsOn_;
}

void Game::BeginTick(uint32_t stepUs) {
    if (demo_) {
        std::vector<Replay::Event> input;
        if (!demo_->Next(*this, input)) {
            StopDemo();
        } else {
            injecting_ = true;
            for (const Replay::Event& e : input) {
                if (!demo_) break;  // the input ended the demo's game
                switch (e.kind) {
                case Replay::Event::Kind::Key: OnKeyDown(static_cast<uint32_t>(e.a)); break;
                case Replay::Event::Kind::Char: OnChar(static_cast<uint32_t>(e.a)); break;
                case Replay::Event::Kind::Down: OnMouseDown(e.a, e.b); break;
                case Replay::Event::Kind::Up: OnMouseUp(e.a, e.b); break;
                case Replay::Event::Kind::Pad: OnPadButton(static_cast<uint32_t>(e.a)); break;
                case Replay::Event::Kind::PadRemoved: OnPadRemoved(); break;
                case Replay::Event::Kind::FocusLost: PauseForLostFocus(); break;
                }
            }
            injecting_ = false;
        }
    }
    if (recording_) recording_->AddTick(stepUs);
}

void Game::AfterFrame(float dt) {
    if (demo_) {
        demoSeconds_ += dt;
        DrawDemoHint();
        return;
    }
    if (state_ == kStateHighScoreTable && !HighScore::Instance().IsEditing()) DrawReplayMarks();
    if (state_ != kStateTitleMenu) {
        idleSeconds_ = 0.0f;
        return;
    }
    idleSeconds_ += dt;
    if (idleSeconds_ >= kAttractSeconds) StartAttract();
}

void Game::DrawDemoHint() {
    if (std::fmod(demoSeconds_, 2.0f * kHintBlinkSeconds) >= kHintBlinkSeconds) return;
    HUDFont& font = HUDFont::Instance();
    font.DrawText((kScreenWidth - font.TextWidth(kDemoHint)) / 2, kHintY, kDemoHint);
}

void Game::DrawReplayMarks() {
    HUDFont& font = HUDFont::Instance();
    bool any = false;
    const int entries = std::min(static_cast<int>(HighScore::Instance().Entries().size()), kMaxReplayEntries);
    for (int i = 0; i < entries; ++i) {
        std::error_code error;
        if (!std::filesystem::exists(EntryReplayPath(i), error)) continue;
        any = true;
        font.DrawText(kEntryDigitX, kFirstEntryY + i * kEntryRowHeight, StringFormat("%d", (i + 1) % 10), true);
    }
    if (any) font.DrawText((kScreenWidth - font.TextWidth(kWatchHint)) / 2, kWatchHintY, kWatchHint);
}

void Game::StartAttract() {
    idleSeconds_ = 0.0f;
    Replay best;
    std::string error;
    std::string why;
    if (!HighScore::Instance().Entries().empty() && Replay::Load(EntryReplayPath(0), best, error) &&
        AcceptsReplay(best, why)) {
        StartDemo(std::make_unique<ReplayPlayback>(std::move(best)), kStateTitleMenu);
        return;
    }
    if (botDemoFactory_) StartDemo(botDemoFactory_(), kStateTitleMenu);
}

std::string Game::EntryReplayPath(int index) const {
    return FolderOf(HighScore::Instance().FilePath()) + "/" + StringFormat("HighScore-%02d.replay", index + 1);
}

void Game::StoreEntryReplay(int index) {
    if (!lastRecording_ || index < 0) return;
    const int entries = static_cast<int>(HighScore::Instance().Entries().size());
    // The entries below move down one place and take their replays with them; the one pushed off
    // the table loses its replay.
    std::remove(EntryReplayPath(entries - 1).c_str());
    for (int i = entries - 2; i >= index; --i) std::rename(EntryReplayPath(i).c_str(), EntryReplayPath(i + 1).c_str());
    std::string error;
    if (!lastRecording_->Save(EntryReplayPath(index), error)) std::fprintf(stderr, "reedjumper: %s\n", error.c_str());
}

bool Game::WatchEntry(int index) {
    if (index < 0 || index >= static_cast<int>(HighScore::Instance().Entries().size())) return false;
    Replay replay;
    std::string error;
    if (!Replay::Load(EntryReplayPath(index), replay, error)) {
        std::fprintf(stderr, "reedjumper: %s\n", error.c_str());
        return false;
    }
    std::string why;
    if (!AcceptsReplay(replay, why)) {
        std::fprintf(stderr, "reedjumper: the replay %s cannot be played: %s\n", EntryReplayPath(index).c_str(),
                     why.c_str());
        return false;
    }
    StartDemo(std::make_unique<ReplayPlayback>(std::move(replay)), kStateHighScoreTable);
    return true;
}
