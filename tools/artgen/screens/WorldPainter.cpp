#include "WorldPainter.h"

#include <algorithm>
#include <cmath>

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
const Color kRock = Hex(0x9ea3a8);
const Color kWood = Hex(0xa8743f);

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
    PaintFeatures();
    PaintFinale();
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
    PaintFlowers(y0, y1, static_cast<int>(w * (y1 - y0) / 9000.0), seed);
}

void WorldPainter::PaintFlowers(double y0, double y1, int count, unsigned seed) {
    cairo_t* cr = cr_;
    paint::Rng rng(seed * 104729u + 3u);
    const Color petals[] = {Hex(0xffffff), Hex(0xffe45c), Hex(0xff9fc8), Hex(0xc9a4ff)};
    for (int i = 0; i < count; ++i) {
        const double x = rng.Uniform(6, layout_.Width() - 6), y = rng.Uniform(y0 + 6, y1 - 6);
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
    PaintFlowers(top, pathTop, 40, 77);
}

void WorldPainter::PaintArea(int area) {
    const int first = layout_.FirstTrackRow(area);
    const double top = layout_.RowTop(first + layout_.TracksPerArea() - 1);
    const double bottom = layout_.RowTop(first) + layout_.CellHeight();
    switch (layout_.KindOf(area)) {
        case WorldLayout::AreaKind::River:
            PaintRiver(top, bottom, 100u + area, area >= kFirstPiranhaArea);
            break;
        case WorldLayout::AreaKind::OpenRoad:
            PaintRoad(top, bottom, false, 200u + area);
            break;
        case WorldLayout::AreaKind::UnderpassRoad:
            PaintRoad(top, bottom, true, 300u + area);
            break;
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
        paint::Ellipse(cr, rng.Uniform(0, w), rng.Uniform(top, bottom), rng.Uniform(0.6, 1.6),
                       rng.Uniform(0.6, 1.3));
        const double v = rng.Uniform(-1, 1);
        cairo_set_source_rgba(cr, v > 0 ? 1 : 0.1, v > 0 ? 1 : 0.1, v > 0 ? 1 : 0.12,
                              0.08 + 0.08 * std::fabs(v));
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
        PaintReeds(rng.Uniform(10, w - 10), top - kBankHeight, seed * 31u + i);
        PaintReeds(rng.Uniform(10, w - 10), bottom + kBankHeight + 10, seed * 37u + i);
    }
}

void WorldPainter::PaintReeds(double x, double baseY, unsigned seed) {
    cairo_t* cr = cr_;
    paint::Rng rng(seed + 5u);
    const int stalks = 3 + static_cast<int>(rng.Next() % 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int s = 0; s < stalks; ++s) {
        const double sx = x + rng.Uniform(-7, 7), h = rng.Uniform(12, 20), lean = rng.Uniform(-4, 4);
        cairo_move_to(cr, sx, baseY);
        cairo_curve_to(cr, sx, baseY - h * 0.5, sx + lean, baseY - h * 0.8, sx + lean, baseY - h);
        cairo_set_line_width(cr, 3.4);
        paint::Set(cr, paint::OutlineOf(kGrassDark));
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

void WorldPainter::PaintFeatures() {
    const int cw = layout_.CellWidth(), ch = layout_.CellHeight();
    for (const WorldLayout::Feature& f : layout_.Features()) {
        if (f.kind != WorldLayout::FeatureKind::Pond) continue;
        // Ponds of neighbouring cells in one row form one pond: draw each run once, from its
        // leftmost cell.
        if (layout_.HasFeature(WorldLayout::FeatureKind::Pond, f.lat - 1, f.row)) continue;
        int last = f.lat;
        while (layout_.HasFeature(WorldLayout::FeatureKind::Pond, last + 1, f.row)) ++last;
        PaintPondRun(f.row, f.lat, last);
    }
    for (const WorldLayout::Feature& f : layout_.Features()) {
        const double cx = f.lat * cw + cw / 2.0;
        const double cy = layout_.RowTop(f.row) + ch / 2.0;
        switch (f.kind) {
            case WorldLayout::FeatureKind::Rock:
                PaintRock(cx, cy, static_cast<unsigned>(f.lat * 97 + f.row));
                break;
            case WorldLayout::FeatureKind::Post:
                PaintPost(cx, cy);
                break;
            case WorldLayout::FeatureKind::TreeTrunk:
                // A tree stands on two cells; its trunk is drawn once, on the boundary.
                if (!layout_.HasFeature(WorldLayout::FeatureKind::TreeTrunk, f.lat, f.row + 1)) {
                    const bool lower = layout_.HasFeature(WorldLayout::FeatureKind::TreeTrunk,
                                                          f.lat, f.row - 1);
                    PaintTreeTrunk(cx, lower ? layout_.RowTop(f.row) + ch : cy);
                }
                break;
            case WorldLayout::FeatureKind::Pond:
                break;
        }
    }
}

void WorldPainter::PaintPondRun(int row, int firstLat, int lastLat) {
    cairo_t* cr = cr_;
    const double cw = layout_.CellWidth(), ch = layout_.CellHeight();
    const double x = firstLat * cw + 2, y = layout_.RowTop(row) + 5;
    const double w = (lastLat - firstLat + 1) * cw - 4, h = ch - 10;
    paint::RoundedRect(cr, x - 3, y - 3, w + 6, h + 6, 24);
    paint::Fill(cr, kSand);
    paint::RoundedRect(cr, x, y, w, h, 20);
    cairo_pattern_t* water = cairo_pattern_create_radial(x + w * 0.45, y + h * 0.55, 4, x + w / 2,
                                                         y + h / 2, w * 0.6);
    cairo_pattern_add_color_stop_rgb(water, 0, kWaterDeep.r, kWaterDeep.g, kWaterDeep.b);
    cairo_pattern_add_color_stop_rgb(water, 1, kWaterShallow.r, kWaterShallow.g, kWaterShallow.b);
    cairo_set_source(cr, water);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(water);
    paint::Set(cr, paint::OutlineOf(kWaterDeep));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The bank's shade on the water at the top edge, and two ripples.
    paint::RoundedRect(cr, x + 3, y + 2, w - 6, 6, 3);
    cairo_set_source_rgba(cr, 0.05, 0.15, 0.3, 0.3);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double t : {0.3, 0.65}) {
        cairo_move_to(cr, x + w * t - 8, y + h * (0.3 + t * 0.5));
        cairo_curve_to(cr, x + w * t - 3, y + h * (0.3 + t * 0.5) - 3, x + w * t + 3,
                       y + h * (0.3 + t * 0.5) - 3, x + w * t + 8, y + h * (0.3 + t * 0.5));
        cairo_set_line_width(cr, 1.8);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.6);
        cairo_stroke(cr);
    }
    PaintReeds(x + 4, y + h + 2, static_cast<unsigned>(row * 13 + firstLat));
    PaintReeds(x + w - 4, y + 14, static_cast<unsigned>(row * 17 + lastLat));
}

void WorldPainter::PaintRock(double cx, double cy, unsigned seed) {
    cairo_t* cr = cr_;
    paint::Rng rng(seed + 11u);
    // Shadow towards the bottom right, then the stone: a darker front under a lit top.
    paint::Ellipse(cr, cx + 5, cy + 12, 18, 9);
    cairo_set_source_rgba(cr, 0.05, 0.15, 0.05, 0.35);
    cairo_fill(cr);
    const double rx = 16 + rng.Uniform(-1, 2), ry = 15;
    cairo_move_to(cr, cx - rx, cy + 2);
    cairo_curve_to(cr, cx - rx, cy - ry, cx + rx * 0.7, cy - ry - 3, cx + rx, cy - 2);
    cairo_curve_to(cr, cx + rx + 2, cy + 8, cx + rx * 0.5, cy + 12, cx, cy + 12);
    cairo_curve_to(cr, cx - rx * 0.6, cy + 12, cx - rx - 1, cy + 9, cx - rx, cy + 2);
    cairo_close_path(cr);
    paint::ShadedOutlined(cr, kRock, cx - rx, cy - ry, rx * 2, ry + 12);
    cairo_move_to(cr, cx - rx + 3, cy + 3);
    cairo_curve_to(cr, cx - 4, cy + 6, cx + 6, cy + 6, cx + rx - 2, cy + 1);
    cairo_set_line_width(cr, 1.5);
    paint::Set(cr, paint::Darker(kRock, 0.5));
    cairo_stroke(cr);
    paint::Shine(cr, cx - rx * 0.4, cy - ry * 0.45, 5, 3, 0.5);
    // A pebble beside it.
    paint::Ellipse(cr, cx + rx - 2, cy + 14, 5, 3.5);
    paint::ShadedOutlined(cr, kRock, cx + rx - 7, cy + 10, 10, 7, 1.5);
}

void WorldPainter::PaintPost(double cx, double cy) {
    cairo_t* cr = cr_;
    paint::Ellipse(cr, cx + 6, cy + 16, 12, 5);
    cairo_set_source_rgba(cr, 0.05, 0.15, 0.05, 0.35);
    cairo_fill(cr);
    // Front face of the post, then its sawn top.
    Rect(cr, cx - 9, cy - 10, 18, 26);
    paint::ShadedOutlined(cr, kWood, cx - 9, cy - 10, 18, 26);
    Rect(cr, cx - 9, cy + 2, 18, 4);
    paint::Fill(cr, paint::Hex(0xe8e0cf));
    paint::Ellipse(cr, cx, cy - 10, 9, 5);
    paint::FillOutlined(cr, paint::Hex(0xd2a06a));
    paint::Ellipse(cr, cx, cy - 10, 4.5, 2.5);
    paint::Set(cr, paint::Darker(kWood, 0.3));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void WorldPainter::PaintTreeTrunk(double cx, double cy) {
    cairo_t* cr = cr_;
    // The crown (a top layer) hides most of the tree; its shadow lies on the grass.
    paint::Ellipse(cr, cx + 18, cy + 22, 62, 40);
    cairo_set_source_rgba(cr, 0.05, 0.2, 0.05, 0.28);
    cairo_fill(cr);
    for (double a : {-0.6, 0.4, 1.6, 2.6}) {
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a) * 26, cy + std::sin(a) * 14 + 10);
        cairo_set_line_width(cr, 8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        paint::Set(cr, paint::OutlineOf(Hex(0x7a5230)));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 5);
        paint::Set(cr, Hex(0x7a5230));
        cairo_stroke(cr);
    }
    paint::Ellipse(cr, cx, cy, 16, 16);
    paint::ShadedOutlined(cr, Hex(0x8b5e34), cx - 16, cy - 16, 32, 32);
}

