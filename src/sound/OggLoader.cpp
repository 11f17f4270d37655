#include "sound/OggLoader.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <new>
#include <vector>

#include "core/Trace.h"
#include "platform/Messages.h"
#include "sound/OggMemorySource.h"
#include "sound/SfxFileReader.h"
#include "sound/SoundData.h"

namespace {

constexpr int kReadBytes = 4096;
constexpr size_t kGrowBytes = 65536;
constexpr int kLittleEndian = 0;
constexpr int kWordBytes = 2;
constexpr int kSigned = 1;

bool Fail(const std::string& fileName, const char* why) {
    std::fprintf(stderr, "%s: unreadable Ogg Vorbis file: %s\n", fileName.c_str(), why);
    return false;
}

}  // namespace

bool OggLoader::CanLoad(const std::string& fileName) const { return HasSfxExtension(fileName, "OGG"); }

bool OggLoader::Load(const std::string& fileName, SoundData& out) {
    Trace("OggLoader::Load %s\n", fileName.c_str());
    if (!CanLoad(fileName)) return false;
    std::vector<uint8_t> bytes;
    if (!ReadWholeSfxFile(fileName, bytes)) return false;

    OggMemorySource source(bytes.data(), bytes.size());
    OggVorbis_File file;
    if (!source.Open(file)) return Fail(fileName, "not an Ogg Vorbis stream");
    const vorbis_info* info = ov_info(&file, -1);
    if (!info || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
        ov_clear(&file);
        return Fail(fileName, "only mono and stereo are played");
    }
    const int channels = info->channels;
    const long rate = info->rate;

    std::vector<uint8_t> pcm;
    size_t used = 0;
    try {
        for (;;) {
            if (pcm.size() - used < kReadBytes) pcm.resize(pcm.size() + kGrowBytes);
            int section = 0;
            const long got = ov_read(&file, reinterpret_cast<char*>(pcm.data() + used), kReadBytes, kLittleEndian,
                                     kWordBytes, kSigned, &section);
            if (got < 1) break;
            used += static_cast<size_t>(got);
        }
    } catch (const std::bad_alloc&) {
        ov_clear(&file);
        platform::PostQuitMessage(-1);
        return Fail(fileName, "out of memory");
    }
    ov_clear(&file);
    const size_t frameBytes = static_cast<size_t>(channels) * kWordBytes;
    if (used < frameBytes) return Fail(fileName, "no samples");
    pcm.resize(used - used % frameBytes);
    pcm.shrink_to_fit();

    out.rate = static_cast<int>(rate);
    out.bits = 16;
    out.channels = channels;
    out.samples = static_cast<int>(pcm.size() / frameBytes);
    out.data = std::move(pcm);
    return true;
}
