#include "ScreenStyle.h"

#include <cmath>

#include "ScreenText.h"
#include "WorldLayout.h"
#include "WorldPainter.h"

namespace screen {

using paint::Color;
using paint::Hex;

void Backdrop(cairo_t* cr, const WorldLayout& layout, double riverTop, double riverBottom, unsigned seed) {
    WorldPainter painter(layout, cr);
    painter.PaintGrass(0, kHeight, seed);
    if (riverBottom > riverTop) painter.PaintRiver(riverTop, riverBottom, seed + 1);
}

void Panel(cairo_t* cr, double x, double y, double w, double h, double radius) {
    paint::RoundedRect(cr, x + 6, y + 7, w, h, radius);
    cairo_set_source_rgba(cr, 0.05, 0.12, 0.05, 0.35);
    cairo_fill(cr);
    paint::RoundedRect(cr, x, y, w, h, radius);
    paint::Set(cr, kPanelEdge);
    cairo_fill(cr);
    paint::RoundedRect(cr, x + 5, y + 5, w - 10, h - 10, radius - 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    const Color light = paint::Lighter(kPanel, 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kPanel.r, kPanel.g, kPanel.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    paint::Set(cr, paint::OutlineOf(kPanelEdge));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    paint::RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, radius);
    paint::Set(cr, paint::OutlineOf(kPanelEdge));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void ButtonPlate(cairo_t* cr, const ScreenText& text, double x, double y, double w, double h, const std::string& label,
                 bool lit) {
    const Color face = lit ? kButtonLit : kButton;
    const double r = std::min(16.0, h / 2.6);
    // The plate's lower face (it stands up a little), then its top.
    paint::RoundedRect(cr, x + 1, y + 4, w - 2, h - 5, r);
    paint::FillOutlined(cr, paint::Darker(face, 0.45));
    paint::RoundedRect(cr, x + 1, y + 1, w - 2, h - 7, r);
    paint::ShadedOutlined(cr, face, x, y, w, h - 6);
    paint::RoundedRect(cr, x + 6, y + 4, w - 12, (h - 7) * 0.38, r * 0.6);
    cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.45 : 0.3);
    cairo_fill(cr);
    double size = std::min(h * 0.5, 28.0);
    cairo_save(cr);
    text.Use(cr, size);
    double width = ScreenText::Width(cr, label);
    while (width > w - 16 && size > 10) {
        size -= 1;
        text.Use(cr, size);
        width = ScreenText::Width(cr, label);
    }
    cairo_restore(cr);
    const Color letters = lit ? Hex(0xffffff) : kLetters;
    text.DrawCentered(cr, label, x + w / 2, y + (h - 6) / 2 + size * 0.36, size, letters, kLettersOutline, 2.0, false);
}

void TitleLettering(cairo_t* cr, const ScreenText& text, const std::string& title, double cx, double y, double size) {
    cairo_save(cr);
    text.Use(cr, size);
    double total = 0;
    for (char c : title) total += ScreenText::Width(cr, std::string(1, c)) * 0.96;
    cairo_restore(cr);
    double x = cx - total / 2;
    // Each letter hops a little: up and down and tilted in turn.
    for (size_t i = 0; i < title.size(); ++i) {
        const std::string letter(1, title[i]);
        cairo_save(cr);
        text.Use(cr, size);
        const double advance = ScreenText::Width(cr, letter) * 0.96;
        const double lift = (i % 2 == 0) ? -size * 0.05 : size * 0.04;
        cairo_translate(cr, x + advance / 2, y + lift);
        cairo_rotate(cr, (static_cast<int>(i % 3) - 1) * 0.05);
        text.DrawOutlined(cr, letter, -advance / 2, 0, size, kTitleGreen, Hex(0x123a0c), 4.0, true);
        cairo_restore(cr);
        x += advance;
    }
}

void LilyPad(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, 0.32, 2 * paint::kPi - 0.08);
    cairo_close_path(cr);
    paint::ShadedOutlined(cr, Hex(0x5cbc4a), cx - r, cy - r, 2 * r, 2 * r);
    for (double a = 0.7; a < 2 * paint::kPi - 0.3; a += 0.6) {
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a) * r * 0.85, cy + std::sin(a) * r * 0.85);
    }
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.2, 0.45, 0.15, 0.6);
    cairo_stroke(cr);
}

