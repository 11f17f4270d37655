#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sound/SoundData.h"
#include "sound/SoundTestFiles.h"
#include "sound/WavLoader.h"

namespace {

class WavLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { SoundTestFiles::UseAsDataRoot(); }

    // A short sox tone, two different tones on a stereo file's channels.
    static std::string MakeTone(int rate, int channels, int bits) {
        const std::string name =
            "tone_" + std::to_string(rate) + "_" + std::to_string(channels) + "_" + std::to_string(bits) + ".wav";
        const std::string input =
            "-n -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " -b " + std::to_string(bits);
        EXPECT_TRUE(SoundTestFiles::Sox(input, name, "synth 0.05 sine 440 sine 660 vol 0.8")) << name;
        return name;
    }

    WavLoader loader;
};

TEST_F(WavLoaderTest, ReadsSoxFilesSampleForSample) {
    struct Case {
        int rate, channels, bits;
        const char* rawEncoding;
    };
    const Case cases[] = {
        {22050, 1, 8, "-e unsigned -b 8"}, {22050, 2, 8, "-e unsigned -b 8"}, {22050, 1, 16, "-e signed -b 16"},
        {44100, 2, 16, "-e signed -b 16"}, {44100, 1, 16, "-e signed -b 16"}, {22050, 1, 32, "-e signed -b 32"},
    };
    for (const Case& c : cases) {
        const std::string name = MakeTone(c.rate, c.channels, c.bits);
        SCOPED_TRACE(name);
        SoundData data;
        ASSERT_TRUE(loader.Load(SoundTestFiles::DataPath(name), data));
        EXPECT_EQ(data.rate, c.rate);
        EXPECT_EQ(data.channels, c.channels);
        EXPECT_EQ(data.bits, c.bits);
        const std::vector<uint8_t> expected = SoundTestFiles::SoxRaw(name, c.rawEncoding);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(data.samples, static_cast<int>(expected.size()) / (c.channels * c.bits / 8));
        EXPECT_EQ(data.data, expected);
    }
}

// A "LIST" chunk between "fmt " and "data": the four-byte scan finds "data" only when the chunk
// keeps it at a multiple of four bytes behind the fmt body.
TEST_F(WavLoaderTest, ListChunkBeforeTheData) {
    const std::string tone = MakeTone(22050, 1, 16);
    const std::vector<uint8_t> original = SoundTestFiles::ReadBytes(tone);
    constexpr size_t kFmtBodyEnd = 36;  // sox's plain PCM header: RIFF, WAVE, fmt chunk of 16
    ASSERT_EQ(std::memcmp(original.data() + kFmtBodyEnd, "data", 4), 0);

    struct Case {
        const char* name;
        std::vector<uint8_t> list;
        bool readable;
    };
    const Case cases[] = {
        {"list12.wav", {'L', 'I', 'S', 'T', 4, 0, 0, 0, 'I', 'N', 'F', 'O'}, true},
        {"list14.wav", {'L', 'I', 'S', 'T', 6, 0, 0, 0, 'I', 'N', 'F', 'O', 'a', 0}, false},
    };
    SoundData plain;
    ASSERT_TRUE(loader.Load(SoundTestFiles::DataPath(tone), plain));
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = original;
        bytes.insert(bytes.begin() + kFmtBodyEnd, c.list.begin(), c.list.end());
        SoundTestFiles::WriteBytes(c.name, bytes);
        SoundData data;
        testing::internal::CaptureStderr();
        EXPECT_EQ(loader.Load(SoundTestFiles::DataPath(c.name), data), c.readable) << c.name;
        const std::string complaint = testing::internal::GetCapturedStderr();
        if (c.readable) {
            EXPECT_EQ(data.data, plain.data);
            EXPECT_TRUE(complaint.empty());
        } else {
            EXPECT_NE(complaint.find(c.name), std::string::npos) << complaint;
        }
    }
}

TEST_F(WavLoaderTest, DamagedFilesFailWithoutReadingPastTheEnd) {
    const std::vector<uint8_t> good = SoundTestFiles::ReadBytes(MakeTone(22050, 2, 16));
    const auto patched = [&](size_t offset, std::vector<uint8_t> patch) {
        std::vector<uint8_t> bytes = good;
        std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"data size past the end", std::vector<uint8_t>(good.begin(), good.end() - 2)},
        {"fmt size past the end", patched(16, {0xff, 0xff, 0, 0})},
        {"fmt chunk too short", patched(16, {8, 0, 0, 0})},
        {"no channels", patched(22, {0, 0})},
        {"three channels", patched(22, {3, 0})},
        {"no block align", patched(32, {0, 0})},
        {"12 bits", patched(34, {12, 0})},
        {"float samples", patched(20, {3, 0})},
        {"no data tag", patched(36, {'d', 'a', 't', 'x'})},
        {"empty data", patched(40, {0, 0, 0, 0})},
        {"only a header", std::vector<uint8_t>(good.begin(), good.begin() + 38)},
        {"only WAVE", {'W', 'A', 'V', 'E'}},
        {"three bytes", {'R', 'I', 'F'}},
    };
    for (const Case& c : cases) {
        SoundTestFiles::WriteBytes("damaged.wav", c.bytes);
        SoundData data;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loader.Load(SoundTestFiles::DataPath("damaged.wav"), data)) << c.what;
        const std::string complaint = testing::internal::GetCapturedStderr();
        EXPECT_NE(complaint.find("damaged.wav"), std::string::npos) << c.what;
    }
}

TEST_F(WavLoaderTest, MissingFileFailsQuietly) {
    SoundData data;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loader.Load(SoundTestFiles::DataPath("nosuchsound.wav"), data));
    EXPECT_TRUE(testing::internal::GetCapturedStderr().empty());
}

TEST(WavLoaderNames, ChosenByTheLastThreeLetters) {
    const WavLoader loader;
    EXPECT_TRUE(loader.CanLoad("data\\a.wav"));
    EXPECT_TRUE(loader.CanLoad("data\\A.WAV"));
    EXPECT_TRUE(loader.CanLoad("wav"));
    EXPECT_FALSE(loader.CanLoad("av"));
    EXPECT_FALSE(loader.CanLoad("data\\a.ogg"));
    EXPECT_FALSE(loader.CanLoad("data\\a.wave"));
}

}  // namespace
