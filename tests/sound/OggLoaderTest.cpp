#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/OggLoader.h"
#include "sound/SoundData.h"
#include "sound/SoundTestFiles.h"
#include "sound/WavLoader.h"

namespace {

class OggLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { SoundTestFiles::UseAsDataRoot(); }

    static std::string MakeOgg(int rate, int channels, const std::string& synth = "0.3 sine 440 sine 550") {
        const std::string base =
            "ogg_" + std::to_string(rate) + "_" + std::to_string(channels) + "_" + std::to_string(synth.size());
        EXPECT_TRUE(SoundTestFiles::Sox("-n -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " -b 16",
                                        base + ".wav", "synth " + synth + " vol 0.5"));
        EXPECT_TRUE(SoundTestFiles::OggEnc(base + ".wav", base + ".ogg"));
        return base + ".ogg";
    }

    OggLoader loader;
};

TEST_F(OggLoaderTest, DecodesOggencFilesAsSoxDoes) {
    struct Case {
        int rate, channels;
    };
    for (const Case c : {Case{44100, 2}, Case{22050, 1}}) {
        const std::string name = MakeOgg(c.rate, c.channels);
        SCOPED_TRACE(name);
        SoundData data;
        ASSERT_TRUE(loader.Load(SoundTestFiles::DataPath(name), data));
        EXPECT_EQ(data.rate, c.rate);
        EXPECT_EQ(data.channels, c.channels);
        EXPECT_EQ(data.bits, 16);
        const std::vector<uint8_t> expected = SoundTestFiles::SoxRaw(name, "-e signed -b 16");
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(data.samples, static_cast<int>(expected.size()) / (2 * c.channels));
        EXPECT_EQ(data.data, expected);
    }
}

TEST_F(OggLoaderTest, NotOggDataFails) {
    SoundTestFiles::WriteBytes("noise.ogg", std::vector<uint8_t>(5000, 0x5a));
    const std::vector<uint8_t> good = SoundTestFiles::ReadBytes(MakeOgg(22050, 1));
    SoundTestFiles::WriteBytes("headonly.ogg", std::vector<uint8_t>(good.begin(), good.begin() + 40));
    for (const char* name : {"noise.ogg", "headonly.ogg"}) {
        SoundData data;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loader.Load(SoundTestFiles::DataPath(name), data)) << name;
        EXPECT_NE(testing::internal::GetCapturedStderr().find(name), std::string::npos);
    }
}

TEST_F(OggLoaderTest, TruncatedStreamKeepsWhatDecodes) {
    const std::string name = MakeOgg(44100, 2, "1 whitenoise");  // noise: many pages
    SoundData whole;
    ASSERT_TRUE(loader.Load(SoundTestFiles::DataPath(name), whole));
    const std::vector<uint8_t> bytes = SoundTestFiles::ReadBytes(name);
    SoundTestFiles::WriteBytes("half.ogg", std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() * 2 / 3));
    SoundData half;
    ASSERT_TRUE(loader.Load(SoundTestFiles::DataPath("half.ogg"), half));
    EXPECT_GT(half.samples, 0);
    EXPECT_LT(half.samples, whole.samples);
    EXPECT_TRUE(std::equal(half.data.begin(), half.data.begin() + 4096, whole.data.begin()));
}

TEST(OggLoaderNames, OggInAnyCaseButNotOga) {
    const OggLoader ogg;
    const WavLoader wav;
    EXPECT_TRUE(ogg.CanLoad("data\\soundtheme.ogg"));
    EXPECT_TRUE(ogg.CanLoad("data\\soundtheme.OGG"));
    EXPECT_FALSE(ogg.CanLoad("data\\soundtheme.oga"));
    EXPECT_FALSE(wav.CanLoad("data\\soundtheme.oga"));
}

}  // namespace
