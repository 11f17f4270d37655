#include "sprites/EffectsPainter.h"

#include <cmath>

#include "Paint.h"

using namespace paint;

namespace effects {

void Ripple(cairo_t* cr, double cx, double cy, double rx, double ry, double thickness) {
    if (rx <= 1 || ry <= 1) return;
    Ellipse(cr, cx, cy, rx, ry);
    Set(cr, Hex(0x2c6f9a));
    cairo_set_line_width(cr, thickness + 2);
    cairo_stroke(cr);
    Ellipse(cr, cx, cy, rx, ry);
    Set(cr, Hex(0xd6f1ff));
    cairo_set_line_width(cr, thickness);
    cairo_stroke(cr);
}

void Bubble(cairo_t* cr, double x, double y, double r) {
    Ellipse(cr, x, y, r, r);
    FillOutlined(cr, Hex(0xbfe8ff), Hex(0x2c6f9a), 1.5);
    Ellipse(cr, x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.3);
    Fill(cr, Hex(0xffffff));
}

void Splash(cairo_t* cr, double cx, double cy, double size, double phase) {
    if (phase <= 0 || phase >= 1) return;
    const double rise = std::sin(kPi * phase);
    const int drops = 9;
    for (int i = 0; i < drops; ++i) {
        const double a = -kPi + kPi * (i + 0.5) / drops * 2;
        const double dist = size * (0.35 + 0.75 * phase);
        const double x = cx + std::cos(a) * dist;
        const double y = cy + std::sin(a) * dist * 0.7 - size * 0.35 * rise;
        const double r = size * 0.13 * (1.1 - phase * 0.6);
        Ellipse(cr, x, y, r, r * 1.2);
        FillOutlined(cr, Hex(0xe2f6ff), Hex(0x2c6f9a), 1.5);
    }
    Ripple(cr, cx, cy, size * (0.5 + 0.6 * phase), size * (0.35 + 0.4 * phase));
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double rotation) {
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = rotation - kPi / 2 + i * kPi / 5;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void DizzyStars(cairo_t* cr, double cx, double cy, double rx, double ry, double phase, int count) {
    for (int i = 0; i < count; ++i) {
        const double a = 2 * kPi * (phase + double(i) / count);
        StarPath(cr, cx + rx * std::cos(a), cy + ry * std::sin(a), 5.5, 2.4, a);
        FillOutlined(cr, Hex(0xffe14a), 1.5);
    }
}

void SmokePuff(cairo_t* cr, double x, double y, double r, double grey) {
    if (r <= 0.5) return;
    const Color c = {grey, grey, grey * 1.02, 1};
    Ellipse(cr, x, y, r, r * 0.85);
    Ellipse(cr, x - r * 0.6, y + r * 0.2, r * 0.6, r * 0.55);
    Ellipse(cr, x + r * 0.6, y + r * 0.25, r * 0.65, r * 0.55);
    FillOutlined(cr, c, Darker(c, 0.6), 1.5);
    Shine(cr, x - r * 0.3, y - r * 0.3, r * 0.35, r * 0.25, 0.4);
}

void Lightning(cairo_t* cr, double x0, double y0, double x1, double y1, unsigned seed) {
    const int steps = 6;
    const double nx = -(y1 - y0), ny = x1 - x0;
    const double len = std::hypot(nx, ny);
    for (int pass = 0; pass < 2; ++pass) {
        Rng local(seed);
        cairo_move_to(cr, x0, y0);
        for (int i = 1; i < steps; ++i) {
            const double t = double(i) / steps, j = local.Uniform(-0.18, 0.18) * len;
            cairo_line_to(cr, x0 + (x1 - x0) * t + nx / len * j, y0 + (y1 - y0) * t + ny / len * j);
        }
        cairo_line_to(cr, x1, y1);
        Set(cr, pass == 0 ? Hex(0x3a64c8) : Hex(0xf4fbff));
        cairo_set_line_width(cr, pass == 0 ? 4.5 : 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_stroke(cr);
    }
}

}  // namespace effects
