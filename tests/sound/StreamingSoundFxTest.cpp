#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/MultimediaTimer.h"
#include "platform/SoundDeviceBuffer.h"
#include "sound/OggStreaming.h"
#include "sound/SfxStreaming.h"
#include "sound/SoundData.h"
#include "sound/SoundEngineTestBase.h"
#include "sound/StreamingSoundFx.h"

namespace {

// Endless bytes numbered from 0 (as 16-bit stereo frames), or nothing at all once broken.
class CountingDecoder final : public SfxStreaming {
public:
    bool CanOpen(const std::string&) const override { return true; }
    bool Open(const std::string&, SoundData& format) override {
        format.rate = 44100;
        format.bits = 16;
        format.channels = 2;
        return true;
    }
    void Close() override {}
    int Read(void* dest, int bytes) override {
        ++reads;
        if (broken) return 0;
        auto* out = static_cast<uint8_t*>(dest);
        for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>((produced + i) % 251);
        produced += bytes;
        return bytes;
    }

    int reads = 0;
    long produced = 0;
    bool broken = false;
};

class StreamingSoundFxTest : public SoundEngineTestBase {
protected:
    void SetUp() override {
        SoundEngineTestBase::SetUp();
        auto counting = std::make_unique<CountingDecoder>();
        decoder = counting.get();
        SoundData format;
        decoder->Open("", format);
        format.samples = format.rate * 2;
        stream = std::make_unique<StreamingSoundFx>("test", "test", std::move(counting),
                                                    engine().CreateBuffer(format, nullptr, SoundEngine::kFlagVolume));
    }

    void TearDown() override {
        stream.reset();
        SoundEngineTestBase::TearDown();
    }

    std::vector<uint8_t> BufferBytes(uint32_t offset, uint32_t count) {
        platform::SoundDeviceBuffer* buffer = stream->GetBuffer();
        void *p1 = nullptr, *p2 = nullptr;
        uint32_t n1 = 0, n2 = 0;
        EXPECT_TRUE(buffer->Lock(offset, count, &p1, &n1, &p2, &n2));
        std::vector<uint8_t> bytes(static_cast<uint8_t*>(p1), static_cast<uint8_t*>(p1) + n1);
        if (p2) bytes.insert(bytes.end(), static_cast<uint8_t*>(p2), static_cast<uint8_t*>(p2) + n2);
        buffer->Unlock(p1, n1, p2, n2);
        return bytes;
    }

