// Music and ambience: an Ogg Vorbis file decoded a piece at a time by the streaming decoder, on
// past its end (where it starts again), with the page checksums repaired so damage reaches the
// decoder.

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "OggPages.h"
#include "sound/OggStreaming.h"
#include "sound/SoundData.h"

namespace {
constexpr int kReads = 96;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string file(fuzz::AsText(data, size));
    fuzz::RepairOggChecksums(file);
    fuzz::DataFolder::Write("fz.ogg", file);
    OggStreaming stream;
    SoundData format;
    if (!stream.Open("data\\fz.ogg", format)) return 0;
    // Refills of the sizes the streaming buffer asks for, and a few odd ones.
    const int piece = size > 0 && (data[size - 1] & 1) ? 4093 : 8192;
    std::vector<char> buffer(static_cast<size_t>(piece));
    for (int i = 0; i < kReads; ++i) stream.Read(buffer.data(), i % 7 == 3 ? 1 : piece);
    stream.Close();
    return 0;
}
