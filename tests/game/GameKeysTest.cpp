#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "game/Game.h"
#include "game/HighScore.h"
#include "game/VolumePanelLayout.h"
#include "game/VolumeSteps.h"
#include "platform/Gamepads.h"
#include "platform/Messages.h"
#include "platform/VirtualKeys.h"
#include "TempFolder.h"

namespace {

// The key table without a world: state changes and quit requests.
class GameKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetQuitState();
        musicWasOn_ = game_.MusicOn();
        shadowsWereOn_ = game_.ShadowsOn();
        musicVolume_ = game_.MusicVolume();
        effectsVolume_ = game_.EffectsVolume();
    }
    void TearDown() override {
        if (game_.MusicOn() != musicWasOn_) game_.ToggleMusic();
        if (game_.ShadowsOn() != shadowsWereOn_) game_.ToggleShadows();
        game_.SetVolumes(musicVolume_, effectsVolume_);
        game_.SetState(kStateTitleMenu);
        platform::ResetQuitState();
    }
    Game& game_ = Game::Instance();
    bool musicWasOn_ = true;
    bool shadowsWereOn_ = true;
    int musicVolume_ = 0;
    int effectsVolume_ = 0;
};

struct KeyCase {
    GameState state;
    uint32_t key;
    GameState expectedState;
    bool quits;
};

TEST_F(GameKeysTest, KeysChangeStatesAsTheTableSays) {
    const KeyCase cases[] = {
        {kStateTitleMenu, platform::VK_ESCAPE, kStateTitleMenu, true},
        {kStateLoading, platform::VK_ESCAPE, kStateLoading, true},
        {kStateHelp, platform::VK_ESCAPE, kStateTitleMenu, false},
        {kStateCredits, platform::VK_ESCAPE, kStateTitleMenu, false},
        {kStatePlaying, platform::VK_ESCAPE, kStateTitleMenu, false},
        {kStateFinalShowDown, platform::VK_ESCAPE, kStateTitleMenu, false},
        {kStateTitleMenu, 'E', kStateTitleMenu, true},
        {kStateHelp, 'E', kStateHelp, false},
        {kStateTitleMenu, 'H', kStateHelp, false},
        {kStateTitleMenu, 'G', kStateHighScoreTable, false},
        {kStateHelp, 'C', kStateCredits, false},
        {kStateTitleMenu, 'C', kStateTitleMenu, false},
        {kStateHelp, 'M', kStateTitleMenu, false},
        {kStateCredits, 'M', kStateTitleMenu, false},
        {kStateTitleMenu, 'M', kStateTitleMenu, false},
        {kStateTitleMenu, 'P', kStateTitleMenu, false},
        {kStateHelp, 'H', kStateHelp, false},
        {kStateTitleMenu, 'Z', kStateTitleMenu, false},
        {kStateHelp, platform::VK_UP, kStateHelp, false},  // arrows reach the frog only
    };
    for (const KeyCase& c : cases) {
        platform::ResetQuitState();
        game_.SetState(c.state);
        game_.OnKeyDown(c.key);
        EXPECT_EQ(game_.GetState(), c.expectedState) << "state " << c.state << ", key " << c.key;
        EXPECT_EQ(platform::IsQuitPosted(), c.quits) << "state " << c.state << ", key " << c.key;
        if (c.quits) {
            EXPECT_EQ(platform::GetQuitExitCode(), 0);
        }
    }
}

TEST_F(GameKeysTest, PauseResumesExactlyThePausedState) {
    for (GameState paused : {kStatePlaying, kStateFrogDying, kStateAfterDeath}) {
        game_.SetState(paused);
        game_.OnKeyDown('P');
        EXPECT_EQ(game_.GetState(), kStatePaused);
        EXPECT_EQ(game_.GetSavedState(), paused);
        game_.OnKeyDown('P');
        EXPECT_EQ(game_.GetState(), paused);
    }
    game_.SetState(kStateGameOver);
    game_.OnKeyDown('P');
    EXPECT_EQ(game_.GetState(), kStateGameOver);
}

