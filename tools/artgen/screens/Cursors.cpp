// CURSOR and CURSOR_DOWN: the game's mouse pointer, drawn with its picture's top-left corner at
// (mouse x - 10, mouse y), so the arrow's tip sits at (10, 0) of the picture. The pressed pointer
// is a little darker, with a click spark.
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"

namespace {

using paint::Hex;

constexpr double kTipX = 10.5;  // pixel centre of column 10
constexpr double kTipY = 1.0;

void Arrow(cairo_t* cr, paint::Color fill, double scale) {
    cairo_save(cr);
    cairo_translate(cr, kTipX, kTipY);
    cairo_scale(cr, scale, scale);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 25);
    cairo_line_to(cr, 6, 19.5);
    cairo_line_to(cr, 10.5, 29);
    cairo_line_to(cr, 15, 27);
    cairo_line_to(cr, 10.5, 17.5);
    cairo_line_to(cr, 18, 17.5);
    cairo_close_path(cr);
    cairo_restore(cr);
    paint::ShadedOutlined(cr, fill, kTipX, kTipY, 18 * scale, 29 * scale, 2.0);
}

}  // namespace

RJ_ART_GENERATOR(DrawCursors) {
    Canvas up(34, 36);
    Arrow(up.Cr(), Hex(0x7ee04a), 1.0);
    ctx.WriteColorKeyed("CURSOR", up);

    Canvas down(34, 36);
    cairo_t* cr = down.Cr();
    for (int i = 0; i < 5; ++i) {
        const double a = -paint::kPi / 2 - 0.9 + i * 0.45;
        cairo_move_to(cr, 6 + std::cos(a) * 3, 8 + std::sin(a) * 3);
        cairo_line_to(cr, 6 + std::cos(a) * 7, 8 + std::sin(a) * 7);
    }
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::Set(cr, Hex(0xffd23c));
    cairo_stroke(cr);
    Arrow(cr, Hex(0x4fb82e), 0.92);
    ctx.WriteColorKeyed("CURSOR_DOWN", down);
}
