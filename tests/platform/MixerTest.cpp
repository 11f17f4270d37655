#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "platform/Mixer.h"
#include "platform/SoundDevice.h"
#include "platform/SoundDeviceBuffer.h"

namespace platform {
namespace {

SoundBufferDesc MakeDesc(uint32_t rate, uint16_t bits, uint16_t channels, uint32_t bytes) {
    SoundBufferDesc desc;
    desc.flags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
    desc.bufferBytes = bytes;
    desc.format.channels = channels;
    desc.format.samplesPerSec = rate;
    desc.format.bitsPerSample = bits;
    desc.format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    desc.format.avgBytesPerSec = rate * desc.format.blockAlign;
    return desc;
}

void Fill(SoundDeviceBuffer& buffer, const void* bytes, uint32_t size) {
    void* p1 = nullptr;
    uint32_t n1 = 0;
    ASSERT_TRUE(buffer.Lock(0, size, &p1, &n1, nullptr, nullptr));
    std::memcpy(p1, bytes, n1);
    ASSERT_TRUE(buffer.Unlock(p1, n1, nullptr, 0));
}

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        device.Open(SoundOutput::Manual);
        mixer = device.GetManualMixer();
        ASSERT_NE(mixer, nullptr);
    }

    std::unique_ptr<SoundDeviceBuffer> MakeBuffer(uint32_t rate, uint16_t bits, uint16_t channels, const void* bytes,
                                                  uint32_t size) {
        auto buffer = device.CreateSoundBuffer(MakeDesc(rate, bits, channels, size));
        Fill(*buffer, bytes, size);
        return buffer;
    }

    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, -1);
        mixer->Mix(out.data(), frames);
        return out;
    }

    SoundDevice device;
    Mixer* mixer = nullptr;
};

TEST_F(MixerTest, HalfRateMonoIsInterpolatedOntoBothChannels) {
    const int16_t samples[] = {0, 1000, 3000, -3000};
    auto buffer = MakeBuffer(22050, 16, 1, samples, sizeof samples);
    buffer->Play(0);
    const std::vector<int16_t> out = Mix(9);
    const int16_t expected[] = {0, 500, 1000, 2000, 3000, 0, -3000, -3000, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(out[2 * i], expected[i]) << "frame " << i;
        EXPECT_EQ(out[2 * i + 1], expected[i]) << "frame " << i;
    }
    EXPECT_EQ(buffer->GetStatus(), 0u);  // the one-shot ended inside the mix
}

TEST_F(MixerTest, LoopingStereoWrapsToTheStart) {
    const int16_t samples[] = {100, -100, 200, -200, 300, -300};
    auto buffer = MakeBuffer(44100, 16, 2, samples, sizeof samples);
    buffer->Play(DSBPLAY_LOOPING);
    const std::vector<int16_t> out = Mix(7);
    const int16_t left[] = {100, 200, 300, 100, 200, 300, 100};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(out[2 * i], left[i]) << "frame " << i;
        EXPECT_EQ(out[2 * i + 1], -left[i]) << "frame " << i;
    }
    uint32_t play = 0;
    buffer->GetCurrentPosition(&play, nullptr);
    EXPECT_EQ(play, 4u);  // frame 1 of 3, four bytes per frame
}

TEST_F(MixerTest, EightBitSamplesAreCentredOn128) {
    // Kept below the limiter's knee, so the conversion alone shows.
    const uint8_t samples[] = {128, 200, 56, 129};
    auto buffer = MakeBuffer(44100, 8, 1, samples, sizeof samples);
    buffer->Play(0);
    const std::vector<int16_t> out = Mix(4);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 72 * 256);
    EXPECT_EQ(out[4], -72 * 256);
    EXPECT_EQ(out[6], 256);
}

TEST_F(MixerTest, VolumeScalesAndStoppedBuffersFallSilent) {
    const int16_t loud[] = {30000, 30000};
    auto a = MakeBuffer(44100, 16, 1, loud, sizeof loud);
    auto b = MakeBuffer(44100, 16, 1, loud, sizeof loud);
    a->Play(DSBPLAY_LOOPING);
    b->Play(DSBPLAY_LOOPING);
    ASSERT_TRUE(b->SetVolume(DSBVOLUME_MIN));
    ASSERT_TRUE(a->SetVolume(-600));  // about half
    EXPECT_NEAR(Mix(1)[0], 15036, 1);
    b->Stop();
    a->Stop();
    const std::vector<int16_t> silence = Mix(2);
    EXPECT_EQ(silence, std::vector<int16_t>(4, 0));
}

// Four loud voices at once sum to about four times full scale: the limiter bends them below it
// instead of cutting the waves flat at ±32767, and keeps the shape of the sum (its sign and
// where it crosses zero).
TEST_F(MixerTest, LoudSumsStayBelowFullScale) {
    std::vector<int16_t> wave(441);
    for (size_t i = 0; i < wave.size(); ++i) {
        wave[i] =
            static_cast<int16_t>(32000.0 * std::sin(2.0 * 3.14159265358979 * 5.0 * static_cast<double>(i) / 441.0));
    }
    const uint32_t bytes = static_cast<uint32_t>(wave.size() * sizeof(int16_t));
    std::vector<std::unique_ptr<SoundDeviceBuffer>> voices;
    for (int v = 0; v < 4; ++v) {
        voices.push_back(MakeBuffer(44100, 16, 1, wave.data(), bytes));
        voices.back()->Play(DSBPLAY_LOOPING);
    }
    const std::vector<int16_t> out = Mix(4410);
    int peak = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(out[i])));
        const int16_t source = wave[(i / 2) % wave.size()];
        if (std::abs(source) > 2000) {
            EXPECT_EQ(out[i] > 0, source > 0) << "sample " << i;
        }
    }
    EXPECT_LT(peak, 32767) << "no sample at full scale";
    EXPECT_GT(peak, static_cast<int>(0.9f * Mixer::kLimiterCeiling * 32768.0f)) << "the limiter still uses the room";
}