TEST_F(GameKeysTest, MusicToggleWorksOnTheTitleMenuAndDuringLoadingOnly) {
    const bool before = game_.MusicOn();
    game_.SetState(kStateLoading);
    game_.OnKeyDown('U');
    EXPECT_NE(game_.MusicOn(), before);
    game_.SetState(kStateTitleMenu);
    game_.OnKeyDown('U');
    EXPECT_EQ(game_.MusicOn(), before);
    game_.SetState(kStateHelp);
    game_.OnKeyDown('U');
    EXPECT_EQ(game_.MusicOn(), before);
}

TEST_F(GameKeysTest, ShadowToggleWorksOnTheTitleMenuOnly) {
    const bool before = game_.ShadowsOn();
    game_.SetState(kStateHelp);
    game_.OnKeyDown('T');
    EXPECT_EQ(game_.ShadowsOn(), before);
    game_.SetState(kStateTitleMenu);
    game_.OnKeyDown('T');
    EXPECT_NE(game_.ShadowsOn(), before);
}

TEST_F(GameKeysTest, VolumeKeysStepOnTheTitleMenuWithinTheirRange) {
    game_.SetVolumes(5, 5);
    struct Case {
        GameState state;
        uint32_t key;
        int music;
        int effects;
    };
    const Case cases[] = {
        {kStateTitleMenu, '1', 4, 5}, {kStateTitleMenu, '2', 5, 5}, {kStateTitleMenu, '2', 6, 5},
        {kStateTitleMenu, '3', 6, 4}, {kStateTitleMenu, '4', 6, 5}, {kStateHelp, '1', 6, 5},
        {kStatePlaying, '4', 6, 5},
    };
    for (const Case& c : cases) {
        game_.SetState(c.state);
        game_.OnKeyDown(c.key);
        EXPECT_EQ(game_.MusicVolume(), c.music) << c.state << " " << c.key;
        EXPECT_EQ(game_.EffectsVolume(), c.effects) << c.state << " " << c.key;
    }
    game_.SetState(kStateTitleMenu);
    for (int i = 0; i < 12; ++i) game_.OnKeyDown('2');
    EXPECT_EQ(game_.MusicVolume(), VolumeSteps::kMax);
    for (int i = 0; i < 12; ++i) game_.OnKeyDown('3');
    EXPECT_EQ(game_.EffectsVolume(), 0);
}

TEST_F(GameKeysTest, VolumeButtonsStepOnReleaseOnTheTitleMenu) {
    game_.SetVolumes(5, 5);
    game_.SetState(kStateTitleMenu);
    for (const volume_panel::Button& button : volume_panel::kButtons) {
        const int x = (button.box.left + button.box.right) / 2;
        const int y = (button.box.top + button.box.bottom) / 2;
        const int music = game_.MusicVolume();
        const int effects = game_.EffectsVolume();
        game_.OnMouseDown(x, y);
        EXPECT_EQ(game_.MusicVolume(), music) << "nothing happens on the press";
        game_.OnMouseUp(x, y);
        const bool isMusic = button.row == volume_panel::Row::Music;
        EXPECT_EQ(game_.MusicVolume(), music + (isMusic ? button.delta : 0));
        EXPECT_EQ(game_.EffectsVolume(), effects + (isMusic ? 0 : button.delta));
    }
    const volume_panel::Box box = volume_panel::MinusBox(volume_panel::Row::Music);
    const int music = game_.MusicVolume();
    game_.OnMouseUp(box.left, box.top + 5);  // on the edge: outside
    game_.SetState(kStateHelp);
    game_.OnMouseUp(box.left + 5, box.top + 5);
    EXPECT_EQ(game_.MusicVolume(), music);
}

