// A picture with its alpha picture ("<name>Alpha.bmp"), two files in one input: both decoded,
// the alpha converted to 8 bits, and blended as a still sprite and as an animation.

#include "SpriteHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::SplitParts(data, size, 2);
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::DataFolder::Write("fz.bmp", parts[0]);
    fuzz::DataFolder::Write("fzAlpha.bmp", parts[1]);
    if (!fuzz::BmpReadable("fz.bmp") || !fuzz::BmpReadable("fzAlpha.bmp")) return 0;
    const bool trim = size > 0 && (data[size - 1] & 1) != 0;
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Still, 1, 1.0f, false, false});
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Animated, 2, 0.5f, false, true});
    return 0;
}
