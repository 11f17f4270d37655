// A shadow picture: a 1-bit BMP turned into a shadow mask and drawn, cut at the screen's edges.
// Pictures of other depths must be refused with a message.

#include "SpriteHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::DataFolder::Write("fz.bmp", fuzz::AsText(data, size));
    if (!fuzz::BmpReadable("fz.bmp")) return 0;
    const bool trim = size > 0 && (data[size - 1] & 1) != 0;
    fuzz::BuildAndDraw(SpriteSpec{"fz", trim, SpriteKind::Shadow, 1, 1.0f, false, false});
    return 0;
}