TEST_F(GameKeysTest, ThePadWalksOntoTheVolumeRowsAndStepsThemWithLeftAndRight) {
    using platform::PadButton;
    auto press = [this](PadButton button) { game_.OnPadButton(static_cast<uint32_t>(button)); };
    game_.SetState(kStateTitleMenu);
    game_.SetVolumes(5, 5);
    // Down from anywhere ends on the start button, whatever an earlier test left highlighted.
    for (int i = 0; i < 6; ++i) press(PadButton::Down);
    ASSERT_EQ(game_.GetPadSpot(), PadSpot::Start);

    struct Step {
        PadButton button;
        PadSpot spot;
        int music;
        int effects;
    };
    const Step steps[] = {
        {PadButton::Up, PadSpot::EffectsVolume, 5, 5},    {PadButton::Left, PadSpot::EffectsVolume, 5, 4},
        {PadButton::Right, PadSpot::EffectsVolume, 5, 5}, {PadButton::Right, PadSpot::EffectsVolume, 5, 6},
        {PadButton::A, PadSpot::EffectsVolume, 5, 6},     {PadButton::Up, PadSpot::MusicVolume, 5, 6},
        {PadButton::Left, PadSpot::MusicVolume, 4, 6},    {PadButton::Up, PadSpot::Shadows, 4, 6},
        {PadButton::Down, PadSpot::MusicVolume, 4, 6},    {PadButton::Down, PadSpot::EffectsVolume, 4, 6},
        {PadButton::Down, PadSpot::Start, 4, 6},
    };
    for (const Step& step : steps) {
        press(step.button);
        const int at = static_cast<int>(&step - steps);
        EXPECT_EQ(game_.GetPadSpot(), step.spot) << "step " << at;
        EXPECT_EQ(game_.MusicVolume(), step.music) << "step " << at;
        EXPECT_EQ(game_.EffectsVolume(), step.effects) << "step " << at;
        EXPECT_EQ(game_.GetState(), kStateTitleMenu) << "step " << at;
        const bool onRow = step.spot == PadSpot::MusicVolume || step.spot == PadSpot::EffectsVolume;
        EXPECT_EQ(game_.PadVolumeRow().has_value(), onRow) << "step " << at;
        EXPECT_EQ(game_.PadHighlightedButton() == nullptr, onRow) << "step " << at;
    }
    // Held at the ends of the range like the keys and the buttons.
    press(PadButton::Up);
    press(PadButton::Up);
    for (int i = 0; i < 12; ++i) press(PadButton::Right);
    EXPECT_EQ(game_.MusicVolume(), VolumeSteps::kMax);
    game_.SetState(kStateHelp);
    EXPECT_FALSE(game_.PadVolumeRow().has_value()) << "the highlight belongs to the title menu";
}

TEST_F(GameKeysTest, LosingTheFocusPausesPlayAndOnlyPlay) {
    for (GameState playing : {kStatePlaying, kStateFrogDying, kStateAfterDeath}) {
        game_.SetState(playing);
        EXPECT_FALSE(game_.Tick(false));
        EXPECT_EQ(game_.GetState(), kStatePaused);
        EXPECT_EQ(game_.GetSavedState(), playing);
        game_.Tick(false);
        EXPECT_EQ(game_.GetSavedState(), playing) << "a second lost-focus tick keeps what was paused";
        game_.OnKeyDown('P');
        EXPECT_EQ(game_.GetState(), playing);
    }
    for (GameState other : {kStateTitleMenu, kStateHelp, kStateGameOver, kStateFinalShowDown, kStateHighScoreTable}) {
        game_.SetState(other);
        game_.Tick(false);
        EXPECT_EQ(game_.GetState(), other);
    }
}

TEST_F(GameKeysTest, EnteringCreditsRestartsTheRollEachTime) {
    game_.SetState(kStateCredits);
    game_.UpdateCredits(4.0f);
    EXPECT_FLOAT_EQ(game_.GetCreditsPosition(), -100.0f);
    game_.SetState(kStateTitleMenu);
    game_.SetState(kStateCredits);
    EXPECT_FLOAT_EQ(game_.GetCreditsPosition(), 0.0f);
}

TEST_F(GameKeysTest, MIsALetterOfTheNameWhileOneIsTypedAndEscapeStillLeaves) {
    HighScore& table = HighScore::Instance();
    const TempFolder folder("rj-game-keys");
    table.SetFilePath(folder.File("HighScore.txt"));
    table.SetDefaults();
    ASSERT_TRUE(table.Submit(5000));
    ASSERT_TRUE(table.IsEditing());
    game_.SetState(kStateHighScoreTable);
    game_.OnKeyDown('M');
    EXPECT_EQ(game_.GetState(), kStateHighScoreTable);
    game_.OnChar('M');
    game_.OnKeyDown(platform::VK_ESCAPE);
    EXPECT_EQ(game_.GetState(), kStateTitleMenu);
    EXPECT_FALSE(table.IsEditing()) << "leaving commits the name";
    EXPECT_EQ(table.Entries().front().score, 5000);
    EXPECT_EQ(table.Entries().front().name.back(), 'M');
}

}  // namespace
