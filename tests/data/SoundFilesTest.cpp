#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "data/SoundSamples.h"

using namespace sound_test;

namespace {

// Headroom for several sounds at once: effects peak at −6 dBFS; the streams are mastered to
// −4 dBFS, and Vorbis decoding may overshoot that by up to a decibel.
constexpr float kEffectPeakCeilingDb = -6.0f;
constexpr float kStreamPeakCeilingDb = -3.0f;
// Rounding a peak to 16 bits, or Vorbis decoding, may land a hair above it.
constexpr float kPeakToleranceDb = 0.05f;
constexpr float kLoudnessSpreadDb = 4.0f;
constexpr double kMaxDcOffset = 0.002;  // about −54 dBFS
constexpr float kSilentEdge = 0.01f;    // −40 dBFS

// Effects the game plays looped: their ends join instead of fading.
bool PlayedLooped(const std::string& name) { return name == "SOUND_HIGHSCORE"; }

std::vector<GameSound> AllSounds() {
    std::vector<GameSound> all = GameSounds(false);
    const std::vector<GameSound> streams = GameSounds(true);
    all.insert(all.end(), streams.begin(), streams.end());
    return all;
}

}  // namespace

TEST(SoundFiles, EveryEffectIsA16Bit22050HzMonoWave) {
    for (const GameSound& sound : GameSounds(false)) {
        SCOPED_TRACE(sound.path);
        const Samples& s = Load(sound);
        ASSERT_EQ(s.error, "");
        EXPECT_EQ(s.formatTag, 1);
        EXPECT_EQ(s.bits, 16);
        EXPECT_EQ(s.rate, 22050);
        EXPECT_EQ(s.channels, 1);
        EXPECT_GT(s.Seconds(), 0.03);
    }
}

TEST(SoundFiles, EveryStreamIsA44100HzStereoOggOfItsLength) {
    for (const GameSound& sound : GameSounds(true)) {
        SCOPED_TRACE(sound.path);
        const Samples& s = Load(sound);
        ASSERT_EQ(s.error, "");
        EXPECT_EQ(s.rate, 44100);
        EXPECT_EQ(s.channels, 2);
        EXPECT_GE(s.Seconds(), std::string(sound.name) == "SOUND_THEME" ? 60.0 : 20.0);
    }
}

TEST(SoundFiles, PeaksLeaveHeadroomForSoundsTogether) {
    for (const bool streams : {false, true}) {
        for (const GameSound& sound : GameSounds(streams)) {
            SCOPED_TRACE(sound.path);
            const float ceiling = streams ? kStreamPeakCeilingDb : kEffectPeakCeilingDb;
            EXPECT_LE(PeakDb(Load(sound)), ceiling + kPeakToleranceDb);
        }
    }
}

TEST(SoundFiles, NoSoundCarriesADcOffset) {
    for (const GameSound& sound : AllSounds()) {
        SCOPED_TRACE(sound.path);
        for (const auto& channel : Load(sound).data) {
            double sum = 0.0;
            for (float v : channel) {
                sum += v;
            }
            EXPECT_LT(std::fabs(sum / static_cast<double>(channel.size())), kMaxDcOffset);
        }
    }
}

TEST(SoundFiles, EffectsStartAndEndInSilence) {
    for (const GameSound& sound : GameSounds(false)) {
        if (PlayedLooped(sound.name)) {
            continue;
        }
        SCOPED_TRACE(sound.path);
        const auto& x = Load(sound).data.at(0);
        ASSERT_FALSE(x.empty());
        EXPECT_LE(std::fabs(x.front()), kSilentEdge);
        EXPECT_LE(std::fabs(x.back()), kSilentEdge);
    }
}

TEST(SoundFiles, EffectsShareOneLoudness) {
    std::vector<std::pair<float, std::string>> levels;
    for (const GameSound& sound : GameSounds(false)) {
        levels.emplace_back(RmsDb(Load(sound)), sound.name);
    }
    std::vector<std::pair<float, std::string>> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const float median = sorted[sorted.size() / 2].first;
    for (const auto& [db, name] : levels) {
        EXPECT_NEAR(db, median, kLoudnessSpreadDb) << name;
    }
}
