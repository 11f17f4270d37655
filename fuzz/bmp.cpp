// A picture file as the catalogue reads it: decoded, converted to the display format, keyed or
// trimmed, and drawn as a still sprite and as an animation strip.

#include "SpriteHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::DataFolder::Write("fz.bmp", fuzz::AsText(data, size));
    if (!fuzz::BmpReadable("fz.bmp")) return 0;
    const bool trim = size > 0 && (data[size - 1] & 1) != 0;
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Still, 1, 1.0f, false, false});
    const int frames = size > 1 ? 1 + data[size - 2] % 5 : 2;
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Animated, frames, 0.5f, false, true});
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::RunLength, frames, 0.5f, false, true});
    return 0;
}
