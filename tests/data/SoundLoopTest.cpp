#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "data/SoundSamples.h"

using namespace sound_test;

namespace {

constexpr double kJoinWindowSeconds = 0.010;
constexpr double kLevelWindowSeconds = 0.5;
// The seam may be as rough as the roughest spot next to it, with some room, never rougher.
constexpr float kSeamRoom = 1.5f;
constexpr float kLevelJumpDb = 6.0f;

struct Seam {
    float step;      // |first − last|
    float maxStep;   // largest step inside the 10 ms on either side
    float error;     // how far the first sample misses the line through the last two
    float maxError;  // the same miss, largest inside the windows
};

// The last and the first 10 ms of a loop, joined as the player hears them.
Seam MeasureSeam(const std::vector<float>& x, int rate) {
    const std::size_t w = static_cast<std::size_t>(kJoinWindowSeconds * rate);
    std::vector<float> joined(x.end() - static_cast<std::ptrdiff_t>(w), x.end());
    joined.insert(joined.end(), x.begin(), x.begin() + static_cast<std::ptrdiff_t>(w));
    Seam seam{std::fabs(joined[w] - joined[w - 1]), 0.0f, std::fabs(joined[w] - 2.0f * joined[w - 1] + joined[w - 2]),
              0.0f};
    for (std::size_t i = 2; i < joined.size(); ++i) {
        if (i == w) {
            continue;
        }
        seam.maxStep = std::max(seam.maxStep, std::fabs(joined[i] - joined[i - 1]));
        seam.maxError = std::max(seam.maxError, std::fabs(joined[i] - 2.0f * joined[i - 1] + joined[i - 2]));
    }
    return seam;
}

bool Continuous(const Seam& seam) {
    const float lsb = 2.0f / 32768.0f;
    return seam.step <= kSeamRoom * seam.maxStep + lsb && seam.error <= kSeamRoom * seam.maxError + lsb;
}

// Every sound the game restarts at its end: the streams, and the high-score jingle it loops.
std::vector<GameSound> LoopedSounds() {
    std::vector<GameSound> loops = GameSounds(true);
    for (const GameSound& sound : GameSounds(false)) {
        if (std::string(sound.name) == "SOUND_HIGHSCORE") {
            loops.push_back(sound);
        }
    }
    return loops;
}

}  // namespace

TEST(SoundLoops, SeamCheckCatchesACutThroughAWave) {
    constexpr int kRate = 44100;
    std::vector<float> wave(kRate / 2);
    for (std::size_t i = 0; i < wave.size(); ++i) {
        wave[i] = 0.5f * std::sin(2.0f * std::numbers::pi_v<float> * 220.0f * static_cast<float>(i) / kRate);
    }
    EXPECT_TRUE(Continuous(MeasureSeam(wave, kRate)));  // 110 whole cycles
    wave.resize(wave.size() - 50);                      // cut mid-cycle
    EXPECT_FALSE(Continuous(MeasureSeam(wave, kRate)));
}

TEST(SoundLoops, EveryLoopJoinsItsStartWithoutAClick) {
    for (const GameSound& sound : LoopedSounds()) {
        SCOPED_TRACE(sound.path);
        const Samples& s = Load(sound);
        ASSERT_EQ(s.error, "");
        for (const auto& channel : s.data) {
            const Seam seam = MeasureSeam(channel, s.rate);
            EXPECT_TRUE(Continuous(seam)) << "step " << seam.step << " (largest nearby " << seam.maxStep << "), miss "
                                          << seam.error << " (largest nearby " << seam.maxError << ")";
        }
    }
}

// The decoder hands out exactly the samples the stream declares: nothing of the encoder's
// padding or look-ahead reaches the player between the end and the restart.
TEST(SoundLoops, StreamsDecodeToTheirDeclaredLength) {
    for (const GameSound& sound : GameSounds(true)) {
        SCOPED_TRACE(sound.path);
        const Samples& s = Load(sound);
        EXPECT_EQ(static_cast<long long>(s.Frames()), s.declaredFrames);
    }
}

TEST(SoundLoops, EveryLoopEndsAsLoudAsItStarts) {
    for (const GameSound& sound : LoopedSounds()) {
        SCOPED_TRACE(sound.path);
        const Samples& s = Load(sound);
        const std::size_t w = static_cast<std::size_t>(kLevelWindowSeconds * s.rate);
        EXPECT_NEAR(RmsDb(s, s.Frames() - w, w), RmsDb(s, 0, w), kLevelJumpDb);
    }
}
