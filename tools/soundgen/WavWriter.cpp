#include "WavWriter.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool WriteWav(const std::string& path, const Buffer& buffer) {
    constexpr uint32_t kBits = 16;
    constexpr uint32_t kPcm = 1;
    const uint32_t channels = static_cast<uint32_t>(buffer.Channels());
    const uint32_t rate = static_cast<uint32_t>(buffer.Rate());
    const uint32_t blockAlign = channels * kBits / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(buffer.Frames()) * blockAlign;

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, kPcm);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, kBits);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (std::size_t i = 0; i < buffer.Frames(); ++i) {
        for (uint32_t c = 0; c < channels; ++c) {
            const float s = std::clamp(buffer.Channel(static_cast<int>(c))[i], -1.0f, 1.0f);
            const auto v = static_cast<int16_t>(std::lround(s * 32767.0f));
            Put16(out, static_cast<uint16_t>(v));
        }
    }

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "rjsoundgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (std::fclose(file) != 0 || !ok) {
        std::fprintf(stderr, "rjsoundgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}
