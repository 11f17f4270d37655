#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace paint {

Color Hex(uint32_t rgb, double alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Color Mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color Lighter(Color c, double amount) { return Mix(c, {1, 1, 1, c.a}, amount); }

Color Darker(Color c, double amount) { return Mix(c, OutlineOf(c), amount); }

Color OutlineOf(Color fill) {
    // A fifth of the fill plus a dark blue-grey floor: dark enough to read as a line, never
    // black (which the game reserves for transparency).
    return {0.09 + fill.r * 0.2, 0.09 + fill.g * 0.2, 0.12 + fill.b * 0.2, fill.a};
}

void Set(cairo_t* cr, Color c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void ShadedOutlined(cairo_t* cr, Color fill, double x, double y, double w, double h, double outline) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
    const Color light = Lighter(fill, 0.35), dark = Mix(fill, OutlineOf(fill), 0.28);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, light.r, light.g, light.b, light.a);
    cairo_pattern_add_color_stop_rgba(gradient, 0.45, fill.r, fill.g, fill.b, fill.a);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, dark.r, dark.g, dark.b, dark.a);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
    Set(cr, OutlineOf(fill));
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void FillOutlined(cairo_t* cr, Color fill, double outline) { FillOutlined(cr, fill, OutlineOf(fill), outline); }

void FillOutlined(cairo_t* cr, Color fill, Color outlineColor, double outline) {
    Set(cr, fill);
    cairo_fill_preserve(cr);
    Set(cr, outlineColor);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Fill(cairo_t* cr, Color c) {
    Set(cr, c);
    cairo_fill(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    Ellipse(cr, cx, cy, rx, ry);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha);
    cairo_fill(cr);
}

uint32_t Rng::Next() {
    // xorshift32: small, fast, and the same sequence everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() / 4294967296.0); }

double Clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

double EaseInOut(double t) {
    t = Clamp01(t);
    return t * t * (3 - 2 * t);
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace paint
