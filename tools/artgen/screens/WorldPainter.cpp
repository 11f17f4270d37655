#include "WorldPainter.h"

#include <algorithm>
#include <cmath>

#include "Flora.h"
#include "LandmarkPainter.h"

namespace {

using paint::Color;
using paint::Hex;

const Color kGrass = Hex(0x6cc247);
const Color kGrassLight = Hex(0x93dc68);
const Color kGrassDark = Hex(0x4d9a33);
const Color kAsphalt = Hex(0x60656e);
const Color kAsphaltUnderpass = Hex(0x4b4f58);
const Color kLaneWhite = Hex(0xf2f2ea);
const Color kLaneYellow = Hex(0xf4c531);
const Color kKerb = Hex(0xd3d3ca);
const Color kConcrete = Hex(0xb9b4a8);
const Color kWaterDeep = Hex(0x2479c4);
const Color kWaterShallow = Hex(0x4eb2e6);
const Color kSand = Hex(0xdcc58c);

// Rivers from this area on can hold piranhas.
constexpr int kFirstPiranhaArea = 4;
constexpr double kKerbHeight = 10.0;
constexpr double kWallHeight = 16.0;
constexpr double kBankHeight = 9.0;

void Rect(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

}  // namespace

WorldPainter::WorldPainter(const WorldLayout& layout, cairo_t* cr) : layout_(layout), cr_(cr) {}

void WorldPainter::PaintWorld() {
    const double height = layout_.PictureHeight();
    PaintGrass(0, height, 1);
    PaintStartStrip();
    for (int area = 0; area < layout_.Areas(); ++area) PaintArea(area);
    LandmarkPainter landmarks(layout_, cr_);
    landmarks.PaintBlockersAndPonds();
    landmarks.PaintFinale();
}

void WorldPainter::PaintGrass(double y0, double y1, unsigned seed) {
    cairo_t* cr = cr_;
    const double w = layout_.Width();
    const double cw = layout_.CellWidth(), ch = layout_.CellHeight();
    Rect(cr, 0, y0, w, y1 - y0);
    paint::Fill(cr, kGrass);
    // A mowed-lawn checker one cell large: the player reads the columns and rows at a glance.
    for (double y = std::floor(y0 / ch) * ch; y < y1; y += ch) {
        for (int c = 0; c < layout_.Columns(); ++c) {
            const int row = static_cast<int>(y / ch);
            if ((row + c) % 2 != 0) continue;
            const double top = std::max(y, y0), bottom = std::min(y + ch, y1);
            Rect(cr, c * cw, top, cw, bottom - top);
            cairo_set_source_rgba(cr, 1, 1, 0.85, 0.07);
            cairo_fill(cr);
        }
    }
    paint::Rng rng(seed * 7919u + 17u);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.6);
    const int blades = static_cast<int>(w * (y1 - y0) / 90.0);
    for (int i = 0; i < blades; ++i) {
        const double x = rng.Uniform(0, w), y = rng.Uniform(y0 + 4, y1 - 1);
        const double len = rng.Uniform(3, 7), lean = rng.Uniform(-2.5, 2.5);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + lean, y - len);
        paint::Set(cr, (rng.Next() & 1) ? Color{kGrassLight.r, kGrassLight.g, kGrassLight.b, 0.8}
                                        : Color{kGrassDark.r, kGrassDark.g, kGrassDark.b, 0.7});
        cairo_stroke(cr);
    }
    flora::Flowers(cr, layout_.Width(), y0, y1, static_cast<int>(w * (y1 - y0) / 9000.0), seed);
}

void WorldPainter::PaintStartStrip() {
    cairo_t* cr = cr_;
    const double top = layout_.RowTop(layout_.StartRows() - 1);
    const double bottom = layout_.PictureHeight();
    // A gravel path along the bottom of the start meadow: home ground of the frog.
    const double pathTop = bottom - 34;
    Rect(cr, 0, pathTop, layout_.Width(), 26);
    paint::Fill(cr, Hex(0xd8c9a0));
    paint::Rng rng(41);
    for (int i = 0; i < 700; ++i) {
        paint::Ellipse(cr, rng.Uniform(0, layout_.Width()), rng.Uniform(pathTop + 2, pathTop + 24),
                       rng.Uniform(0.8, 2.0), rng.Uniform(0.6, 1.5));
        paint::Set(cr, (rng.Next() & 1) ? Color{0.62, 0.56, 0.44, 0.8} : Color{0.96, 0.93, 0.84, 0.9});
        cairo_fill(cr);
    }
    Rect(cr, 0, pathTop, layout_.Width(), 2);
    paint::Fill(cr, Color{0.35, 0.55, 0.2, 0.6});
    flora::Flowers(cr, layout_.Width(), top, pathTop, 40, 77);
}

