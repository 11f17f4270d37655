#include "sound/WavLoader.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "core/Trace.h"
#include "sound/SfxFileReader.h"
#include "sound/SoundData.h"

namespace {

constexpr size_t kTagBytes = 4;
constexpr size_t kChunkHeaderBytes = 8;  // tag and 32-bit size
constexpr uint32_t kPcmFormatBytes = 16;
constexpr uint16_t kFormatPcm = 1;
// WAVE_FORMAT_EXTENSIBLE, as sox writes files of more than 16 bits: PCM when its sub-format
// GUID begins with the PCM tag.
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kExtensibleFormatBytes = 40;
constexpr size_t kSubFormatOffset = 24;

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

std::optional<size_t> FindTag(const std::vector<uint8_t>& bytes, size_t from, const char* tag) {
    for (size_t at = from; at + kTagBytes <= bytes.size(); at += kTagBytes) {
        if (std::memcmp(bytes.data() + at, tag, kTagBytes) == 0) return at;
    }
    return std::nullopt;
}

bool Fail(const std::string& fileName, const char* why) {
    std::fprintf(stderr, "%s: unreadable WAVE file: %s\n", fileName.c_str(), why);
    return false;
}

}  // namespace

bool WavLoader::CanLoad(const std::string& fileName) const { return HasSfxExtension(fileName, "WAV"); }

bool WavLoader::Load(const std::string& fileName, SoundData& out) {
    Trace("WavLoader::Load %s\n", fileName.c_str());
    if (!CanLoad(fileName)) return false;
    std::vector<uint8_t> bytes;
    if (!ReadWholeSfxFile(fileName, bytes)) return false;
    const size_t size = bytes.size();

    const std::optional<size_t> wave = FindTag(bytes, 0, "WAVE");
    if (!wave) return Fail(fileName, "no \"WAVE\" tag");
    const std::optional<size_t> fmt = FindTag(bytes, *wave, "fmt ");
    if (!fmt || *fmt + kChunkHeaderBytes > size) return Fail(fileName, "no \"fmt \" chunk");
    const size_t formatStart = *fmt + kChunkHeaderBytes;
    const uint32_t formatBytes = Read32(bytes.data() + *fmt + kTagBytes);
    if (formatBytes < kPcmFormatBytes || formatBytes > size - formatStart) {
        return Fail(fileName, "\"fmt \" chunk size does not fit the file");
    }
    const uint8_t* format = bytes.data() + formatStart;
    const uint16_t formatTag = Read16(format);
    const uint16_t channels = Read16(format + 2);
    const uint32_t rate = Read32(format + 4);
    const uint16_t blockAlign = Read16(format + 12);
    const uint16_t bits = Read16(format + 14);
    const bool extensiblePcm = formatTag == kFormatExtensible && formatBytes >= kExtensibleFormatBytes &&
                               Read16(format + kSubFormatOffset) == kFormatPcm;
    if (formatTag != kFormatPcm && !extensiblePcm) return Fail(fileName, "not PCM samples");
    if (channels != 1 && channels != 2) return Fail(fileName, "only mono and stereo are played");
    if (bits != 8 && bits != 16 && bits != 32) return Fail(fileName, "only 8, 16 and 32 bits are played");
    if (rate == 0 || blockAlign != channels * bits / 8) return Fail(fileName, "inconsistent format");

    const std::optional<size_t> data = FindTag(bytes, formatStart + formatBytes, "data");
    if (!data || *data + kChunkHeaderBytes > size) return Fail(fileName, "no \"data\" chunk");
    const size_t dataStart = *data + kChunkHeaderBytes;
    const uint32_t dataBytes = Read32(bytes.data() + *data + kTagBytes);
    if (dataBytes > size - dataStart) return Fail(fileName, "\"data\" chunk size does not fit the file");
    const uint32_t frames = dataBytes / blockAlign;
    if (frames == 0) return Fail(fileName, "no samples");

    out.rate = static_cast<int>(rate);
    out.bits = bits;
    out.channels = channels;
    out.samples = static_cast<int>(frames);
    // The samples move to the front of the file block, which shrinks to them.
    const size_t usedBytes = size_t{frames} * blockAlign;
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(dataStart));
    bytes.resize(usedBytes);
    bytes.shrink_to_fit();
    out.data = std::move(bytes);
    return true;
}
