#include "sound/SoundConversion.h"

#include <algorithm>
#include <cstring>

#include "sound/SoundData.h"

namespace {

constexpr int kMaxKeptRate = 22050;

// Signed sample types; C++ division truncates toward zero, as the halving is defined.
template <class T>
void MixDownSigned(const uint8_t* left, uint8_t* out) {
    T l, r;
    std::memcpy(&l, left, sizeof l);
    std::memcpy(&r, left + sizeof l, sizeof r);
    const T v = static_cast<T>(l / 2 + r / 2);
    std::memcpy(out, &v, sizeof v);
}

void MixDownUnsigned8(const uint8_t* left, uint8_t* out) {
    const int l = left[0] - 128;
    const int r = left[1] - 128;
    out[0] = static_cast<uint8_t>(l / 2 + r / 2 + 128);
}

}  // namespace

bool ConvertSound(const SoundData& in, bool mono, SoundData& out) {
    if (in.bits != 8 && in.bits != 16 && in.bits != 32) return false;
    if (in.channels != 1 && in.channels != 2) return false;
    const int inFrameBytes = in.FrameBytes();
    // Never trust the frame count beyond the bytes that are there.
    const int inFrames = std::min(in.samples, in.Size() / inFrameBytes);
    const bool halve = in.rate > kMaxKeptRate;

    out = SoundData{};
    out.bits = in.bits;
    out.rate = halve ? in.rate / 2 : in.rate;
    out.samples = halve ? inFrames / 2 : inFrames;
    out.channels = (mono && in.channels == 2) ? 1 : in.channels;
    const int outFrameBytes = out.FrameBytes();
    out.data.resize(static_cast<size_t>(out.samples) * outFrameBytes);

    if (!halve && out.channels == in.channels) {
        std::memcpy(out.data.data(), in.data.data(), out.data.size());
        return true;
    }
    const int inStep = halve ? 2 : 1;
    const int sampleBytes = in.bits / 8;
    for (int i = 0; i < out.samples; ++i) {
        const uint8_t* src = in.data.data() + static_cast<size_t>(i) * inStep * inFrameBytes;
        uint8_t* dst = out.data.data() + static_cast<size_t>(i) * outFrameBytes;
        if (in.channels > out.channels) {
            if (sampleBytes == 1)
                MixDownUnsigned8(src, dst);
            else if (sampleBytes == 2)
                MixDownSigned<int16_t>(src, dst);
            else
                MixDownSigned<int32_t>(src, dst);
        } else {
            std::memcpy(dst, src, static_cast<size_t>(outFrameBytes));
        }
    }
    return true;
}