void WorldPainter::PaintArea(int area) {
    const int first = layout_.FirstTrackRow(area);
    const double top = layout_.RowTop(first + layout_.TracksPerArea() - 1);
    const double bottom = layout_.RowTop(first) + layout_.CellHeight();
    switch (layout_.KindOf(area)) {
    case WorldLayout::AreaKind::River: PaintRiver(top, bottom, 100u + area, area >= kFirstPiranhaArea); break;
    case WorldLayout::AreaKind::OpenRoad: PaintRoad(top, bottom, false, 200u + area); break;
    case WorldLayout::AreaKind::UnderpassRoad: PaintRoad(top, bottom, true, 300u + area); break;
    }
}

void WorldPainter::PaintRoad(double top, double bottom, bool underpass, unsigned seed) {
    cairo_t* cr = cr_;
    const double w = layout_.Width();
    const double lane = layout_.CellHeight();
    const Color asphalt = underpass ? kAsphaltUnderpass : kAsphalt;
    Rect(cr, 0, top, w, bottom - top);
    paint::Fill(cr, asphalt);
    paint::Rng rng(seed);
    for (int i = 0; i < static_cast<int>(w * (bottom - top) / 40); ++i) {
        paint::Ellipse(cr, rng.Uniform(0, w), rng.Uniform(top, bottom), rng.Uniform(0.6, 1.6), rng.Uniform(0.6, 1.3));
        const double v = rng.Uniform(-1, 1);
        cairo_set_source_rgba(cr, v > 0 ? 1 : 0.1, v > 0 ? 1 : 0.1, v > 0 ? 1 : 0.12, 0.08 + 0.08 * std::fabs(v));
        cairo_fill(cr);
    }
    // Tyre tracks: each lane a little darker where the wheels run.
    for (double y = top; y + lane <= bottom + 0.5; y += lane) {
        for (double wheel : {0.3, 0.7}) {
            Rect(cr, 0, y + lane * wheel - 6, w, 12);
            cairo_set_source_rgba(cr, 0.1, 0.1, 0.12, 0.10);
            cairo_fill(cr);
        }
    }
    const Color marking = underpass ? kLaneYellow : kLaneWhite;
    // Edge lines and dashed lane dividers.
    for (double y : {top + 6.0, bottom - 10.0}) {
        Rect(cr, 0, y, w, 4);
        paint::Fill(cr, marking);
    }
    for (double y = top + lane; y < bottom - lane / 2; y += lane) {
        for (double x = 8; x < w; x += 72) {
            paint::RoundedRect(cr, x, y - 2.5, 38, 5, 2.5);
            paint::Fill(cr, marking);
        }
    }
    if (underpass) {
        // Towards the tunnel mouths at both ends the road lies in the dark.
        for (const bool left : {true, false}) {
            const double x0 = left ? 0 : w - 110;
            cairo_pattern_t* dark = cairo_pattern_create_linear(left ? 0 : w, 0, left ? 110 : w - 110, 0);
            cairo_pattern_add_color_stop_rgba(dark, 0, 0.04, 0.04, 0.07, 0.55);
            cairo_pattern_add_color_stop_rgba(dark, 1, 0.04, 0.04, 0.07, 0.0);
            Rect(cr, x0, top, 110, bottom - top);
            cairo_set_source(cr, dark);
            cairo_fill(cr);
            cairo_pattern_destroy(dark);
        }
        // Concrete retaining walls: the top face lit, the wall's shadow falling onto the road.
        Rect(cr, 0, top, w, 14);
        cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, top + 14);
        cairo_pattern_add_color_stop_rgba(shade, 0, 0.05, 0.05, 0.08, 0.45);
        cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.05, 0.08, 0.0);
        cairo_set_source(cr, shade);
        cairo_fill(cr);
        cairo_pattern_destroy(shade);
        for (double y : {top - kWallHeight, bottom}) {
            Rect(cr, 0, y, w, kWallHeight);
            paint::Fill(cr, kConcrete);
            Rect(cr, 0, y + kWallHeight - 5, w, 5);
            paint::Fill(cr, paint::Darker(kConcrete, 0.35));
            for (double x = 0; x < w; x += 80) {
                Rect(cr, x, y, 2, kWallHeight);
                paint::Fill(cr, paint::Darker(kConcrete, 0.3));
            }
            Rect(cr, 0, y, w, 2);
            paint::Fill(cr, paint::OutlineOf(kConcrete));
            Rect(cr, 0, y + kWallHeight - 2, w, 2);
            paint::Fill(cr, paint::OutlineOf(kConcrete));
        }
    } else {
        // Kerb stones along both sides, each with its face towards the viewer.
        for (double y : {top - kKerbHeight, bottom}) {
            Rect(cr, 0, y, w, kKerbHeight);
            paint::Fill(cr, kKerb);
            Rect(cr, 0, y + kKerbHeight - 3, w, 3);
            paint::Fill(cr, paint::Darker(kKerb, 0.3));
            for (double x = 0; x < w; x += 40) {
                Rect(cr, x, y, 1.5, kKerbHeight);
                paint::Fill(cr, paint::Darker(kKerb, 0.45));
            }
            Rect(cr, 0, y - 1, w, 2);
            paint::Fill(cr, paint::OutlineOf(kKerb));
        }
    }
}

