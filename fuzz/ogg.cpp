// An Ogg Vorbis effect decoded whole through the engine's loader, into a device buffer, mixed.

#include "SoundHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadAndPlay("fz.ogg", data, size);
    return 0;
}
