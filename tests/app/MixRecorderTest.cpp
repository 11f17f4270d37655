#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/MixRecorder.h"
#include "platform/Mixer.h"
#include "platform/SoundDevice.h"
#include "platform/SoundDeviceBuffer.h"

namespace {

namespace fs = std::filesystem;

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

class MixRecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() / ("rj_mixrec_" + std::to_string(getpid()) + "_" + std::to_string(++count));
        fs::create_directories(dir_);
        device_.Open(platform::SoundOutput::Manual);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A looping mono buffer of one repeated sample.
    std::unique_ptr<platform::SoundDeviceBuffer> Constant(int16_t value) {
        platform::SoundBufferDesc desc;
        desc.flags = platform::DSBCAPS_CTRLVOLUME;
        desc.bufferBytes = 4;
        desc.format.channels = 1;
        desc.format.samplesPerSec = 44100;
        desc.format.bitsPerSample = 16;
        desc.format.blockAlign = 2;
        desc.format.avgBytesPerSec = 88200;
        auto buffer = device_.CreateSoundBuffer(desc);
        void* p = nullptr;
        uint32_t n = 0;
        buffer->Lock(0, 4, &p, &n, nullptr, nullptr);
        const int16_t samples[2] = {value, value};
        std::memcpy(p, samples, n);
        buffer->Unlock(p, n, nullptr, 0);
        buffer->Play(platform::DSBPLAY_LOOPING);
        return buffer;
    }

    fs::path dir_;
    platform::SoundDevice device_;
};

TEST_F(MixRecorderTest, WritesAWaveOfTheMixAndItsFigures) {
    auto tone = Constant(8192);  // a quarter of full scale: −12 dBFS
    MixRecorder recorder;
    const std::string path = (dir_ / "mix.wav").string();
    ASSERT_TRUE(recorder.Open(path));
    // 0.02 s ticks at 44100 Hz are 882 frames each; a third of a frame carries over.
    for (int i = 0; i < 3; ++i) recorder.Record(*device_.GetManualMixer(), 0.02 + 1.0 / 3 / 44100);
    ASSERT_TRUE(recorder.Close());
    const MixRecorder::Figures& f = recorder.GetFigures();
    EXPECT_EQ(f.samples, 2u * (3 * 882 + 1));
    EXPECT_EQ(f.peak, 8192);
    EXPECT_NEAR(f.PeakDb(), -12.04, 0.01);
    EXPECT_NEAR(f.RmsDb(), -12.04, 0.01);
    EXPECT_EQ(f.clipped, 0u);

    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 44 + f.samples * 2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le32(bytes, 24), 44100u);
    EXPECT_EQ(Le32(bytes, 40), f.samples * 2) << "the data size is filled in at the close";
    EXPECT_EQ(Le32(bytes, 4), 36 + f.samples * 2);
    EXPECT_EQ(bytes[44] | (bytes[45] << 8), 8192);
    EXPECT_NE(recorder.Summary().find("0 clipped samples"), std::string::npos) << recorder.Summary();
}

TEST(MixRecorderFigures, SamplesAtEitherEndOfTheScaleCountAsClipped) {
    MixRecorder::Figures f;
    const int16_t samples[] = {0, 100, -32768, 32767, 32766, -32767};
    f.Add(samples, std::size(samples));
    EXPECT_EQ(f.clipped, 2u);
    EXPECT_EQ(f.peak, 32768);
    EXPECT_EQ(f.samples, 6u);
    EXPECT_NEAR(f.PeakDb(), 0.0, 1e-9);
    MixRecorder::Figures silent;
    EXPECT_LT(silent.RmsDb(), -100.0);
}

TEST_F(MixRecorderTest, AFileThatCannotBeWrittenIsSaidOnce) {
    MixRecorder recorder;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(recorder.Open((dir_ / "no" / "such" / "folder.wav").string()));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("folder.wav"), std::string::npos) << err;
    recorder.Record(*device_.GetManualMixer(), 0.02);
    EXPECT_EQ(recorder.GetFigures().samples, 0u);
}

}  // namespace
