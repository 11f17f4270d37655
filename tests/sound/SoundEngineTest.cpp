#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/SoundDeviceBuffer.h"
#include "sound/SfxRegistry.h"
#include "sound/SoundEngineTestBase.h"
#include "sound/SoundFx.h"
#include "sound/StreamingSoundFx.h"

namespace {

class SoundEngineTest : public SoundEngineTestBase {
protected:
    static std::string Wav(const std::string& name, const std::string& format, const std::string& seconds) {
        EXPECT_TRUE(SoundTestFiles::Sox("-n " + format, name, "synth " + seconds + " sine 440 sine 330 vol 0.7"));
        return SoundTestFiles::DataPath(name);
    }
};

TEST_F(SoundEngineTest, RegistriesHoldTheBuiltInDecodersInNameOrder) {
    std::string loading;
    for (const auto& entry : SfxRegistry::LoadingTypes()) loading += entry.first + " ";
    EXPECT_EQ(loading, "OggLoader WavLoader ");
    EXPECT_EQ(SfxRegistry::StreamingTypes().count("OggStreaming"), 1u);
    EXPECT_EQ(engine().GetLoaderCount(), SfxRegistry::LoadingTypes().size());
}

TEST_F(SoundEngineTest, StereoAt44100LoadedAsMonoMatchesSoxSampleForSample) {
    const std::string path = Wav("stereo44.wav", "-r 44100 -c 2 -b 16", "0.1");
    ASSERT_TRUE(engine().LoadSound("SOUND_TEST", path, SoundEngine::kFlagVolume, true));
    const SoundFx* sound = engine().GetSound("SOUND_TEST");
    ASSERT_NE(sound, nullptr);
    platform::SoundDeviceBuffer* buffer = sound->GetBuffer();
    EXPECT_EQ(buffer->GetFormat().samplesPerSec, 22050u);
    EXPECT_EQ(buffer->GetFormat().channels, 1u);

    const std::vector<uint8_t> raw = SoundTestFiles::SoxRaw("stereo44.wav", "-e signed -b 16");
    const size_t inFrames = raw.size() / 4;
    ASSERT_EQ(buffer->GetBufferBytes(), inFrames / 2 * 2);
    void* p = nullptr;
    uint32_t n = 0;
    ASSERT_TRUE(buffer->Lock(0, 0, &p, &n, nullptr, nullptr, platform::DSBLOCK_ENTIREBUFFER));
    const auto* out = static_cast<const int16_t*>(p);
    const auto* in = reinterpret_cast<const int16_t*>(raw.data());
    for (size_t i = 0; i < inFrames / 2; ++i) {
        const int16_t expected = static_cast<int16_t>(in[4 * i] / 2 + in[4 * i + 1] / 2);
        ASSERT_EQ(out[i], expected) << "sample " << i;
    }
    buffer->Unlock(p, n, nullptr, 0);
}

TEST_F(SoundEngineTest, NamesAreCatalogueKeys) {
    const std::string path = Wav("key.wav", "-r 22050 -c 1 -b 16", "0.05");
    ASSERT_TRUE(engine().LoadSound("SOUND_FROG_MOVE", path, 0, false));
    EXPECT_NE(engine().GetSound("soundfrogmove"), nullptr);
    EXPECT_EQ(engine().GetSound("SOUND_FROG_MOVE"), engine().GetSound("soundfrogmove"));
    EXPECT_EQ(engine().GetSound("SOUND_FROG_JUMP"), nullptr);
}

TEST_F(SoundEngineTest, SameNameTwiceKeepsTheLaterSound) {
    const std::string first = Wav("first.wav", "-r 22050 -c 1 -b 16", "1");
    const std::string second = Wav("second.wav", "-r 11025 -c 1 -b 8", "1");
    ASSERT_TRUE(engine().LoadSound("SOUND_DIVE", first, 0, false));
    engine().GetSound("SOUND_DIVE")->PlayLooped();
    ASSERT_TRUE(engine().LoadSound("SOUND_DIVE", second, 0, false));
    const SoundFx* sound = engine().GetSound("SOUND_DIVE");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->GetFileName(), second);
    EXPECT_EQ(sound->GetBuffer()->GetFormat().samplesPerSec, 11025u);
}

TEST_F(SoundEngineTest, UnreadableFilesAddNothing) {
    SoundTestFiles::WriteBytes("theme.oga", std::vector<uint8_t>(100, 1));
    SoundTestFiles::WriteBytes("broken.wav", std::vector<uint8_t>(100, 1));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(engine().LoadSound("A", SoundTestFiles::DataPath("theme.oga"), 0, false));
    EXPECT_FALSE(engine().LoadSound("B", SoundTestFiles::DataPath("missing.wav"), 0, false));
    EXPECT_FALSE(engine().LoadSound("C", SoundTestFiles::DataPath("broken.wav"), 0, false));
    EXPECT_FALSE(engine().LoadSound("D", SoundTestFiles::DataPath("missing.ogg"), SoundEngine::kFlagStream, false));
    testing::internal::GetCapturedStderr();
    for (const char* name : {"A", "B", "C", "D"}) EXPECT_EQ(engine().GetSound(name), nullptr) << name;
}

TEST_F(SoundEngineTest, ControlFlagsReachTheBuffer) {
    const std::string path = Wav("flags.wav", "-r 22050 -c 1 -b 16", "0.05");
    struct Case {
        int flags;
        uint32_t caps;
    };
    const Case cases[] = {
        {0, 0},
        {SoundEngine::kFlagVolume, platform::DSBCAPS_CTRLVOLUME},
        {SoundEngine::kFlagFrequency, platform::DSBCAPS_CTRLFREQUENCY},
        {SoundEngine::kFlagVolume | SoundEngine::kFlagFrequency,
         platform::DSBCAPS_CTRLVOLUME | platform::DSBCAPS_CTRLFREQUENCY},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(engine().LoadSound("FLAGS", path, c.flags, false));
        EXPECT_EQ(engine().GetSound("FLAGS")->GetBuffer()->GetFlags(), c.caps) << c.flags;
    }
}

