#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
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

    constexpr int kSlots = 8;
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

    // Stops and replacements are rare enough that most streams live past a few refill ticks.
    const int iterations = std::getenv("RJ_STRESS_ITERATIONS") ? std::atoi(std::getenv("RJ_STRESS_ITERATIONS")) : 3000;
    std::mt19937 random(20261209);
    int replaced = 0;
    for (int i = 0; i < iterations; ++i) {
        const std::string name = slotName(static_cast<int>(random() % kSlots));
        const unsigned action = random() % 100;
        SoundFx* sound = engine.GetSound(name);
        ASSERT_NE(sound, nullptr);
        if (action < 45) {
            sound->PlayLooped();
            ASSERT_TRUE(sound->IsPlaying());
        } else if (action < 90) {
            sound->SetVolume(static_cast<float>(random() % 101) / 100.0f);
        } else if (action < 95) {
            sound->Stop();
            ASSERT_FALSE(sound->IsPlaying());
        } else {
            ASSERT_TRUE(engine.LoadSound(name, path, SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false));
            ++replaced;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    done = true;
    mixing.join();
    EXPECT_TRUE(engine.Shutdown());
    engine.SetEnabled(false);
    EXPECT_GT(replaced, 0);
    EXPECT_GT(loudest.load(), 1000);  // the refills reached the mixer
}

}  // namespace
