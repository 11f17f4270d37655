// An animation's frame list ("<name>Frames.txt") applied to strips of the harness's making, the
// animation then drawn at many times, forwards and looping, plain and run-length encoded.

#include <string>

#include "SpriteHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string strip = fuzz::MakePatternBmp(24, 4 * 18);
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::DataFolder::Write("fz.bmp", strip);
    fuzz::DataFolder::Write("fzFrames.txt", fuzz::AsText(data, size));
    for (bool loop : {false, true}) {
        fuzz::BuildAndDraw(SpriteSpec{"fz", false, SpriteKind::Animated, 4, 0.7f, false, loop});
        fuzz::BuildAndDraw(SpriteSpec{"fz", true, SpriteKind::RunLength, 4, 0.7f, false, loop});
    }
    return 0;
}