TEST_F(SoundEngineTest, StreamedSoundAt44100StereoGetsTwoSecondsOfBuffer) {
    ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "music.wav", "synth 0.5 sine 300 sine 400"));
    ASSERT_TRUE(SoundTestFiles::OggEnc("music.wav", "music.ogg"));
    ASSERT_TRUE(engine().LoadSound("SOUND_THEME", SoundTestFiles::DataPath("music.ogg"),
                                   SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false));
    auto* stream = dynamic_cast<StreamingSoundFx*>(engine().GetSound("SOUND_THEME"));
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->GetBuffer()->GetBufferBytes(), 352800u);
    EXPECT_EQ(stream->GetBuffer()->GetFormat().samplesPerSec, 44100u);  // streams keep their rate
}

// The checksum of an Ogg page (polynomial 0x04c11db7, not reflected), over the page with its own
// checksum field set to zero.
uint32_t OggPageChecksum(const uint8_t* page, size_t bytes) {
    uint32_t crc = 0;
    for (size_t i = 0; i < bytes; ++i) {
        crc ^= static_cast<uint32_t>(page[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// The Ogg file with the sample rate of its identification header replaced and the first page's
// checksum repaired, so the decoder takes the rate as the file's own.
std::vector<uint8_t> WithOggRate(std::vector<uint8_t> bytes, uint32_t rate) {
    constexpr size_t kSegmentCountAt = 26;
    constexpr size_t kChecksumAt = 22;
    constexpr size_t kRateInPacket = 12;
    const size_t segments = bytes.at(kSegmentCountAt);
    size_t pageBytes = kSegmentCountAt + 1 + segments;
    for (size_t i = 0; i < segments; ++i) pageBytes += bytes.at(kSegmentCountAt + 1 + i);
    const size_t rateAt = kSegmentCountAt + 1 + segments + kRateInPacket;
    for (int i = 0; i < 4; ++i) bytes.at(rateAt + i) = static_cast<uint8_t>(rate >> (8 * i));
    std::memset(bytes.data() + kChecksumAt, 0, 4);
    const uint32_t crc = OggPageChecksum(bytes.data(), pageBytes);
    for (int i = 0; i < 4; ++i) bytes[kChecksumAt + i] = static_cast<uint8_t>(crc >> (8 * i));
    return bytes;
}

// Rates no buffer plays are refused with the file's name, as effect and as stream, before any
// buffer size or resampling step is worked out from them.
TEST_F(SoundEngineTest, ExtremeSampleRatesAreRefusedByName) {
    ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "rate.wav", "synth 0.2 sine 300"));
    ASSERT_TRUE(SoundTestFiles::OggEnc("rate.wav", "rate.ogg"));
    const std::vector<uint8_t> ogg = SoundTestFiles::ReadBytes("rate.ogg");
    std::vector<uint8_t> wav = SoundTestFiles::ReadBytes("rate.wav");
    ASSERT_GT(wav.size(), 44u);
    constexpr size_t kWavRateAt = 24;
    constexpr size_t kWavBytesPerSecondAt = 28;
    for (int i = 0; i < 4; ++i) {
        wav[kWavRateAt + i] = static_cast<uint8_t>(0x7fffffffu >> (8 * i));
        wav[kWavBytesPerSecondAt + i] = 0xff;
    }
    SoundTestFiles::WriteBytes("hugerate.wav", wav);
    SoundTestFiles::WriteBytes("hugerate.ogg", WithOggRate(ogg, 0x7fffffffu));
    SoundTestFiles::WriteBytes("tinyrate.ogg", WithOggRate(ogg, 1));
    // The repaired page decodes: the same file with its own rate still streams.
    SoundTestFiles::WriteBytes("samerate.ogg", WithOggRate(ogg, 44100));
    ASSERT_TRUE(engine().LoadSound("SAME", SoundTestFiles::DataPath("samerate.ogg"), SoundEngine::kFlagStream, false));

    struct Case {
        const char* file;
        int flags;
    };
    const Case cases[] = {
        {"hugerate.wav", 0},
        {"hugerate.ogg", 0},
        {"hugerate.ogg", SoundEngine::kFlagStream},
        {"tinyrate.ogg", SoundEngine::kFlagStream},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(engine().LoadSound("RATE", SoundTestFiles::DataPath(c.file), c.flags, false)) << c.file;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.file), std::string::npos) << err;
        EXPECT_EQ(engine().GetSound("RATE"), nullptr) << c.file;
    }
}

TEST_F(SoundEngineTest, ShutdownEmptiesTheCatalogue) {
    const std::string path = Wav("bye.wav", "-r 22050 -c 1 -b 16", "0.05");
    ASSERT_TRUE(engine().LoadSound("BYE", path, 0, false));
    EXPECT_TRUE(engine().Shutdown());
    EXPECT_EQ(engine().GetSound("BYE"), nullptr);
    EXPECT_EQ(engine().GetDevice(), nullptr);
    EXPECT_FALSE(engine().LoadSound("BYE", path, 0, false));
}

TEST(SoundEngineOff, SoundOffOpensNoDevice) {
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetSoundOff(true);
    EXPECT_FALSE(engine.Init());
    EXPECT_EQ(engine.GetDevice(), nullptr);
    EXPECT_GT(engine.GetLoaderCount(), 0u);
    engine.SetSoundOff(false);
    engine.Shutdown();
}

}  // namespace
