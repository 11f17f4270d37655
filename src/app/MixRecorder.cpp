#include "app/MixRecorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/StringUtil.h"
#include "platform/Mixer.h"

namespace {

constexpr uint32_t kHeaderBytes = 44;
constexpr uint16_t kBitsPerSample = 16;
constexpr int kFullScaleMagnitude = 32768;
constexpr double kSilenceDb = -120.0;

void PutLe(std::array<uint8_t, kHeaderBytes>& header, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

std::array<uint8_t, kHeaderBytes> WaveHeader(uint32_t dataBytes) {
    constexpr uint32_t kChannels = platform::Mixer::kChannels;
    constexpr uint32_t kRate = platform::Mixer::kRate;
    constexpr uint32_t kBlockAlign = kChannels * kBitsPerSample / 8;
    std::array<uint8_t, kHeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    PutLe(h, 4, 36 + dataBytes, 4);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    PutLe(h, 16, 16, 4);
    PutLe(h, 20, 1, 2);  // PCM
    PutLe(h, 22, kChannels, 2);
    PutLe(h, 24, kRate, 4);
    PutLe(h, 28, kRate * kBlockAlign, 4);
    PutLe(h, 32, kBlockAlign, 2);
    PutLe(h, 34, kBitsPerSample, 2);
    std::memcpy(&h[36], "data", 4);
    PutLe(h, 40, dataBytes, 4);
    return h;
}

double ToDb(double fraction) { return fraction > 0.0 ? 20.0 * std::log10(fraction) : kSilenceDb; }

}  // namespace

double MixRecorder::Figures::Seconds() const {
    return static_cast<double>(samples) / (platform::Mixer::kChannels * platform::Mixer::kRate);
}

double MixRecorder::Figures::PeakDb() const { return ToDb(static_cast<double>(peak) / kFullScaleMagnitude); }

double MixRecorder::Figures::RmsDb() const { return ToDb(rms); }

MixRecorder::~MixRecorder() {
    if (file_) Close();
}

bool MixRecorder::Open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        std::fprintf(stderr, "reedjumper: cannot write the mix file %s\n", path.c_str());
        return false;
    }
    const auto header = WaveHeader(0);
    failed_ = std::fwrite(header.data(), 1, header.size(), file_) != header.size();
    return true;
}

void MixRecorder::Figures::Add(const int16_t* data, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const int s = data[i];
        peak = std::max(peak, std::abs(s));
        if (s >= 32767 || s <= -32768) ++clipped;
        sumSquares += static_cast<double>(s) * s;
    }
    samples += count;
    rms = samples ? std::sqrt(sumSquares / static_cast<double>(samples)) / kFullScaleMagnitude : 0.0;
}

void MixRecorder::Record(platform::Mixer& mixer, double seconds) {
    if (!file_) return;
    pendingFrames_ += seconds * platform::Mixer::kRate;
    const auto frames = static_cast<int>(std::floor(pendingFrames_));
    if (frames <= 0) return;
    pendingFrames_ -= frames;
    block_.resize(static_cast<size_t>(frames) * platform::Mixer::kChannels);
    mixer.Mix(block_.data(), frames);
    figures_.Add(block_.data(), block_.size());
    // The file is little-endian, as is every machine this runs on.
    if (std::fwrite(block_.data(), sizeof(int16_t), block_.size(), file_) != block_.size()) failed_ = true;
}

bool MixRecorder::Close() {
    if (!file_) return !failed_;
    const uint64_t dataBytes = figures_.samples * sizeof(int16_t);
    const auto header = WaveHeader(static_cast<uint32_t>(std::min<uint64_t>(dataBytes, 0xFFFFFFFFu - 36)));
    if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(header.data(), 1, header.size(), file_) != header.size()) {
        failed_ = true;
    }
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    if (failed_) std::fprintf(stderr, "reedjumper: writing the mix file %s failed\n", path_.c_str());
    return !failed_;
}

std::string MixRecorder::Summary() const {
    return StringFormat("mix %s: %.2f s, peak %.1f dBFS, RMS %.1f dBFS, %llu clipped samples", path_.c_str(),
                        figures_.Seconds(), figures_.PeakDb(), figures_.RmsDb(),
                        static_cast<unsigned long long>(figures_.clipped));
}
