#include "sprites/LilyPainter.h"

#include <cmath>

#include "Paint.h"

using namespace paint;

void DrawLilyPad(cairo_t* cr, double cx, double cy, double rx, double ry, double turn, bool flower) {
    const double notch = 0.32;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 1, turn + notch, turn + 2 * kPi - notch);
    cairo_close_path(cr);
    cairo_restore(cr);
    ShadedOutlined(cr, Hex(0x5cb84a), cx - rx, cy - ry, 2 * rx, 2 * ry);
    // Veins from the centre.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    for (int i = 1; i < 8; ++i) {
        const double a = turn + notch + i * (2 * kPi - 2 * notch) / 8;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, std::cos(a) * rx * 0.82, std::sin(a) * ry * 0.82);
    }
    Set(cr, Hex(0x3f8e35));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_restore(cr);
    Shine(cr, cx - rx * 0.4, cy - ry * 0.45, rx * 0.3, ry * 0.18, 0.3);
    if (flower) DrawLilyFlower(cr, cx + rx * 0.35, cy + ry * 0.2, std::min(rx, ry) * 0.45);
}

void DrawLilyFlower(cairo_t* cr, double cx, double cy, double size) {
    for (int ring = 0; ring < 2; ++ring) {
        const int petals = ring == 0 ? 8 : 6;
        const double len = size * (ring == 0 ? 1.0 : 0.68);
        for (int i = 0; i < petals; ++i) {
            const double a = 2 * kPi * i / petals + ring * 0.3;
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, a);
            Ellipse(cr, len * 0.55, 0, len * 0.55, len * 0.24);
            cairo_restore(cr);
            FillOutlined(cr, ring == 0 ? Hex(0xf59ac4) : Hex(0xffd2e6), Hex(0x8a2e5c), 1.4);
        }
    }
    Ellipse(cr, cx, cy, size * 0.22, size * 0.22);
    FillOutlined(cr, Hex(0xffd54a), Hex(0x9a6a10), 1.2);
}