    CountingDecoder* decoder = nullptr;
    std::unique_ptr<StreamingSoundFx> stream;
};

TEST_F(StreamingSoundFxTest, PlayingOnlyWhileStreaming) {
    EXPECT_FALSE(stream->IsPlaying());
    stream->Play();  // streams start only looped
    EXPECT_FALSE(stream->IsPlaying());
    stream->PlayLooped();
    EXPECT_TRUE(stream->IsPlaying());
    stream->Stop();
    EXPECT_FALSE(stream->IsPlaying());
    EXPECT_EQ(stream->GetBuffer()->GetStatus(), 0u);
    stream->PlayLooped();
    EXPECT_TRUE(stream->IsPlaying());
}

TEST_F(StreamingSoundFxTest, TwoPlayLoopedCallsLeaveOneTimer) {
    stream->PlayLooped();
    const platform::TimerId first = stream->GetTimerId();
    stream->PlayLooped();
    EXPECT_EQ(stream->GetTimerId(), first);
    stream->Stop();
    EXPECT_FALSE(platform::TimeKillEvent(first));  // already gone
    const int readsAtStop = decoder->reads;
    platform::AdvanceVirtualTime(1000);
    EXPECT_EQ(decoder->reads, readsAtStop);  // no timer left refilling
}

TEST_F(StreamingSoundFxTest, StopThenPlayLoopedStreamsAgainWithOneTimer) {
    stream->PlayLooped();
    const platform::TimerId first = stream->GetTimerId();
    stream->Stop();
    stream->PlayLooped();
    EXPECT_NE(stream->GetTimerId(), first);
    EXPECT_TRUE(stream->IsPlaying());
    const int reads = decoder->reads;
    platform::AdvanceVirtualTime(100);
    EXPECT_GT(decoder->reads, reads);
}

TEST_F(StreamingSoundFxTest, RefillWritesAheadOfThePlayCursorWithinTheCap) {
    stream->PlayLooped();
    const uint32_t start = stream->GetWritePosition();
    uint32_t play = 0, write = 0;
    stream->GetBuffer()->GetCurrentPosition(&play, &write);
    EXPECT_EQ(start, write + StreamingSoundFx::kStartGapBytes);

    platform::AdvanceVirtualTime(100);
    const long written = decoder->produced;
    EXPECT_GE(written, StreamingSoundFx::kMaxRefillBytes);
    EXPECT_LT(written, StreamingSoundFx::kMaxRefillBytes + StreamingSoundFx::kScratchBytes);
    EXPECT_EQ(stream->GetWritePosition(), start + written);
    const std::vector<uint8_t> bytes = BufferBytes(start, static_cast<uint32_t>(written));
    for (long i = 0; i < written; ++i) ASSERT_EQ(bytes[i], i % 251) << "byte " << i;

    // Over ten seconds the writer never laps the player (a quarter buffer stays free, less one
    // partial read) and, once it has caught up, keeps more than a second queued.
    const uint32_t bufferBytes = stream->GetBuffer()->GetBufferBytes();
    for (int tick = 0; tick < 100; ++tick) {
        platform::AdvanceVirtualTime(100);
        stream->GetBuffer()->GetCurrentPosition(&play, nullptr);
        const uint32_t queued = (stream->GetWritePosition() + bufferBytes - play) % bufferBytes;
        ASSERT_GE(bufferBytes - queued, bufferBytes / 4 - StreamingSoundFx::kScratchBytes) << "tick " << tick;
        if (tick >= 20) {
            ASSERT_GT(queued, bufferBytes / 2) << "tick " << tick;
        }
    }
}

TEST_F(StreamingSoundFxTest, AnUnheardStreamDecodesNothingAndKeepsItsDistanceToThePlayer) {
    engine().SetUnheard(true);
    stream->PlayLooped();
    const uint32_t bufferBytes = stream->GetBuffer()->GetBufferBytes();
    uint32_t play = 0;
    for (int tick = 0; tick < 50; ++tick) {
        platform::AdvanceVirtualTime(100);
        stream->GetBuffer()->GetCurrentPosition(&play, nullptr);
        // The writer never laps the player and, once it has caught up (at most kMaxRefillBytes a
        // refill), stays exactly a quarter buffer short of it, on a whole frame.
        const uint32_t free = (play + bufferBytes - stream->GetWritePosition()) % bufferBytes;
        ASSERT_GE(free, bufferBytes / 4) << "tick " << tick;
        if (tick >= 20) {
            ASSERT_EQ(free, bufferBytes / 4) << "tick " << tick;
        }
        ASSERT_EQ(stream->GetWritePosition() % 4, 0u) << "tick " << tick;
    }
    EXPECT_TRUE(stream->IsPlaying());
    EXPECT_EQ(decoder->reads, 0);
    // Heard again, it decodes from where the decoder stood.
    engine().SetUnheard(false);
    platform::AdvanceVirtualTime(100);
    EXPECT_GT(decoder->reads, 0);
    const std::vector<uint8_t> bytes = BufferBytes((stream->GetWritePosition() + bufferBytes - 4) % bufferBytes, 4);
    EXPECT_NE(bytes, std::vector<uint8_t>(4, 0));
}

TEST_F(StreamingSoundFxTest, BrokenDecoderLeavesSilenceNotOldSound) {
    stream->PlayLooped();
    platform::AdvanceVirtualTime(100);
    decoder->broken = true;
    const uint32_t from = stream->GetWritePosition();
    platform::AdvanceVirtualTime(100);
    const uint32_t to = stream->GetWritePosition();
    ASSERT_NE(from, to);
    const std::vector<uint8_t> bytes = BufferBytes(from, to - from);
    EXPECT_EQ(bytes, std::vector<uint8_t>(to - from, 0));
}

TEST_F(StreamingSoundFxTest, DestroyedWhileStreaming) {
    stream->PlayLooped();
    const platform::TimerId timer = stream->GetTimerId();
    platform::AdvanceVirtualTime(250);
    stream.reset();
    EXPECT_FALSE(platform::TimeKillEvent(timer));
    platform::AdvanceVirtualTime(500);  // a leftover timer would refill freed memory here
}

TEST_F(StreamingSoundFxTest, NothingStreamsWhileTheEngineIsOff) {
    engine().SetEnabled(false);
    stream->PlayLooped();
    EXPECT_FALSE(stream->IsPlaying());
}

// The Ogg decoder starts again at the end of its stream.
class OggStreamingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SoundTestFiles::UseAsDataRoot();
        ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "loop.wav", "synth 0.25 sine 440 sine 220"));
        ASSERT_TRUE(SoundTestFiles::OggEnc("loop.wav", "loop.ogg"));
    }

    static std::vector<uint8_t> ReadPass(OggStreaming& decoder) {
        std::vector<uint8_t> all;
        uint8_t chunk[4096];
        for (int got; (got = decoder.Read(chunk, sizeof chunk)) > 0;) all.insert(all.end(), chunk, chunk + got);
        return all;
    }
};

