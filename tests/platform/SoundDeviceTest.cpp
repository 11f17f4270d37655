#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "platform/Clock.h"
#include "platform/SoundDevice.h"
#include "platform/SoundDeviceBuffer.h"

namespace platform {
namespace {

SoundBufferDesc MakeDesc(uint32_t rate, uint16_t bits, uint16_t channels, uint32_t bytes,
                         uint32_t flags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY) {
    SoundBufferDesc desc;
    desc.flags = flags;
    desc.bufferBytes = bytes;
    desc.format.channels = channels;
    desc.format.samplesPerSec = rate;
    desc.format.bitsPerSample = bits;
    desc.format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    desc.format.avgBytesPerSec = rate * desc.format.blockAlign;
    return desc;
}

// Cursor tests run on the virtual clock, which only the test moves.
class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseVirtualClock(true);
        device.Open(SoundOutput::Null);
    }
    void TearDown() override { UseVirtualClock(false); }

    SoundDevice device;
};

TEST_F(SoundDeviceTest, LockAcrossTheEndGivesTwoRegions) {
    auto buffer = device.CreateSoundBuffer(MakeDesc(22050, 8, 1, 100));
    ASSERT_TRUE(buffer);
    void* p1 = nullptr;
    void* p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_TRUE(buffer->Lock(80, 40, &p1, &n1, &p2, &n2));
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(n2, 20u);
    EXPECT_EQ(static_cast<uint8_t*>(p1) - static_cast<uint8_t*>(p2), 80);
    std::memset(p1, 1, n1);
    std::memset(p2, 2, n2);
    EXPECT_TRUE(buffer->Unlock(p1, n1, p2, n2));

    ASSERT_TRUE(buffer->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER));
    EXPECT_EQ(n1, 100u);
    EXPECT_EQ(p2, nullptr);
    const uint8_t* bytes = static_cast<uint8_t*>(p1);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[19], 2);
    EXPECT_EQ(bytes[20], 0);
    EXPECT_EQ(bytes[80], 1);
    EXPECT_EQ(bytes[99], 1);
    EXPECT_TRUE(buffer->Unlock(p1, n1, nullptr, 0));
}

TEST_F(SoundDeviceTest, BadLocksAndUnlocksAreRefused) {
    auto buffer = device.CreateSoundBuffer(MakeDesc(22050, 8, 1, 100));
    void* p1 = nullptr;
    void* p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    EXPECT_FALSE(buffer->Lock(100, 1, &p1, &n1, &p2, &n2));
    EXPECT_FALSE(buffer->Lock(0, 101, &p1, &n1, &p2, &n2));
    EXPECT_FALSE(buffer->Lock(0, 0, &p1, &n1, &p2, &n2));
    EXPECT_FALSE(buffer->Unlock(nullptr, 0, nullptr, 0));  // nothing is locked
    uint8_t outside[4];
    ASSERT_TRUE(buffer->Lock(0, 10, &p1, &n1, &p2, &n2));
    EXPECT_FALSE(buffer->Unlock(outside, 4, nullptr, 0));
    // The bad unlock still released the lock: a second unlock has nothing to release.
    EXPECT_FALSE(buffer->Unlock(p1, n1, nullptr, 0));
}

TEST_F(SoundDeviceTest, InvalidDescriptionsCreateNoBuffer) {
    struct Case {
        const char* what;
        SoundBufferDesc desc;
    };
    SoundBufferDesc notPcm = MakeDesc(22050, 16, 1, 100);
    notPcm.format.formatTag = 3;
    SoundBufferDesc badAlign = MakeDesc(22050, 16, 2, 100);
    badAlign.format.blockAlign = 2;
    const Case cases[] = {
        {"24 bits", MakeDesc(22050, 24, 1, 99)},
        {"no channels", MakeDesc(22050, 16, 0, 100)},
        {"three channels", MakeDesc(22050, 16, 3, 120)},
        {"rate too low", MakeDesc(99, 16, 1, 100)},
        {"rate too high", MakeDesc(200001, 16, 1, 100)},
        {"less than one frame", MakeDesc(22050, 16, 2, 3)},
        {"not PCM", notPcm},
        {"block align", badAlign},
    };
    for (const Case& c : cases) EXPECT_FALSE(device.CreateSoundBuffer(c.desc)) << c.what;
    EXPECT_TRUE(device.CreateSoundBuffer(MakeDesc(200000, 32, 2, 8)));
}

TEST(SoundDeviceGain, FollowsHundredthsOfADecibel) {
    struct Case {
        int32_t volume;
        float gain;
    };
    const Case cases[] = {{0, 1.0f}, {-2000, 0.1f}, {-600, 0.50119f}, {-4000, 0.01f}, {-10000, 0.0f}};
    for (const Case& c : cases) {
        EXPECT_NEAR(SoundDeviceBuffer::GainFromVolume(c.volume), c.gain, 1e-4f) << c.volume;
    }
}

