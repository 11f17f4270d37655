#include "LandmarkPainter.h"

#include <cmath>

#include "Flora.h"
#include "Paint.h"

namespace {

using paint::Color;
using paint::Hex;

const Color kWaterDeep = Hex(0x2479c4);
const Color kWaterShallow = Hex(0x4eb2e6);
const Color kSand = Hex(0xdcc58c);
const Color kRock = Hex(0x9ea3a8);
const Color kWood = Hex(0xa8743f);

void Rect(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

}  // namespace

void LandmarkPainter::PaintBlockersAndPonds() {
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
        case WorldLayout::FeatureKind::Rock: PaintRock(cx, cy, static_cast<unsigned>(f.lat * 97 + f.row)); break;
        case WorldLayout::FeatureKind::Post: PaintPost(cx, cy); break;
        case WorldLayout::FeatureKind::TreeTrunk:
            // A tree stands on two cells; its trunk is drawn once, on the boundary.
            if (!layout_.HasFeature(WorldLayout::FeatureKind::TreeTrunk, f.lat, f.row + 1)) {
                const bool lower = layout_.HasFeature(WorldLayout::FeatureKind::TreeTrunk, f.lat, f.row - 1);
                PaintTreeTrunk(cx, lower ? layout_.RowTop(f.row) + ch : cy);
            }
            break;
        case WorldLayout::FeatureKind::Pond: break;
        }
    }
}

void LandmarkPainter::PaintPondRun(int row, int firstLat, int lastLat) {
    cairo_t* cr = cr_;
    const double cw = layout_.CellWidth(), ch = layout_.CellHeight();
    const double x = firstLat * cw + 2, y = layout_.RowTop(row) + 5;
    const double w = (lastLat - firstLat + 1) * cw - 4, h = ch - 10;
    paint::RoundedRect(cr, x - 3, y - 3, w + 6, h + 6, 24);
    paint::Fill(cr, kSand);
    paint::RoundedRect(cr, x, y, w, h, 20);
    cairo_pattern_t* water = cairo_pattern_create_radial(x + w * 0.45, y + h * 0.55, 4, x + w / 2, y + h / 2, w * 0.6);
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
        cairo_curve_to(cr, x + w * t - 3, y + h * (0.3 + t * 0.5) - 3, x + w * t + 3, y + h * (0.3 + t * 0.5) - 3,
                       x + w * t + 8, y + h * (0.3 + t * 0.5));
        cairo_set_line_width(cr, 1.8);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.6);
        cairo_stroke(cr);
    }
    flora::Reeds(cr, x + 4, y + h + 2, static_cast<unsigned>(row * 13 + firstLat));
    flora::Reeds(cr, x + w - 4, y + 14, static_cast<unsigned>(row * 17 + lastLat));
}

void LandmarkPainter::PaintRock(double cx, double cy, unsigned seed) {
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

void LandmarkPainter::PaintPost(double cx, double cy) {
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

void LandmarkPainter::PaintTreeTrunk(double cx, double cy) {
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

void LandmarkPainter::PaintFinale() {
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
    cairo_pattern_t* water =
        cairo_pattern_create_radial(w / 2, (pondTop + pondBottom) / 2, 20, w / 2, (pondTop + pondBottom) / 2, w * 0.5);
    cairo_pattern_add_color_stop_rgb(water, 0, kWaterDeep.r, kWaterDeep.g, kWaterDeep.b);
    cairo_pattern_add_color_stop_rgb(water, 1, kWaterShallow.r, kWaterShallow.g, kWaterShallow.b);
    cairo_set_source(cr, water);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(water);
    paint::Set(cr, paint::OutlineOf(kWaterDeep));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 26; ++i) {
        flora::Reeds(cr, rng.Uniform(60, w - 60), pondTop + 12, 500u + i);
        flora::Reeds(cr, rng.Uniform(60, w - 60), pondBottom - 4, 600u + i);
    }
    // Lily pads with flowers around the stage where the frog celebrates.
    const double stageX = layout_.StageX(), stageY = layout_.StageY();
    const struct {
        double x, y, r;
        bool flower;
    } pads[] = {{stageX - 250, stageY - 40, 26, true},  {stageX - 170, stageY + 80, 22, false},
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
    flora::Flowers(cr, layout_.Width(), top, pondTop, 60, 808);
}
