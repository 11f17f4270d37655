// CREDITS and CREDITS_MASK: the credits text scrolls up behind a window. The game draws CREDITS,
// the text and the logos, then CREDITS_MASK: the same screen with the window cut out (a JPEG
// whose "_Mask.bmp" marks the window transparent), so the text shows only inside the window.
// Also the highlight of the button "Zurück".
#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenStyle.h"
#include "ScreenText.h"
#include "WorldLayout.h"

namespace {

using paint::Hex;

constexpr screen::Rect kBack{359, 523, 440, 561};
// The window the text scrolls through. Lines enter at y 500 (their top edge) and leave at 0;
// the logos pass at x 200 and 400, 200 pixels wide each.
constexpr double kWindowLeft = 118, kWindowTop = 92, kWindowRight = 682, kWindowBottom = 500;
const paint::Color kWindowColor = Hex(0x24465a);
constexpr double kWatermarkAlpha = 0.16;

void WindowPath(cairo_t* cr) {
    paint::RoundedRect(cr, kWindowLeft, kWindowTop, kWindowRight - kWindowLeft, kWindowBottom - kWindowTop, 14);
}

// Everything of the screen except what shows through the window.
void DrawFrame(cairo_t* cr, const WorldLayout& layout, const ScreenText& bold) {
    screen::Backdrop(cr, layout, 0, 0, 31);
    screen::TitleLettering(cr, bold, "Credits", 400, 66, 50);
    screen::Panel(cr, kWindowLeft - 16, kWindowTop - 14, kWindowRight - kWindowLeft + 32,
                  kWindowBottom - kWindowTop + 28, 22);
    screen::Frog(cr, 70, 470, 24);
    screen::Panel(cr, 330, 518, 140, 52, 14);
    screen::ButtonPlate(cr, bold, kBack.left, kBack.top, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        false);
}

}  // namespace

RJ_ART_GENERATOR(DrawCreditsScreen) {
    const WorldLayout layout(ctx);
    const ScreenText bold;

    Canvas full(screen::kWidth, screen::kHeight);
    cairo_t* cr = full.Cr();
    DrawFrame(cr, layout, bold);
    WindowPath(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, kWindowTop, 0, kWindowBottom);
    const paint::Color top = paint::Lighter(kWindowColor, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kWindowColor.r, kWindowColor.g, kWindowColor.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    paint::Set(cr, paint::OutlineOf(kWindowColor));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // A few reeds in the window's corners, behind the text.
    for (double x : {kWindowLeft + 20, kWindowRight - 30}) {
        for (int s = 0; s < 3; ++s) {
            cairo_move_to(cr, x + s * 6, kWindowBottom - 4);
            cairo_curve_to(cr, x + s * 6, kWindowBottom - 40, x + s * 6 + 4, kWindowBottom - 60, x + s * 6 + 2,
                           kWindowBottom - 80 + s * 12);
        }
        cairo_set_line_width(cr, 3);
        cairo_set_source_rgba(cr, 0.4, 0.7, 0.45, 0.35);
        cairo_stroke(cr);
    }
    // A faint frog on its lily in the middle of the window: the window never stands empty, also
    // in the moments between the last lines leaving and the first ones coming back.
    cairo_push_group(cr);
    screen::LilyPad(cr, 400, 330, 120);
    screen::Frog(cr, 396, 316, 80);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, kWatermarkAlpha);
    ctx.WriteColorKeyed("CREDITS", full);

    // The frame over the text: the window left transparent.
    Canvas frame(screen::kWidth, screen::kHeight);
    cr = frame.Cr();
    DrawFrame(cr, layout, bold);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    WindowPath(cr);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    WindowPath(cr);
    paint::Set(cr, paint::OutlineOf(kWindowColor));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    ctx.WriteJpegWithMask("CREDITS_MASK", frame, 92);

    Canvas back(kBack.Width(), kBack.Height());
    screen::ButtonPlate(back.Cr(), bold, 0, 0, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        true);
    ctx.WriteColorKeyed("BUTTON_BACK_CREDITS_HIGH_LIGHT", back);
}
