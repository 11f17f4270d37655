#include <gtest/gtest.h>

#include <string>

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
