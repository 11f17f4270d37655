#include <gtest/gtest.h>

#include <string>

#include "platform/Clock.h"
#include "platform/SoundDeviceBuffer.h"
#include "sound/SoundEngineTestBase.h"
#include "sound/SoundFx.h"

namespace {

class SoundFxTest : public SoundEngineTestBase {
protected:
    void SetUp() override {
        SoundEngineTestBase::SetUp();
        // 0.2 s at 22050 Hz mono.
        ASSERT_TRUE(SoundTestFiles::Sox("-n -r 22050 -c 1 -b 16", "blip.wav", "synth 0.2 sine 880"));
        ASSERT_TRUE(engine().LoadSound("SOUND_BLIP", SoundTestFiles::DataPath("blip.wav"),
                                       SoundEngine::kFlagVolume | SoundEngine::kFlagFrequency, false));
        sound = engine().GetSound("SOUND_BLIP");
        ASSERT_NE(sound, nullptr);
    }

    SoundFx* sound = nullptr;
};

TEST_F(SoundFxTest, PlaysOnceThenStops) {
    EXPECT_FALSE(sound->IsPlaying());
    sound->Play();
    EXPECT_TRUE(sound->IsPlaying());
    platform::AdvanceVirtualTime(190);
    EXPECT_TRUE(sound->IsPlaying());
    platform::AdvanceVirtualTime(20);
    EXPECT_FALSE(sound->IsPlaying());
}

TEST_F(SoundFxTest, PlayRestartsFromTheBeginning) {
    sound->Play();
    platform::AdvanceVirtualTime(150);
    sound->Play();
    uint32_t play = 0;
    sound->GetBuffer()->GetCurrentPosition(&play, nullptr);
    EXPECT_EQ(play, 0u);
    platform::AdvanceVirtualTime(150);
    EXPECT_TRUE(sound->IsPlaying());  // would have ended without the restart
}

TEST_F(SoundFxTest, LoopsUntilStopped) {
    sound->PlayLooped();
    platform::AdvanceVirtualTime(1000);
    EXPECT_TRUE(sound->IsPlaying());
    sound->Stop();
    EXPECT_FALSE(sound->IsPlaying());
}

TEST_F(SoundFxTest, NothingStartsWhileTheEngineIsOff) {
    engine().SetEnabled(false);
    sound->Play();
    EXPECT_FALSE(sound->IsPlaying());
    sound->PlayLooped();
    EXPECT_FALSE(sound->IsPlaying());
}

TEST_F(SoundFxTest, VolumeFactorBecomesHundredthsOfADecibel) {
    struct Case {
        float factor;
        int32_t volume;
    };
    const Case cases[] = {{1.0f, 0},      {0.0f, -10000}, {0.5f, -5000},  {0.99999f, 0},
                          {0.25f, -7500}, {1.5f, 0},      {-0.5f, -10000}};
    for (const Case& c : cases) {
        sound->SetVolume(c.factor);
        EXPECT_EQ(sound->GetBuffer()->GetVolume(), c.volume) << c.factor;
    }
}

TEST_F(SoundFxTest, FrequencyChangesHowLongItPlays) {
    sound->SetFrequency(44100);
    sound->Play();
    platform::AdvanceVirtualTime(101);
    EXPECT_FALSE(sound->IsPlaying());
}

}  // namespace
