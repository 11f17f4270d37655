#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/SoundEngineTestBase.h"
#include "sound/SoundFx.h"
#include "sound/SoundHelpers.h"

namespace {

class SoundHelpersTest : public SoundEngineTestBase {
protected:
    void SetUp() override {
        SoundEngineTestBase::SetUp();
        ASSERT_TRUE(SoundTestFiles::Sox("-n -r 22050 -c 1 -b 16", "click.wav", "synth 0.5 square 500"));
        ASSERT_TRUE(engine().LoadSound("SOUND_MENU_BUTTON_CLICK", SoundTestFiles::DataPath("click.wav"), 0, false));
    }
};

TEST_F(SoundHelpersTest, PlayStopAndAskByResourceName) {
    EXPECT_FALSE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", true));
    PlaySfx("SOUND_MENU_BUTTON_CLICK");
    EXPECT_TRUE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", false));
    StopSfx("SOUND_MENU_BUTTON_CLICK");
    EXPECT_FALSE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", true));
    PlaySfxLooped("SOUND_MENU_BUTTON_CLICK");
    platform::AdvanceVirtualTime(2000);
    EXPECT_TRUE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", false));
}

TEST_F(SoundHelpersTest, SoundOffOrUnknownNameDoesNothingAndGivesTheDefault) {
    SoundFx* click = engine().GetSound("SOUND_MENU_BUTTON_CLICK");
    engine().SetEnabled(false);
    PlaySfx("SOUND_MENU_BUTTON_CLICK");
    EXPECT_FALSE(click->IsPlaying());
    PlaySfxLooped("SOUND_MENU_BUTTON_CLICK");
    EXPECT_FALSE(click->IsPlaying());
    EXPECT_TRUE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", true));
    EXPECT_FALSE(IsSfxPlaying("SOUND_MENU_BUTTON_CLICK", false));

    engine().SetEnabled(true);
    click->PlayLooped();
    engine().SetEnabled(false);
    StopSfx("SOUND_MENU_BUTTON_CLICK");
    EXPECT_TRUE(click->IsPlaying());  // switched off, the helpers leave sounds alone

    engine().SetEnabled(true);
    PlaySfx("SOUND_NOT_LOADED");
    PlaySfxLooped("SOUND_NOT_LOADED");
    StopSfx("SOUND_NOT_LOADED");
    EXPECT_TRUE(IsSfxPlaying("SOUND_NOT_LOADED", true));
    EXPECT_FALSE(IsSfxPlaying("SOUND_NOT_LOADED", false));
}

TEST_F(SoundHelpersTest, StartedSoundsAreReportedAlsoWithoutSound) {
    PlaySfx("SOUND_MENU_BUTTON_CLICK");
    EXPECT_TRUE(engine().TakeStartedSounds().empty());  // not recording

    engine().SetRecordStarts(true);
    PlaySfx("SOUND_MENU_BUTTON_CLICK");
    engine().SetEnabled(false);
    PlaySfxLooped("SOUND_THEME");
    StopSfx("SOUND_MENU_BUTTON_CLICK");
    const std::vector<std::string> expected = {"SOUND_MENU_BUTTON_CLICK", "SOUND_THEME"};
    EXPECT_EQ(engine().TakeStartedSounds(), expected);
    EXPECT_TRUE(engine().TakeStartedSounds().empty());
}

}  // namespace