void WorldPainter::PaintFinale() {
    cairo_t* cr = cr_;
    const int first = layout_.FinaleFirstRow();
    if (first >= layout_.Rows()) return;
    const double top = 0, bottom = layout_.RowTop(first) + layout_.CellHeight();
    const double w = layout_.Width();
    // A hedge closes the last grass strip; beyond it lies the big pond of the closing scene.
    const double hedge = bottom - layout_.CellHeight() * 0.55;
    paint::Rng rng(901);
    for (double x = -10; x < w + 20; x += 22) {
        const double r = 20 + rng.Uniform(-3, 4);
        paint::Ellipse(cr, x, hedge, r, r * 0.8);
        paint::ShadedOutlined(cr, Hex(0x3f9a3a), x - r, hedge - r, r * 2, r * 1.6);
    }
    for (double x = 0; x < w + 20; x += 17) {
        const double r = 9 + rng.Uniform(-2, 3);
        const double y = hedge - 10 + rng.Uniform(-4, 4);
        paint::Ellipse(cr, x + rng.Uniform(-4, 4), y, r, r * 0.8);
        paint::ShadedOutlined(cr, Hex(0x52b04a), x - r, y - r, r * 2, r * 1.6, 1.5);
        if (rng.Next() % 3 == 0) {
            paint::Ellipse(cr, x + 3, y - 2, 2.5, 2.5);
            paint::Fill(cr, Hex(0xfff0a0));
        }
    }
    const double pondTop = top + 60, pondBottom = hedge - 40;
    paint::RoundedRect(cr, 30, pondTop, w - 60, pondBottom - pondTop, 120);
    paint::Fill(cr, kSand);
    paint::RoundedRect(cr, 42, pondTop + 10, w - 84, pondBottom - pondTop - 20, 110);
    cairo_pattern_t* water = cairo_pattern_create_radial(w / 2, (pondTop + pondBottom) / 2, 20,
                                                         w / 2, (pondTop + pondBottom) / 2, w * 0.5);
    cairo_pattern_add_color_stop_rgb(water, 0, kWaterDeep.r, kWaterDeep.g, kWaterDeep.b);
    cairo_pattern_add_color_stop_rgb(water, 1, kWaterShallow.r, kWaterShallow.g, kWaterShallow.b);
    cairo_set_source(cr, water);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(water);
    paint::Set(cr, paint::OutlineOf(kWaterDeep));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 26; ++i) {
        PaintReeds(rng.Uniform(60, w - 60), pondTop + 12, 500u + i);
        PaintReeds(rng.Uniform(60, w - 60), pondBottom - 4, 600u + i);
    }
    // Lily pads with flowers around the stage where the frog celebrates.
    const double stageX = layout_.StageX(), stageY = layout_.StageY();
    const struct { double x, y, r; bool flower; } pads[] = {
        {stageX - 250, stageY - 40, 26, true}, {stageX - 170, stageY + 80, 22, false},
        {stageX + 240, stageY - 30, 28, false}, {stageX + 180, stageY + 90, 20, true},
        {stageX - 110, stageY - 95, 18, false}, {stageX + 120, stageY - 105, 20, true},
        {stageX - 290, stageY + 50, 18, false}, {stageX + 300, stageY + 40, 22, true}};
    for (const auto& pad : pads) {
        cairo_move_to(cr, pad.x, pad.y);
        cairo_arc(cr, pad.x, pad.y, pad.r, 0.35, 2 * paint::kPi - 0.1);
        cairo_close_path(cr);
        paint::ShadedOutlined(cr, Hex(0x58b848), pad.x - pad.r, pad.y - pad.r, pad.r * 2, pad.r * 2);
        if (pad.flower) {
            for (int p = 0; p < 6; ++p) {
                const double a = p * paint::kPi / 3;
                paint::Ellipse(cr, pad.x - 4 + std::cos(a) * 5, pad.y - 4 + std::sin(a) * 5, 4, 4);
            }
            paint::FillOutlined(cr, Hex(0xffb3d9), 1.2);
            paint::Ellipse(cr, pad.x - 4, pad.y - 4, 3, 3);
            paint::Fill(cr, Hex(0xffd84a));
        }
    }
    cairo_move_to(cr, stageX, stageY);
    cairo_arc(cr, stageX, stageY, 50, 0.3, 2 * paint::kPi - 0.05);
    cairo_close_path(cr);
    paint::ShadedOutlined(cr, Hex(0x62c450), stageX - 50, stageY - 50, 100, 100);
    for (double a = 0.6; a < 2 * paint::kPi - 0.3; a += 0.55) {
        cairo_move_to(cr, stageX, stageY);
        cairo_line_to(cr, stageX + std::cos(a) * 42, stageY + std::sin(a) * 42);
    }
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgba(cr, 0.2, 0.45, 0.15, 0.6);
    cairo_stroke(cr);
    PaintFlowers(top, pondTop, 60, 808);
}