TEST_F(SoundDeviceTest, VolumeAndFrequencyNeedTheirControlFlags) {
    auto plain = device.CreateSoundBuffer(MakeDesc(22050, 16, 1, 100, 0));
    EXPECT_FALSE(plain->SetVolume(-100));
    EXPECT_FALSE(plain->SetFrequency(11025));
    auto controlled = device.CreateSoundBuffer(MakeDesc(22050, 16, 1, 100));
    EXPECT_TRUE(controlled->SetVolume(-100));
    EXPECT_EQ(controlled->GetVolume(), -100);
    EXPECT_FALSE(controlled->SetVolume(-10001));
    EXPECT_FALSE(controlled->SetVolume(1));
    EXPECT_EQ(controlled->GetVolume(), -100);
    EXPECT_TRUE(controlled->SetFrequency(11025));
    EXPECT_FALSE(controlled->SetFrequency(99));
    EXPECT_TRUE(controlled->SetFrequency(DSBFREQUENCY_ORIGINAL));
    EXPECT_EQ(controlled->GetFrequency(), 22050u);
}

TEST_F(SoundDeviceTest, LoopingPlayCursorFollowsTheClock) {
    // One second of 1000 Hz 8-bit mono: one byte per millisecond.
    auto buffer = device.CreateSoundBuffer(MakeDesc(1000, 8, 1, 1000));
    ASSERT_TRUE(buffer->Play(DSBPLAY_LOOPING));
    AdvanceVirtualTime(1250);
    uint32_t play = 0, write = 0;
    ASSERT_TRUE(buffer->GetCurrentPosition(&play, &write));
    EXPECT_EQ(play, 250u);
    EXPECT_EQ(write, 250u + SoundDeviceBuffer::kWriteLeadMs);
    EXPECT_EQ(buffer->GetStatus(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);

    AdvanceVirtualTime(745);  // the write cursor wraps before the play cursor does
    ASSERT_TRUE(buffer->GetCurrentPosition(&play, &write));
    EXPECT_EQ(play, 995u);
    EXPECT_EQ(write, 5u);

    ASSERT_TRUE(buffer->SetFrequency(2000));  // twice as fast from here on
    AdvanceVirtualTime(100);
    ASSERT_TRUE(buffer->GetCurrentPosition(&play, nullptr));
    EXPECT_EQ(play, 195u);

    ASSERT_TRUE(buffer->Stop());
    AdvanceVirtualTime(100);
    ASSERT_TRUE(buffer->GetCurrentPosition(&play, &write));
    EXPECT_EQ(play, 195u);
    EXPECT_EQ(write, 195u);
    EXPECT_EQ(buffer->GetStatus(), 0u);
}

TEST_F(SoundDeviceTest, OneShotStopsAtItsEnd) {
    auto buffer = device.CreateSoundBuffer(MakeDesc(1000, 8, 1, 1000));
    ASSERT_TRUE(buffer->SetCurrentPosition(400));
    ASSERT_TRUE(buffer->Play(0));
    AdvanceVirtualTime(599);
    EXPECT_EQ(buffer->GetStatus(), DSBSTATUS_PLAYING);
    AdvanceVirtualTime(1);
    EXPECT_EQ(buffer->GetStatus(), 0u);
    EXPECT_FALSE(buffer->SetCurrentPosition(1000));
}

TEST(SoundDeviceLifetime, BuffersMayOutliveTheDevice) {
    std::unique_ptr<SoundDeviceBuffer> buffer;
    {
        SoundDevice device;
        device.Open(SoundOutput::Manual);
        buffer = device.CreateSoundBuffer(MakeDesc(22050, 16, 2, 400));
        ASSERT_TRUE(buffer);
        EXPECT_TRUE(buffer->Play(DSBPLAY_LOOPING));
    }
    EXPECT_EQ(buffer->GetStatus(), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    buffer.reset();

    SoundDevice closed;
    EXPECT_FALSE(closed.CreateSoundBuffer(MakeDesc(22050, 16, 2, 400)));
}

// The real output path: SDL's dummy audio driver calls the mixer on SDL's own thread at the
// device's pace, as a sound card would, so the play cursor moves without the clock.
TEST(SoundDeviceAudio, MixerRunsInTheAudioCallback) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundDevice device;
    ASSERT_TRUE(device.Open(SoundOutput::Auto));
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_EQ(device.GetOutput(), SoundOutput::Auto) << "SDL's dummy audio driver did not open";
    auto buffer = device.CreateSoundBuffer(MakeDesc(22050, 16, 2, 22050 * 4));
    ASSERT_TRUE(buffer->Play(DSBPLAY_LOOPING));
    uint32_t play = 0;
    for (int wait = 0; wait < 200 && play == 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        buffer->GetCurrentPosition(&play, nullptr);
    }
    EXPECT_GT(play, 0u);
    buffer.reset();
    device.Close();
    EXPECT_FALSE(device.IsOpen());
}

}  // namespace
}  // namespace platform
