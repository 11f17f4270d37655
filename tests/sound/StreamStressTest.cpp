#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/Mixer.h"
#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"
#include "sound/SoundTestFiles.h"

namespace {

// Streams are started, stopped, replaced and destroyed on the main thread while their refill
// timers run on timer threads and the mixer plays them on a third thread. Built with
// -DRJ_SANITIZE_THREAD=ON this is the proof that the three never race.
TEST(StreamStress, StartStopAndDestroyWhileRefillTimersRun) {
    SoundTestFiles::UseAsDataRoot();
    ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "stress.wav", "synth 0.7 sine 300 sine 500 vol 0.5"));
    ASSERT_TRUE(SoundTestFiles::OggEnc("stress.wav", "stress.ogg"));
    const std::string path = SoundTestFiles::DataPath("stress.ogg");

    SoundEngine& engine = SoundEngine::Instance();
    ASSERT_TRUE(engine.Init(platform::SoundOutput::Manual));
    engine.SetEnabled(true);
    platform::Mixer* mixer = engine.GetDevice()->GetManualMixer();
    ASSERT_NE(mixer, nullptr);

    // A few streams live long enough for their timers to refill them again and again; the others
    // are started, stopped and replaced thousands of times around them.
    constexpr int kSlots = 16;
    constexpr int kSteadySlots = 4;
    const auto slotName = [](int slot) { return "SOUND_STRESS_" + std::to_string(slot); };
    for (int slot = 0; slot < kSlots; ++slot) {
        ASSERT_TRUE(engine.LoadSound(slotName(slot), path, SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false));
    }

    std::atomic<bool> done{false};
    std::atomic<int> loudest{0};
    std::thread mixing([&] {
        std::vector<int16_t> out(2 * 441);
        while (!done) {
            mixer->Mix(out.data(), 441);
            for (int16_t v : out) loudest = std::max(loudest.load(), std::abs(static_cast<int>(v)));
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });

    struct Odds {
        unsigned stop, replace, play;  // percent; the rest changes the volume
    };
    constexpr Odds kSteady{1, 1, 50};
    constexpr Odds kChurn{20, 15, 50};
    const int iterations = std::getenv("RJ_STRESS_ITERATIONS") ? std::atoi(std::getenv("RJ_STRESS_ITERATIONS")) : 10000;
    std::mt19937 random(20261209);
    int starts = 0;
    int ends = 0;  // stops and replacements of a stream that was streaming
    for (int i = 0; i < iterations; ++i) {
        const int slot = static_cast<int>(random() % kSlots);
        const std::string name = slotName(slot);
        const Odds& odds = slot < kSteadySlots ? kSteady : kChurn;
        const unsigned roll = random() % 100;
        SoundFx* sound = engine.GetSound(name);
        ASSERT_NE(sound, nullptr);
        const bool wasPlaying = sound->IsPlaying();
        if (roll < odds.stop) {
            ends += wasPlaying ? 1 : 0;
            sound->Stop();
            ASSERT_FALSE(sound->IsPlaying());
        } else if (roll < odds.stop + odds.replace) {
            ends += wasPlaying ? 1 : 0;
            ASSERT_TRUE(engine.LoadSound(name, path, SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false));
        } else if (roll < odds.stop + odds.replace + odds.play) {
            starts += wasPlaying ? 0 : 1;
            sound->PlayLooped();
            ASSERT_TRUE(sound->IsPlaying());
        } else {
            sound->SetVolume(static_cast<float>(random() % 101) / 100.0f);
        }
        if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::printf("stress: %d iterations, %d stream starts, %d stops or replacements while streaming\n", iterations,
                starts, ends);
    done = true;
    mixing.join();
    EXPECT_TRUE(engine.Shutdown());
    engine.SetEnabled(false);
    EXPECT_GT(starts, iterations / 10);
    EXPECT_GT(ends, iterations / 10);
    EXPECT_GT(loudest.load(), 1000);  // the refills reached the mixer
}

}  // namespace