void WorldPainter::PaintRiver(double top, double bottom, unsigned seed, bool deep) {
    cairo_t* cr = cr_;
    const double w = layout_.Width();
    Rect(cr, 0, top, w, bottom - top);
    const Color middle = deep ? Hex(0x1a5a9c) : kWaterDeep;
    const Color edge = deep ? Hex(0x3a93c8) : kWaterShallow;
    cairo_pattern_t* water = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(water, 0.0, edge.r, edge.g, edge.b);
    cairo_pattern_add_color_stop_rgb(water, 0.18, middle.r, middle.g, middle.b);
    cairo_pattern_add_color_stop_rgb(water, 0.82, middle.r, middle.g, middle.b);
    cairo_pattern_add_color_stop_rgb(water, 1.0, edge.r, edge.g, edge.b);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    paint::Rng rng(seed);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Ripples: short light arcs, more of them near the banks.
    for (int i = 0; i < static_cast<int>(w * (bottom - top) / 700); ++i) {
        const double x = rng.Uniform(-10, w), y = rng.Uniform(top + 6, bottom - 6);
        const double len = rng.Uniform(10, 26);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + len * 0.3, y - 3, x + len * 0.7, y - 3, x + len, y);
        cairo_set_line_width(cr, rng.Uniform(1.2, 2.2));
        cairo_set_source_rgba(cr, 0.78, 0.92, 1.0, rng.Uniform(0.25, 0.55));
        cairo_stroke(cr);
    }
    // Glints of the sun.
    for (int i = 0; i < static_cast<int>(w * (bottom - top) / 6000); ++i) {
        paint::Ellipse(cr, rng.Uniform(0, w), rng.Uniform(top + 8, bottom - 8), 2.2, 1.0);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
        cairo_fill(cr);
    }
    // Sandy banks above and below the water, the upper one casting a rim of shade.
    for (double y : {top - kBankHeight, bottom}) {
        Rect(cr, 0, y, w, kBankHeight);
        paint::Fill(cr, kSand);
        for (int i = 0; i < 160; ++i) {
            paint::Ellipse(cr, rng.Uniform(0, w), rng.Uniform(y + 1, y + kBankHeight - 1), 1.2, 0.8);
            cairo_set_source_rgba(cr, 0.55, 0.45, 0.25, 0.5);
            cairo_fill(cr);
        }
    }
    Rect(cr, 0, top, w, 5);
    cairo_set_source_rgba(cr, 0.05, 0.15, 0.3, 0.35);
    cairo_fill(cr);
    Rect(cr, 0, top - kBankHeight - 1, w, 2);
    paint::Fill(cr, Color{0.3, 0.45, 0.18, 0.8});
    Rect(cr, 0, bottom + kBankHeight - 1, w, 2);
    paint::Fill(cr, Color{0.3, 0.45, 0.18, 0.8});
    // Reeds on the banks, in clumps.
    for (int i = 0; i < 14; ++i) {
        flora::Reeds(cr, rng.Uniform(10, w - 10), top - kBankHeight, seed * 31u + i);
        flora::Reeds(cr, rng.Uniform(10, w - 10), bottom + kBankHeight + 10, seed * 37u + i);
    }
}
