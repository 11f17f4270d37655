#include "Flora.h"

#include <cmath>

#include "Paint.h"

namespace flora {

using paint::Color;
using paint::Hex;

void Flowers(cairo_t* cr, double width, double y0, double y1, int count, unsigned seed) {
    paint::Rng rng(seed * 104729u + 3u);
    const Color petals[] = {Hex(0xffffff), Hex(0xffe45c), Hex(0xff9fc8), Hex(0xc9a4ff)};
    for (int i = 0; i < count; ++i) {
        const double x = rng.Uniform(6, width - 6), y = rng.Uniform(y0 + 6, y1 - 6);
        const Color petal = petals[rng.Next() % 4];
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * paint::kPi / 5;
            paint::Ellipse(cr, x + std::cos(a) * 2.2, y + std::sin(a) * 2.2, 1.8, 1.8);
        }
        paint::Set(cr, petal);
        cairo_fill(cr);
        paint::Ellipse(cr, x, y, 1.3, 1.3);
        paint::Fill(cr, Hex(0xf0a020));
    }
}

void Reeds(cairo_t* cr, double x, double baseY, unsigned seed) {
    paint::Rng rng(seed + 5u);
    const int stalks = 3 + static_cast<int>(rng.Next() % 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int s = 0; s < stalks; ++s) {
        const double sx = x + rng.Uniform(-7, 7), h = rng.Uniform(12, 20), lean = rng.Uniform(-4, 4);
        cairo_move_to(cr, sx, baseY);
        cairo_curve_to(cr, sx, baseY - h * 0.5, sx + lean, baseY - h * 0.8, sx + lean, baseY - h);
        cairo_set_line_width(cr, 3.4);
        paint::Set(cr, paint::OutlineOf(Hex(0x4d9a33)));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.6);
        paint::Set(cr, Hex(0x3f8a2c));
        cairo_stroke(cr);
        if (s % 2 == 0) {
            paint::RoundedRect(cr, sx + lean - 2, baseY - h - 3, 4, 8, 2);
            paint::FillOutlined(cr, Hex(0x8a5a2b), 1.2);
        }
    }
}

}  // namespace flora