void Frog(cairo_t* cr, double cx, double cy, double r) {
    const Color green = Hex(0x5fcf3a), dark = Hex(0x3c9a2a), belly = Hex(0xf6e27a);
    // Hind legs, folded at the sides, then the front feet.
    for (int side : {-1, 1}) {
        paint::Ellipse(cr, cx + side * r * 0.95, cy + r * 0.45, r * 0.5, r * 0.32);
        paint::ShadedOutlined(cr, dark, cx + side * r * 0.95 - r * 0.5, cy + r * 0.13, r, r * 0.64);
        for (int toe = -1; toe <= 1; ++toe) {
            paint::Ellipse(cr, cx + side * (r * 1.3 + toe * r * 0.12), cy + r * 0.78, r * 0.1, r * 0.1);
            paint::FillOutlined(cr, green, 1.5);
        }
        paint::Ellipse(cr, cx + side * r * 0.55, cy + r * 0.72, r * 0.2, r * 0.14);
        paint::FillOutlined(cr, green, 1.5);
    }
    paint::Ellipse(cr, cx, cy, r, r * 0.82);
    paint::ShadedOutlined(cr, green, cx - r, cy - r * 0.82, 2 * r, 1.64 * r);
    paint::Ellipse(cr, cx, cy + r * 0.32, r * 0.62, r * 0.42);
    paint::FillOutlined(cr, belly, 1.5);
    // Spots on the back.
    for (const auto& spot : {std::pair{-0.45, 0.05}, std::pair{0.5, -0.05}, std::pair{0.1, -0.3}}) {
        paint::Ellipse(cr, cx + spot.first * r, cy + spot.second * r, r * 0.12, r * 0.09);
        paint::Fill(cr, dark);
    }
    // Eyes on top of the head, pupils looking up at the player.
    for (int side : {-1, 1}) {
        const double ex = cx + side * r * 0.48, ey = cy - r * 0.62;
        paint::Ellipse(cr, ex, ey, r * 0.32, r * 0.3);
        paint::ShadedOutlined(cr, green, ex - r * 0.32, ey - r * 0.3, r * 0.64, r * 0.6);
        paint::Ellipse(cr, ex, ey - r * 0.03, r * 0.22, r * 0.21);
        paint::FillOutlined(cr, Hex(0xffffff), 1.5);
        paint::Ellipse(cr, ex + side * r * 0.03, ey - r * 0.06, r * 0.11, r * 0.12);
        paint::Fill(cr, Hex(0x1c1f2a));
        paint::Ellipse(cr, ex - r * 0.04, ey - r * 0.11, r * 0.04, r * 0.04);
        paint::Fill(cr, Hex(0xffffff));
    }
    // The smile.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - r * 0.35, r * 0.45, 0.45, paint::kPi - 0.45);
    cairo_set_line_width(cr, std::max(2.0, r * 0.06));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::Set(cr, paint::OutlineOf(green));
    cairo_stroke(cr);
    paint::Ellipse(cr, cx - r * 0.55, cy - r * 0.1, r * 0.1, r * 0.06);
    cairo_set_source_rgba(cr, 1, 0.45, 0.5, 0.6);
    cairo_fill(cr);
    paint::Ellipse(cr, cx + r * 0.55, cy - r * 0.1, r * 0.1, r * 0.06);
    cairo_set_source_rgba(cr, 1, 0.45, 0.5, 0.6);
    cairo_fill(cr);
}

}  // namespace screen
