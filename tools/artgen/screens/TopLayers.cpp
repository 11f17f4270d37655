// TOP_LAYER_00 … and ROAD_TOP_LAYER_00 …: decoration drawn over the traffic at the offsets of
// config.txt. What each one shows follows from where it stands in the world: over a grass strip
// a tree crown (the trunk is a blocker of the level files), at the end of an underpass a tunnel
// mouth, at the end of a river a bridge the lanes run under.
#include <algorithm>
#include <cmath>
#include <string>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "WorldLayout.h"
#include "core/StringUtil.h"

namespace {

using paint::Color;
using paint::Hex;

constexpr int kCrownSize = 130;
constexpr int kTunnelWidth = 62;
constexpr int kBridgeWidth = 52;

void DrawCrown(cairo_t* cr, int size, unsigned seed) {
    paint::Rng rng(seed);
    const double c = size / 2.0;
    const Color leaf = Hex(0x3f9f3c);
    // Clumps around the middle, drawn back to front: the outer ring darker, the top-left lit.
    for (int ring = 0; ring < 3; ++ring) {
        const int clumps = ring == 0 ? 11 : (ring == 1 ? 7 : 1);
        const double dist = ring == 0 ? c * 0.56 : (ring == 1 ? c * 0.3 : 0);
        const double r = ring == 0 ? c * 0.36 : (ring == 1 ? c * 0.34 : c * 0.32);
        for (int i = 0; i < clumps; ++i) {
            const double a = i * 2 * paint::kPi / clumps + rng.Uniform(-0.2, 0.2) + ring;
            const double x = c + std::cos(a) * dist, y = c + std::sin(a) * dist;
            const double rr = r + rng.Uniform(-3, 3);
            paint::Ellipse(cr, x, y, rr, rr);
            const Color tone =
                ring == 0 ? paint::Mix(leaf, Hex(0x2d7a2f), 0.4) : (ring == 1 ? leaf : paint::Lighter(leaf, 0.15));
            paint::ShadedOutlined(cr, tone, x - rr, y - rr, rr * 2, rr * 2);
        }
    }
    for (int i = 0; i < 18; ++i) {
        const double a = rng.Uniform(0, 2 * paint::kPi), d = rng.Uniform(0, c * 0.75);
        paint::Ellipse(cr, c + std::cos(a) * d - 3, c + std::sin(a) * d - 3, 4, 2.5);
        cairo_set_source_rgba(cr, 0.75, 0.95, 0.55, 0.75);
        cairo_fill(cr);
    }
    // A few apples.
    for (int i = 0; i < 5; ++i) {
        const double a = rng.Uniform(0, 2 * paint::kPi), d = rng.Uniform(c * 0.2, c * 0.7);
        paint::Ellipse(cr, c + std::cos(a) * d, c + std::sin(a) * d, 4, 4);
        paint::FillOutlined(cr, Hex(0xe2412e), 1.5);
    }
}

// A tunnel mouth at the left end of a road (mirrored for the right end): the ground the tunnel
// runs under, then the concrete portal the traffic comes out of.
void DrawTunnelMouth(cairo_t* cr, int w, int h, double margin, bool right) {
    cairo_save(cr);
    if (right) {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    const Color earth = Hex(0x5aa83e);
    cairo_rectangle(cr, -2, 0, w - 34, h);
    paint::ShadedOutlined(cr, earth, -2, 0, w - 34, h);
    paint::Rng rng(right ? 7 : 3);
    for (int i = 0; i < 9; ++i) {
        const double y = 12 + i * (h - 24) / 8.0, r = 9 + rng.Uniform(-2, 3);
        paint::Ellipse(cr, 10 + rng.Uniform(-3, 5), y, r, r * 0.85);
        paint::ShadedOutlined(cr, Hex(0x3f8f35), 0, y - r, 2 * r + 10, 2 * r, 1.5);
    }
    // The portal: a thick concrete wall with its lit top face and the lane openings' lintels;
    // beside it the dark mouth of each lane, out of which the traffic comes.
    const Color concrete = Hex(0xc8c2b4);
    const double px = w - 38;
    const double laneHeight = (h - 2 * margin) / 4.0;
    for (int i = 0; i < 4; ++i) {
        const double y = margin + i * laneHeight + 5;
        paint::RoundedRect(cr, px + 12, y, w - px - 6, laneHeight - 10, 8);
        cairo_pattern_t* dark = cairo_pattern_create_linear(px + 12, 0, w, 0);
        cairo_pattern_add_color_stop_rgb(dark, 0, 0.09, 0.09, 0.12);
        cairo_pattern_add_color_stop_rgb(dark, 1, 0.2, 0.21, 0.25);
        cairo_set_source(cr, dark);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(dark);
        paint::Set(cr, Hex(0x14161c));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    paint::RoundedRect(cr, px, 2, 22, h - 4, 4);
    paint::ShadedOutlined(cr, concrete, px, 2, 22, h - 4);
    cairo_rectangle(cr, px + 16, 6, 5, h - 12);
    paint::Fill(cr, paint::Darker(concrete, 0.35));
    for (int i = 0; i <= 4; ++i) {
        const double y = margin + i * laneHeight;
        cairo_rectangle(cr, px + 1, y - 2, 20, 4);
        paint::Fill(cr, paint::Darker(concrete, 0.5));
    }
    // Warning stripes at both ends of the portal.
    for (const double y0 : {4.0, h - 16.0}) {
        for (int s = 0; s < 3; ++s) {
            cairo_rectangle(cr, px + 2, y0 + s * 4, 18, 2);
            paint::Fill(cr, s % 2 ? Hex(0x303338) : Hex(0xf4c531));
        }
    }
    cairo_restore(cr);
}

// A footbridge across the river at its left end (mirrored at the right): planks running across
// the picture, a rail with posts on the side towards the play field.
void DrawBridge(cairo_t* cr, int w, int h, bool right) {
    cairo_save(cr);
    if (right) {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    const Color plank = Hex(0xb98048);
    cairo_rectangle(cr, -2, 0, w - 6, h);
    paint::ShadedOutlined(cr, plank, -2, 0, w - 6, h);
    for (double y = 8; y < h - 4; y += 9) {
        cairo_rectangle(cr, 0, y, w - 9, 1.6);
        paint::Fill(cr, paint::Darker(plank, 0.45));
    }
    paint::Rng rng(right ? 19 : 13);
    for (double y = 4; y < h - 4; y += 9) {
        paint::Ellipse(cr, 6 + rng.Uniform(0, 4), y + 4, 1, 1);
        paint::Fill(cr, paint::Darker(plank, 0.6));
    }
    // The rail: posts standing up (their front faces darker), a beam on top.
    const Color rail = Hex(0x8e5a2c);
    for (double y = 6; y < h - 10; y += 46) {
        cairo_rectangle(cr, w - 12, y, 10, 14);
        paint::ShadedOutlined(cr, rail, w - 12, y, 10, 14);
    }
    cairo_rectangle(cr, w - 11, 2, 8, h - 4);
    paint::ShadedOutlined(cr, paint::Lighter(rail, 0.15), w - 11, 2, 8, h - 4);
    cairo_restore(cr);
}

}  // namespace

RJ_ART_GENERATOR(DrawTopLayers) {
    const WorldLayout layout(ctx);
    const int crowns = ctx.Int("numSpritesInTopLayer");
    for (int i = 0; i < crowns; ++i) {
        Canvas canvas(kCrownSize, kCrownSize);
        DrawCrown(canvas.Cr(), kCrownSize, 1000u + static_cast<unsigned>(i));
        ctx.WriteColorKeyed(StringFormat("TOP_LAYER_%02d", i), canvas);
    }
}

RJ_ART_GENERATOR(DrawRoadTopLayers) {
    const WorldLayout layout(ctx);
    const int count = ctx.Int("numSpritesInRoadTopLayer");
    const int band = layout.TracksPerArea() * layout.CellHeight();
    for (int i = 0; i < count; ++i) {
        const int x = ctx.Int(StringFormat("roadTopLayerOffsetX%02d", i));
        const int y = ctx.Int(StringFormat("roadTopLayerOffsetY%02d", i));
        // The area whose lanes the piece spans: its lanes begin a little above the lower edge.
        int area = -1;
        for (int a = 0; a < layout.Areas(); ++a) {
            const int laneBottom = layout.FirstTrackRow(a) * layout.CellHeight();
            if (laneBottom >= y && laneBottom - y <= layout.CellHeight() / 2) area = a;
        }
        if (area < 0) {
            ctx.Fail(StringFormat("config.txt: roadTopLayerOffsetY%02d %d is not just below an area's lanes", i, y));
            continue;
        }
        const int margin = layout.FirstTrackRow(area) * layout.CellHeight() - y;
        const int height = band + 2 * margin;
        const bool right = x > layout.Width() / 2;
        const bool river = layout.KindOf(area) == WorldLayout::AreaKind::River;
        const int width = right ? layout.Width() - x : (river ? kBridgeWidth : kTunnelWidth);
        Canvas canvas(std::max(8, width), height);
        if (river) {
            DrawBridge(canvas.Cr(), canvas.Width(), height, right);
        } else {
            DrawTunnelMouth(canvas.Cr(), canvas.Width(), height, margin, right);
        }
        ctx.WriteColorKeyed(StringFormat("ROAD_TOP_LAYER_%02d", i), canvas);
    }
}
