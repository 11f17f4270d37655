#pragma once

#include <cairo.h>

#include <cstdint>

// Shared drawing vocabulary of the game's look: bright colours, light from the top left, 2-pixel
// dark outlines that are never pure black.
namespace paint {

constexpr double kPi = 3.14159265358979323846;
constexpr double kOutlineWidth = 2.0;

struct Color {
    double r, g, b, a = 1.0;
};

// 0xRRGGBB.
Color Hex(uint32_t rgb, double alpha = 1.0);
Color Mix(Color a, Color b, double t);
Color Lighter(Color c, double amount);  // towards white
Color Darker(Color c, double amount);   // towards the outline colour
// The outline that goes with a fill: a dark, saturated shade of it (never black).
Color OutlineOf(Color fill);

void Set(cairo_t* cr, Color c);
// Fills the current path with a gradient lit from the top left over the box (x, y, w, h), then
// strokes it with the outline of `fill`; the path is consumed.
void ShadedOutlined(cairo_t* cr, Color fill, double x, double y, double w, double h, double outline = kOutlineWidth);
// Plain fill plus outline; the path is consumed.
void FillOutlined(cairo_t* cr, Color fill, double outline = kOutlineWidth);
void FillOutlined(cairo_t* cr, Color fill, Color outlineColor, double outline);
void Fill(cairo_t* cr, Color c);

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// A soft highlight spot (upper left of a round body).
void Shine(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);

// Deterministic random numbers for generators (never the game's shared Randomizer).
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 1u) {}
    uint32_t Next();
    double Uniform(double lo, double hi);

private:
    uint32_t state_;
};

double Clamp01(double t);
double EaseInOut(double t);
double Lerp(double a, double b, double t);

}  // namespace paint
