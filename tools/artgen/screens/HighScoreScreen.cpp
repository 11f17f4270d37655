// HIGH_SCORE: the frame of the high-score table. The game writes the ten names left-aligned at
// x 200 and the scores right-aligned at x 600, from y 120 in steps of 35; the screen gives them
// numbered rows to stand on, and the button "Zurück" with its highlight. Under the table stays
// room for the line the game shows while a new entry's name is typed.
#include <string>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenStyle.h"
#include "ScreenText.h"
#include "WorldLayout.h"
#include "core/StringUtil.h"

namespace {

using paint::Hex;

constexpr screen::Rect kBack{359, 523, 440, 561};
constexpr int kEntries = 10;
constexpr int kFirstRowY = 120;
constexpr int kRowStep = 35;
constexpr int kNameX = 200;
constexpr int kHudFontHeight = 32;

}  // namespace

RJ_ART_GENERATOR(DrawHighScoreScreen) {
    const WorldLayout layout(ctx);
    const ScreenText bold;
    Canvas canvas(screen::kWidth, screen::kHeight);
    cairo_t* cr = canvas.Cr();
    screen::Backdrop(cr, layout, 0, 0, 23);
    screen::TitleLettering(cr, bold, "Highscores", 400, 70, 54);

    // A dark slate behind the rows: the HUD font's light letters stand out on it.
    screen::Panel(cr, 128, 98, 544, 380);
    paint::RoundedRect(cr, 144, 112, 512, 358, 12);
    paint::ShadedOutlined(cr, Hex(0x2f4a5c), 144, 112, 512, 358);
    for (int i = 0; i < kEntries; ++i) {
        const double y = kFirstRowY + i * kRowStep - 2;
        paint::RoundedRect(cr, 152, y, 496, kHudFontHeight + 2, 8);
        cairo_set_source_rgba(cr, 1, 1, 1, i % 2 == 0 ? 0.1 : 0.04);
        cairo_fill(cr);
        const std::string rank = StringFormat("%d.", i + 1);
        cairo_save(cr);
        bold.Use(cr, 18);
        const double w = ScreenText::Width(cr, rank);
        cairo_restore(cr);
        const paint::Color medal =
            i == 0 ? Hex(0xffd23c) : (i == 1 ? Hex(0xdfe6ee) : (i == 2 ? Hex(0xe59a58) : Hex(0x9fc4d8)));
        bold.DrawOutlined(cr, rank, kNameX - 14 - w, y + 24, 18, medal, Hex(0x14202a), 2.0, false);
    }
    screen::Panel(cr, 330, 518, 140, 52, 14);
    screen::ButtonPlate(cr, bold, kBack.left, kBack.top, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        false);
    ctx.WriteColorKeyed("HIGH_SCORE", canvas);

    Canvas back(kBack.Width(), kBack.Height());
    screen::ButtonPlate(back.Cr(), bold, 0, 0, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        true);
    ctx.WriteColorKeyed("BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", back);
}
