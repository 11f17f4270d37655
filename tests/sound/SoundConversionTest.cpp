#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "sound/SoundConversion.h"
#include "sound/SoundData.h"

namespace {

template <class T>
SoundData MakeSound(int rate, int channels, const std::vector<T>& samples) {
    SoundData sound;
    sound.rate = rate;
    sound.bits = static_cast<int>(sizeof(T) * 8);
    sound.channels = channels;
    sound.samples = static_cast<int>(samples.size()) / channels;
    sound.data.resize(samples.size() * sizeof(T));
    std::memcpy(sound.data.data(), samples.data(), sound.data.size());
    return sound;
}

template <class T>
std::vector<T> SamplesOf(const SoundData& sound) {
    std::vector<T> samples(sound.data.size() / sizeof(T));
    std::memcpy(samples.data(), sound.data.data(), sound.data.size());
    return samples;
}

TEST(SoundConversion, StereoAt44100BecomesMonoAt22050FromEverySecondFrame) {
    // Frames (l, r); the odd values show that each channel is halved before adding.
    const std::vector<int16_t> in = {1000, 3000, -3, -3, 32767, 32767, 5, 7, -32768, 32767, 0, 0, -7, -9, 1, 1};
    SoundData out;
    ASSERT_TRUE(ConvertSound(MakeSound(44100, 2, in), true, out));
    EXPECT_EQ(out.rate, 22050);
    EXPECT_EQ(out.channels, 1);
    EXPECT_EQ(out.samples, 4);
    EXPECT_EQ(out.Size(), 8);
    const std::vector<int16_t> expected = {2000, 32766, -1, -7};  // exact averages: -0.5, -8
    EXPECT_EQ(SamplesOf<int16_t>(out), expected);
}

TEST(SoundConversion, MonoAt22050IsCopiedByteForByte) {
    const std::vector<int16_t> in = {1, -2, 300, -32768, 32767};
    const SoundData sound = MakeSound(22050, 1, in);
    SoundData out;
    ASSERT_TRUE(ConvertSound(sound, true, out));
    EXPECT_EQ(out.rate, 22050);
    EXPECT_EQ(out.samples, 5);
    EXPECT_EQ(out.data, sound.data);
}

TEST(SoundConversion, RateIsHalvedOnceAndStereoKeptWithoutMono) {
    const std::vector<int16_t> in = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    SoundData out;
    ASSERT_TRUE(ConvertSound(MakeSound(48000, 2, in), false, out));
    EXPECT_EQ(out.rate, 24000);
    EXPECT_EQ(out.channels, 2);
    EXPECT_EQ(out.samples, 2);  // five frames: the odd one is dropped
    const std::vector<int16_t> expected = {1, 2, 5, 6};
    EXPECT_EQ(SamplesOf<int16_t>(out), expected);
}

TEST(SoundConversion, EightBitIsAveragedAround128) {
    const std::vector<uint8_t> in = {0, 255, 128, 128, 255, 255, 1, 3};
    SoundData out;
    ASSERT_TRUE(ConvertSound(MakeSound(22050, 2, in), true, out));
    const std::vector<uint8_t> expected = {127, 128, 254, 3};
    EXPECT_EQ(SamplesOf<uint8_t>(out), expected);
}

TEST(SoundConversion, ThirtyTwoBitIsSigned) {
    const std::vector<int32_t> in = {-2000000001, -2000000001, 2147483647, 2147483647};
    SoundData out;
    ASSERT_TRUE(ConvertSound(MakeSound(11025, 2, in), true, out));
    const std::vector<int32_t> expected = {-2000000000, 2147483646};
    EXPECT_EQ(SamplesOf<int32_t>(out), expected);
}

TEST(SoundConversion, OtherSampleSizesAreRefused) {
    SoundData in = MakeSound(22050, 1, std::vector<uint8_t>(9, 0));
    in.bits = 24;
    in.samples = 3;
    SoundData out;
    EXPECT_FALSE(ConvertSound(in, false, out));
}

TEST(SoundConversion, FrameCountNeverExceedsTheBytes) {
    SoundData in = MakeSound(22050, 1, std::vector<int16_t>{1, 2, 3});
    in.samples = 1000;
    SoundData out;
    ASSERT_TRUE(ConvertSound(in, false, out));
    EXPECT_EQ(out.samples, 3);
    EXPECT_EQ(out.data, in.data);
}

}  // namespace
