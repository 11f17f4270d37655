#include "sound/OggStreaming.h"

#include <cstdio>

#include "core/Trace.h"
#include "sound/SfxFileReader.h"
#include "sound/SoundData.h"

namespace {
constexpr int kLittleEndian = 0;
constexpr int kWordBytes = 2;
constexpr int kSigned = 1;
}  // namespace

OggStreaming::~OggStreaming() { Close(); }

bool OggStreaming::CanOpen(const std::string& fileName) const { return HasSfxExtension(fileName, "OGG"); }

bool OggStreaming::Open(const std::string& fileName, SoundData& format) {
    Close();
    Trace("OggStreaming::Create: %s\n", fileName.c_str());
    if (!CanOpen(fileName) || !ReadWholeSfxFile(fileName, fileData_)) return false;
    source_ = std::make_unique<OggMemorySource>(fileData_.data(), fileData_.size());
    open_ = source_->Open(file_);
    const vorbis_info* info = open_ ? ov_info(&file_, -1) : nullptr;
    if (!info || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
        std::fprintf(stderr, "%s: unreadable Ogg Vorbis file: %s\n", fileName.c_str(),
                     open_ ? "only mono and stereo are played" : "not an Ogg Vorbis stream");
        Close();
        return false;
    }
    fileName_ = fileName;
    format = SoundData{};
    format.rate = static_cast<int>(info->rate);
    format.bits = 16;
    format.channels = info->channels;
    return true;
}

void OggStreaming::Close() {
    if (open_) ov_clear(&file_);
    open_ = false;
    source_.reset();
    fileData_.clear();
    fileData_.shrink_to_fit();
}

int OggStreaming::Read(void* dest, int bytes) {
    if (!open_ || bytes <= 0) return 0;
    int section = 0;
    const long got = ov_read(&file_, static_cast<char*>(dest), bytes, kLittleEndian, kWordBytes, kSigned, &section);
    if (got > 0) return static_cast<int>(got);
    if (got == 0) {
        // End of the stream: start it again, so the next Read continues with the first samples.
        ov_clear(&file_);
        open_ = source_->Open(file_);
        return 0;
    }
    // Damage in the middle: decoding on past it can reach states the decoder does not survive
    // (a division by zero inside libvorbis), so the stream is closed for good.
    std::fprintf(stderr, "%s: damaged Ogg Vorbis stream (error %ld); the sound stops\n", fileName_.c_str(), got);
    Close();
    return 0;
}
