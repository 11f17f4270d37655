#include "sprites/FishPainter.h"

#include <cmath>

#include "Paint.h"

using namespace paint;

void DrawPiranha(cairo_t* cr, double cx, double cy, double phase, double scale, double angle, double jaw) {
    const double beat = std::sin(phase * 2 * kPi);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, scale);
    cairo_move_to(cr, -15, 0);
    cairo_line_to(cr, -27, -10 + beat * 4);
    cairo_line_to(cr, -25, 0 + beat * 2);
    cairo_line_to(cr, -27, 10 + beat * 4);
    cairo_close_path(cr);
    FillOutlined(cr, Hex(0x6f8fb0));
    Ellipse(cr, 0, 0, 18, 12);
    ShadedOutlined(cr, Hex(0x7fa0c4), -18, -12, 36, 24);
    cairo_save(cr);
    Ellipse(cr, 0, 0, 17, 11);
    cairo_clip(cr);
    Ellipse(cr, 2, 9, 16, 7);
    Fill(cr, Hex(0xe0483c));
    cairo_restore(cr);
    cairo_move_to(cr, -4, -11);
    cairo_line_to(cr, 2, -17 - beat);
    cairo_line_to(cr, 6, -10);
    FillOutlined(cr, Hex(0x5a7aa0), 1.5);
    // Jaw with teeth; open, it gapes towards the front.
    if (jaw > 0.05) {
        cairo_move_to(cr, 6, 2);
        cairo_line_to(cr, 19, 2 - 8 * jaw);
        cairo_line_to(cr, 19, 2 + 8 * jaw);
        cairo_close_path(cr);
        FillOutlined(cr, Hex(0x6a1a2a), Hex(0x2a2030), 1.5);
    } else {
        cairo_move_to(cr, 9, 3);
        cairo_line_to(cr, 18, 2);
        Set(cr, Hex(0x2a2030));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 3; ++k) {
        const double open = 6 * jaw * (k + 1) / 3.0;
        cairo_move_to(cr, 10 + k * 3, 2.5 - open);
        cairo_line_to(cr, 11.5 + k * 3, 5.5 - open);
        cairo_line_to(cr, 13 + k * 3, 2.5 - open);
        Fill(cr, Hex(0xfafaf0));
        if (jaw > 0.05) {
            cairo_move_to(cr, 10 + k * 3, 2.5 + open);
            cairo_line_to(cr, 11.5 + k * 3, -0.5 + open);
            cairo_line_to(cr, 13 + k * 3, 2.5 + open);
            Fill(cr, Hex(0xfafaf0));
        }
    }
    Ellipse(cr, 9, -4, 3.5, 3.5);
    FillOutlined(cr, Hex(0xffe14a), Hex(0x2a2030), 1.4);
    Ellipse(cr, 10, -4, 1.6, 1.6);
    Fill(cr, Hex(0x1d2430));
    cairo_restore(cr);
}
