// A JPEG picture with its 1-bit mask ("<name>_Mask.bmp") and optionally a JPEG alpha picture
// masked the same way: three files in one input, built into a still sprite and drawn.

#include "SpriteHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::SplitParts(data, size, 3);
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::DataFolder::Write("fz.jpg", parts[0]);
    fuzz::DataFolder::Write("fz_Mask.bmp", parts[1]);
    if (parts[2].empty()) {
        fuzz::DataFolder::Remove("fzAlpha.jpg");
    } else {
        fuzz::DataFolder::Write("fzAlpha.jpg", parts[2]);
    }
    if (!fuzz::BmpReadable("fz_Mask.bmp")) return 0;
    const bool trim = size > 0 && (data[size - 1] & 1) != 0;
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Still, 1, 1.0f, false, false});
    return 0;
}