TEST_F(OggStreamingTest, AfterTheEndComeTheFirstSamples) {
    OggStreaming decoder;
    SoundData format;
    ASSERT_TRUE(decoder.Open(SoundTestFiles::DataPath("loop.ogg"), format));
    EXPECT_EQ(format.rate, 44100);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.bits, 16);
    const std::vector<uint8_t> first = ReadPass(decoder);
    EXPECT_EQ(first, SoundTestFiles::SoxRaw("loop.ogg", "-e signed -b 16"));
    const std::vector<uint8_t> second = ReadPass(decoder);
    EXPECT_EQ(second, first);
}

// A page damaged in the middle makes a read fail; the decoder closes instead of decoding on past
// the damage (which can divide by zero inside the decoder), and says which file it was.
TEST_F(OggStreamingTest, AFailedReadClosesTheDecoder) {
    ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "long.wav", "synth 3 sine 440 sine 220"));
    ASSERT_TRUE(SoundTestFiles::OggEnc("long.wav", "long.ogg"));
    std::vector<uint8_t> bytes = SoundTestFiles::ReadBytes("long.ogg");
    ASSERT_GT(bytes.size(), 8000u);
    for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 600; ++i) bytes[i] ^= 0x5a;
    SoundTestFiles::WriteBytes("damaged.ogg", bytes);

    OggStreaming decoder;
    SoundData format;
    ASSERT_TRUE(decoder.Open(SoundTestFiles::DataPath("damaged.ogg"), format));
    testing::internal::CaptureStderr();
    const std::vector<uint8_t> beforeDamage = ReadPass(decoder);
    uint8_t chunk[4096];
    int after = 0;
    for (int i = 0; i < 8; ++i) after += decoder.Read(chunk, sizeof chunk);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_LT(beforeDamage.size(), SoundTestFiles::SoxRaw("long.ogg", "-e signed -b 16").size());
    EXPECT_EQ(after, 0);
    EXPECT_NE(err.find("damaged.ogg"), std::string::npos) << err;
}

TEST_F(OggStreamingTest, UndecodableFilesDoNotOpen) {
    SoundTestFiles::WriteBytes("bad.ogg", std::vector<uint8_t>(3000, 0x4f));
    OggStreaming decoder;
    SoundData format;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(decoder.Open(SoundTestFiles::DataPath("bad.ogg"), format));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("bad.ogg"), std::string::npos);
    uint8_t chunk[64];
    EXPECT_EQ(decoder.Read(chunk, sizeof chunk), 0);
    EXPECT_FALSE(decoder.CanOpen("x.oga"));
    EXPECT_TRUE(decoder.CanOpen("x.OGG"));
}

}  // namespace
