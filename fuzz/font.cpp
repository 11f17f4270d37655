// A bitmap font's ".fnt" text read, and text measured and drawn with it (plain, right-aligned and
// scaled) from a glyph picture of the harness's making.

#include <string>

#include "SpriteHarness.h"
#include "gfx/Font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string glyphs = fuzz::MakePatternBmp(96, 24);
    fuzz::LoadFixedSettings(fuzz::kDrawingSettings);
    fuzz::OpenHeadlessDisplay();
    fuzz::DataFolder::Write("fzglyphs.bmp", glyphs);
    SpriteManager::Instance().RegisterSpec(SpriteSpec{"fzglyphs", false, SpriteKind::Still, 1, 1.0f, false, false});
    fuzz::DataFolder::Write("fz.fnt", fuzz::AsText(data, size));
    Font font;
    if (font.Load("data\\fz.fnt", "fzglyphs")) {
        std::string every;
        for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
        const std::string texts[] = {"Punkte 12345", "Zeit: 0:59 \xC4\xD6\xDC\xDF", every};
        for (const std::string& text : texts) {
            font.TextWidth(text);
            font.ScaledTextWidth(text);
            font.DrawText(10, 10, text);
            font.DrawText(790, 580, text, true);
            font.DrawText(-50, 300, text);
            font.DrawTextScaled(400, 300, text);
            font.SetScale(2.5f);
            font.DrawTextScaled(-20, 590, text);
            font.SetScale(0.5f);
        }
        for (int code = 0; code < 0x10000; code += 251) font.GetGlyph(static_cast<uint16_t>(code));
    }
    SpriteManager::Instance().Clear();
    platform::ResetQuitState();
    return 0;
}