TEST_F(MixerTest, QuietSumsPassUntouchedAndTheGainComesBackAfterAPeak) {
    const int16_t quiet[] = {16000, -16000};
    auto buffer = MakeBuffer(44100, 16, 1, quiet, sizeof quiet);
    buffer->Play(DSBPLAY_LOOPING);
    EXPECT_EQ(Mix(2)[0], 16000) << "below the knee the mix is exact";
    const int16_t loud[] = {32000, 32000};
    auto burst = MakeBuffer(44100, 16, 1, loud, sizeof loud);
    burst->Play(0);
    Mix(2);
    const std::vector<int16_t> justAfter = Mix(2);
    EXPECT_LT(justAfter[0], 16000) << "the gain is still down right after the peak";
    Mix(static_cast<int>(Mixer::kLimiterReleaseSeconds * Mixer::kRate * 12));
    EXPECT_EQ(Mix(2)[0], 16000) << "and all the way back after a while";
}

TEST(MixerLimiterCurve, IdentityBelowTheKneeAndRisingUpToTheCeilingAbove) {
    EXPECT_EQ(Mixer::LimitedLevel(0.25f), 0.25f);
    EXPECT_EQ(Mixer::LimitedLevel(Mixer::kLimiterKnee), Mixer::kLimiterKnee);
    float previous = Mixer::kLimiterKnee;
    for (const float level : {0.7f, 0.8f, 1.0f, 1.5f}) {
        const float limited = Mixer::LimitedLevel(level);
        EXPECT_GT(limited, previous) << level;
        EXPECT_LT(limited, level) << level;
        previous = limited;
    }
    for (const float level : {2.0f, 4.0f, 16.0f, 1000.0f})
        EXPECT_LE(Mixer::LimitedLevel(level), Mixer::kLimiterCeiling);
    EXPECT_LT(Mixer::kLimiterCeiling * 32768.0f, 32767.0f) << "the ceiling lies below the last 16-bit step";
}

TEST_F(MixerTest, BusGainScalesOnlyTheBuffersOnThatBus) {
    const int16_t level[] = {8000, 8000};
    auto music = MakeBuffer(44100, 16, 1, level, sizeof level);
    auto effect = MakeBuffer(44100, 16, 1, level, sizeof level);
    music->SetBus(SoundBus::Music);
    music->Play(DSBPLAY_LOOPING);
    effect->Play(DSBPLAY_LOOPING);
    device.SetBusGain(SoundBus::Music, 0.25f);
    EXPECT_EQ(Mix(1)[0], 8000 + 2000);
    device.SetBusGain(SoundBus::Effects, 0.0f);
    EXPECT_EQ(Mix(1)[0], 2000);
}

TEST_F(MixerTest, FrequencyChangesThePitch) {
    const int16_t samples[] = {0, 10, 20, 30, 40, 50, 60, 70};
    auto buffer = MakeBuffer(44100, 16, 1, samples, sizeof samples);
    ASSERT_TRUE(buffer->SetFrequency(88200));
    buffer->Play(0);
    const std::vector<int16_t> out = Mix(3);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 20);
    EXPECT_EQ(out[4], 40);
}

// The mixer thread, a refilling thread and the main thread share buffers; run under
// ThreadSanitizer this proves the locking.
TEST_F(MixerTest, MixingWhileBuffersAreWrittenCreatedAndDestroyed) {
    std::atomic<bool> done{false};
    std::thread mixing([&] {
        std::vector<int16_t> out(512);
        while (!done) mixer->Mix(out.data(), 256);
    });
    auto streamed = device.CreateSoundBuffer(MakeDesc(22050, 16, 2, 4096));
    streamed->Play(DSBPLAY_LOOPING);
    std::thread refilling([&] {
        const std::vector<uint8_t> block(1024, 7);
        uint32_t offset = 0;
        for (int i = 0; i < 2000; ++i) {
            uint32_t play = 0, write = 0;
            streamed->GetCurrentPosition(&play, &write);
            void *p1 = nullptr, *p2 = nullptr;
            uint32_t n1 = 0, n2 = 0;
            if (streamed->Lock(offset, 1024, &p1, &n1, &p2, &n2)) {
                std::memcpy(p1, block.data(), n1);
                if (p2) std::memcpy(p2, block.data() + n1, n2);
                streamed->Unlock(p1, n1, p2, n2);
            }
            offset = (offset + 1000) % 4096;
        }
    });
    const int16_t samples[] = {1, 2, 3, 4};
    for (int i = 0; i < 2000; ++i) {
        auto effect = MakeBuffer(11025, 16, 1, samples, sizeof samples);
        effect->SetVolume(-(i % 100));
        effect->Play(i % 2 ? DSBPLAY_LOOPING : 0);
        if (i % 3 == 0) effect->Stop();
        streamed->SetVolume(-(i % 500));
    }
    refilling.join();
    done = true;
    mixing.join();
    EXPECT_EQ(mixer->VoiceCount(), 1u);
}

}  // namespace
}  // namespace platform
