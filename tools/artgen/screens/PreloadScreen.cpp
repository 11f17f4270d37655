// PRELOAD and PROGRESS_BAR: the loading screen. The game draws PROGRESS_BAR with its top-left
// corner at (0, 111), showing only its lower part, which grows upwards as loading proceeds; the
// bar is the water rising in the glass tube drawn on PRELOAD.
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenStyle.h"
#include "ScreenText.h"
#include "WorldLayout.h"

namespace {

using paint::Hex;

constexpr int kBarOriginY = 111;
// The tube on the screen: inner rectangle the water fills.
constexpr double kTubeLeft = 598, kTubeRight = 652, kTubeTop = 138, kTubeBottom = 478;

}  // namespace

RJ_ART_GENERATOR(DrawPreloadScreen) {
    const WorldLayout layout(ctx);
    const ScreenText bold;
    Canvas canvas(screen::kWidth, screen::kHeight);
    cairo_t* cr = canvas.Cr();
    screen::Backdrop(cr, layout, 430, 560, 47);
    screen::TitleLettering(cr, bold, "Reedjumper", 330, 110, 70);
    screen::Frog(cr, 296, 286, 64);
    bold.DrawCentered(cr, "Einen Moment, der Teich wird gef\xfcllt ...", 330, 520, 22, screen::kLetters,
                      screen::kLettersOutline);
    // The tube: glass with a scale, standing in a wooden foot.
    paint::RoundedRect(cr, kTubeLeft - 10, kTubeTop - 14, kTubeRight - kTubeLeft + 20, kTubeBottom - kTubeTop + 26, 20);
    paint::ShadedOutlined(cr, Hex(0xe8f4fb), kTubeLeft - 10, kTubeTop - 14, kTubeRight - kTubeLeft + 20,
                          kTubeBottom - kTubeTop + 26, 3);
    cairo_rectangle(cr, kTubeLeft, kTubeTop, kTubeRight - kTubeLeft, kTubeBottom - kTubeTop);
    paint::FillOutlined(cr, Hex(0x9fb8c6), 2);
    for (int i = 1; i < 10; ++i) {
        const double y = kTubeBottom - i * (kTubeBottom - kTubeTop) / 10;
        cairo_rectangle(cr, kTubeRight + 3, y - 1, i % 5 == 0 ? 12 : 7, 2);
        paint::Fill(cr, Hex(0x2f4a5c));
    }
    paint::RoundedRect(cr, kTubeLeft - 26, kTubeBottom + 8, kTubeRight - kTubeLeft + 52, 30, 8);
    paint::ShadedOutlined(cr, Hex(0xa8713c), kTubeLeft - 26, kTubeBottom + 8, kTubeRight - kTubeLeft + 52, 30);
    ctx.WriteColorKeyed("PRELOAD", canvas);

    // The water column: everything of the bar picture lies at the tube's inner rectangle.
    Canvas bar(screen::kWidth, static_cast<int>(kTubeBottom) - kBarOriginY);
    cr = bar.Cr();
    const double top = kTubeTop - kBarOriginY, bottom = kTubeBottom - kBarOriginY;
    cairo_rectangle(cr, kTubeLeft + 1, top, kTubeRight - kTubeLeft - 2, bottom - top);
    cairo_pattern_t* water = cairo_pattern_create_linear(kTubeLeft, 0, kTubeRight, 0);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.42, 0.78, 0.98);
    cairo_pattern_add_color_stop_rgb(water, 0.4, 0.2, 0.6, 0.9);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.12, 0.4, 0.72);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    paint::Rng rng(5);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.Uniform(kTubeLeft + 8, kTubeRight - 8);
        const double y = rng.Uniform(top + 8, bottom - 8), r = rng.Uniform(2, 5);
        paint::Ellipse(cr, x, y, r, r);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, kTubeLeft + 6, top, 5, bottom - top);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_fill(cr);
    ctx.WriteColorKeyed("PROGRESS_BAR", bar);
}
