// What floats on the river: trunk, barrel, water lilies, hippo, piranha. Each is centred on its
// frame (see ObjectFrame) and about as large as its configured extent.
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"
#include "sprites/FishPainter.h"
#include "sprites/LilyPainter.h"
#include "sprites/ObjectFrame.h"

using namespace paint;

namespace {

struct Extent {
    double w, h;
};

Extent ExtentOf(ArtContext& ctx, const std::string& prefix) {
    return {double(ctx.Int(prefix + "ObjectWidth")), double(ctx.Int(prefix + "ObjectHeight"))};
}

// A wavy foam line around a floating body; phase moves the waves along.
void WaterLine(cairo_t* cr, double cx, double cy, double rx, double ry, double phase) {
    const int steps = 72;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i <= steps; ++i) {
            const double a = 2 * kPi * i / steps;
            const double wobble = 1 + 0.05 * std::sin(a * 7 + phase * 2 * kPi);
            const double x = cx + std::cos(a) * rx * wobble, y = cy + std::sin(a) * ry * wobble;
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        Set(cr, pass == 0 ? Hex(0x2c6f9a) : Hex(0xd6f1ff));
        cairo_set_line_width(cr, pass == 0 ? 5 : 2.5);
        cairo_stroke(cr);
    }
}

void DrawTrunk(cairo_t* cr, const ObjectFrame& f, const Extent& e, double phase) {
    const double hw = e.w / 2 - 3, hh = e.h / 2 - 3;
    WaterLine(cr, f.cx, f.cy + 2, hw + 1, hh + 1, phase);
    const double bob = std::sin(phase * 2 * kPi) * 0.8;
    const double top = f.cy - hh + bob;
    RoundedRect(cr, f.cx - hw, top, 2 * hw, 2 * hh, hh * 0.6);
    ShadedOutlined(cr, Hex(0x9a6232), f.cx - hw, top, 2 * hw, 2 * hh);
    // Bark: long grooves, lighter on the lit upper half.
    Rng rng(7);
    for (int k = 0; k < 9; ++k) {
        const double y = top + 6 + rng.Uniform(0, 2 * hh - 12);
        const double x0 = f.cx - hw + 14 + rng.Uniform(0, hw);
        const double len = rng.Uniform(24, 60);
        cairo_move_to(cr, x0, y);
        cairo_curve_to(cr, x0 + len * 0.3, y - 2, x0 + len * 0.7, y + 2, std::min(x0 + len, f.cx + hw - 18), y);
        Set(cr, Hex(0x5e3a1a));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // Cut face at the right end with its rings, and a knot with a twig.
    Ellipse(cr, f.cx + hw - 8, top + hh, 9, hh - 1);
    FillOutlined(cr, Hex(0xe3b77a), Hex(0x5e3a1a), 2);
    Ellipse(cr, f.cx + hw - 8, top + hh, 5, hh * 0.55);
    Set(cr, Hex(0xb5874c));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Ellipse(cr, f.cx + hw - 8, top + hh, 2, hh * 0.2);
    Fill(cr, Hex(0xb5874c));
    Ellipse(cr, f.cx - hw * 0.35, top + hh * 0.7, 5, 3.5);
    FillOutlined(cr, Hex(0x6e4522), 1.5);
    cairo_move_to(cr, f.cx - hw * 0.1, top + 6);
    cairo_line_to(cr, f.cx - hw * 0.02, top - 1);
    Set(cr, Hex(0x5e3a1a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Ellipse(cr, f.cx - hw * 0.02 + 5, top + 1, 6, 3);
    FillOutlined(cr, Hex(0x6cc44a), 1.5);
}

void DrawBarrel(cairo_t* cr, const ObjectFrame& f, const Extent& e, double phase) {
    const double rx = e.w / 2 - 3, side = e.h * 0.42;
    const double lidRy = e.h / 2 - side / 2 - 3;
    const double bob = std::sin(phase * 2 * kPi) * 1.0;
    const double lidY = f.cy - e.h / 2 + 3 + lidRy + bob;
    WaterLine(cr, f.cx, lidY + side * 0.75, rx + 1, lidRy + side * 0.4, phase);
    // The staves seen on the front, then the lid on top.
    cairo_move_to(cr, f.cx - rx, lidY);
    cairo_line_to(cr, f.cx - rx, lidY + side);
    cairo_curve_to(cr, f.cx - rx, lidY + side + lidRy * 1.3, f.cx + rx, lidY + side + lidRy * 1.3, f.cx + rx,
                   lidY + side);
    cairo_line_to(cr, f.cx + rx, lidY);
    cairo_close_path(cr);
    ShadedOutlined(cr, Hex(0xb5651e), f.cx - rx, lidY, 2 * rx, side + lidRy);
    for (int k = 0; k < 2; ++k) {
        const double y = lidY + side * (0.3 + 0.45 * k);
        cairo_move_to(cr, f.cx - rx, y);
        cairo_curve_to(cr, f.cx - rx, y + lidRy * 1.2, f.cx + rx, y + lidRy * 1.2, f.cx + rx, y);
        Set(cr, Hex(0x7d8a94));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    Ellipse(cr, f.cx, lidY, rx, lidRy);
    ShadedOutlined(cr, Hex(0xd9924a), f.cx - rx, lidY - lidRy, 2 * rx, 2 * lidRy);
    // Planks of the lid turn slowly as the barrel spins in the current.
    cairo_save(cr);
    Ellipse(cr, f.cx, lidY, rx - 3, lidRy - 2);
    cairo_clip(cr);
    cairo_translate(cr, f.cx, lidY);
    cairo_scale(cr, 1, lidRy / rx);
    cairo_rotate(cr, phase * kPi);
    for (int k = -3; k <= 3; ++k) {
        cairo_move_to(cr, k * rx / 3.5, -rx);
        cairo_line_to(cr, k * rx / 3.5, rx);
    }
    cairo_restore(cr);
    Set(cr, Hex(0x8a5424));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    Ellipse(cr, f.cx, lidY, rx - 2, lidRy - 1.5);
    Set(cr, Hex(0x7d8a94));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    const double a = phase * kPi + 0.6;
    Ellipse(cr, f.cx + std::cos(a) * rx * 0.5, lidY + std::sin(a) * lidRy * 0.5, 3.5, 2.2);
    FillOutlined(cr, Hex(0x4a2c12), 1.2);
}

void DrawHippo(cairo_t* cr, double cx, double cy, const Extent& e, double phase, double sink) {
    // Faces right; sink 0 … 1 lowers it into the water (it shrinks into its own water line).
    const double s = 1 - 0.85 * sink;
    const double hw = (e.w / 2 - 4) * s, hh = (e.h / 2 - 4) * s;
    const double wiggle = std::sin(phase * 2 * kPi);
    cairo_save(cr);
    // Back and rump.
    Ellipse(cr, cx - hw * 0.18, cy, hw * 0.82, hh);
    ShadedOutlined(cr, Hex(0x9a86b8), cx - hw, cy - hh, hw * 1.64, 2 * hh);
    // Head, snout with nostrils, ears and eyes.
    Ellipse(cr, cx + hw * 0.58, cy, hw * 0.36, hh * 0.8);
    ShadedOutlined(cr, Hex(0xa893c4), cx + hw * 0.22, cy - hh * 0.8, hw * 0.72, hh * 1.6);
    Ellipse(cr, cx + hw * 0.84, cy, hw * 0.16, hh * 0.62);
    ShadedOutlined(cr, Hex(0xc9a6c9), cx + hw * 0.68, cy - hh * 0.62, hw * 0.32, hh * 1.24);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(cr, cx + hw * 0.9, cy + side * hh * 0.28, 2.2 * s + 0.5, 3 * s + 0.5);
        Fill(cr, Hex(0x4a3258));
        Ellipse(cr, cx + hw * 0.5, cy + side * hh * 0.42, 4.5 * s, 4.5 * s);
        FillOutlined(cr, Hex(0xfdfdf5), Hex(0x3a2a48), 1.6);
        Ellipse(cr, cx + hw * 0.5 + 1.5 * s, cy + side * hh * 0.42, 2 * s, 2 * s);
        Fill(cr, Hex(0x1d2430));
        const double earA = side * (0.9 + 0.25 * wiggle * side);
        Ellipse(cr, cx + hw * 0.33 - std::cos(earA) * 4 * s, cy + side * hh * 0.68, 4 * s, 3 * s);
        FillOutlined(cr, Hex(0xc9a6c9), Hex(0x3a2a48), 1.6);
    }
    Shine(cr, cx - hw * 0.45, cy - hh * 0.45, hw * 0.3, hh * 0.22, 0.35);
    cairo_restore(cr);
}

}  // namespace

RJ_ART_GENERATOR(DrawTrunkSwimming) {
    const ObjectFrame f = FrameFromOffsets(ctx, "trunk");
    const Extent e = ExtentOf(ctx, "trunk");
    const FrameStrip strip(f.width, f.height, 9);
    for (int i = 0; i < 9; ++i) {
        auto frame = strip.Frame(i);
        DrawTrunk(frame.Cr(), f, e, i / 9.0);
    }
    ctx.WriteColorKeyed("TRUNK_SWIMMING", strip);
}

RJ_ART_GENERATOR(DrawBarrelSwimming) {
    const ObjectFrame f = FrameFromOffsets(ctx, "barrel");
    const Extent e = ExtentOf(ctx, "barrel");
    const FrameStrip strip(f.width, f.height, 8);
    for (int i = 0; i < 8; ++i) {
        auto frame = strip.Frame(i);
        DrawBarrel(frame.Cr(), f, e, i / 8.0);
    }
    ctx.WriteColorKeyed("BARREL_SWIMMING", strip);
}

RJ_ART_GENERATOR(DrawWaterLilies) {
    const ObjectFrame f = FrameFromOffsets(ctx, "waterLily");
    const Extent e = ExtentOf(ctx, "waterLily");
    {
        const FrameStrip strip(f.width, f.height, 1);
        DrawLilyPad(strip.Cr(), f.cx, f.cy, e.w / 2 - 2, e.h / 2 - 2, -0.9, true);
        ctx.WriteWithAlpha("WATER_LILY_SWIMMING", strip);
    }
    {
        // The pad tips and sinks into widening rings.
        const int count = 11;
        const FrameStrip strip(f.width, f.height, count);
        for (int i = 0; i < count; ++i) {
            auto frame = strip.Frame(i);
            const double t = i / double(count - 1);
            const double sink = Clamp01(t / 0.7);
            // The rings spread under the pad from its rim while it goes down.
            if (t > 0) {
                const double ring = (e.w / 2 - 6) * (0.55 + 0.45 * t);
                effects::Ripple(frame.Cr(), f.cx, f.cy + 3, ring, ring * (e.h / e.w), 2.5);
            }
            if (sink < 1) {
                DrawLilyPad(frame.Cr(), f.cx, f.cy + 3 * sink, (e.w / 2 - 2) * (1 - 0.8 * sink),
                            (e.h / 2 - 2) * (1 - 0.85 * sink), -0.9 + sink, sink < 0.5);
            }
            if (t > 0.35) effects::Bubble(frame.Cr(), f.cx + 6, f.cy - 10 * t, 2.5);
        }
        ctx.WriteColorKeyed("WATER_LILY_DIVING", strip);
    }
    {
        const ObjectFrame g = FrameFromOffsets(ctx, "waterLilyGoal");
        const Extent ge = ExtentOf(ctx, "waterLilyGoal");
        const Canvas canvas(g.width, g.height);
        cairo_t* cr = canvas.Cr();
        // A golden ring marks the goal; the big flower stands at the back of the pad.
        Ellipse(cr, g.cx, g.cy, ge.w / 2 - 1, ge.h / 2 - 1);
        Set(cr, Hex(0xffe066, 0.9));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        DrawLilyPad(cr, g.cx, g.cy, ge.w / 2 - 5, ge.h / 2 - 5, 0.9, false);
        DrawLilyFlower(cr, g.cx - ge.w * 0.22, g.cy - ge.h * 0.18, ge.h * 0.24);
        ctx.WriteWithAlpha("WATER_LILY_GOAL", canvas);
    }
}

RJ_ART_GENERATOR(DrawHippos) {
    const ObjectFrame f = FrameFromOffsets(ctx, "hippo");
    const Extent e = ExtentOf(ctx, "hippo");
    {
        const FrameStrip strip(f.width, f.height, 8);
        for (int i = 0; i < 8; ++i) {
            auto frame = strip.Frame(i);
            const double phase = i / 8.0;
            WaterLine(frame.Cr(), f.cx, f.cy + 2, e.w / 2 - 2, e.h / 2 - 1, phase);
            DrawHippo(frame.Cr(), f.cx, f.cy + std::sin(phase * 2 * kPi) * 0.8, e, phase, 0);
        }
        ctx.WriteColorKeyed("HIPPO_SWIMMING", strip);
    }
    {
        const int count = 14;
        const FrameStrip strip(f.width, f.height, count);
        for (int i = 0; i < count; ++i) {
            auto frame = strip.Frame(i);
            const double t = i / double(count - 1);
            const double sink = Clamp01(t / 0.75);
            const double ring = 1 + 0.25 * t;
            effects::Ripple(frame.Cr(), f.cx, f.cy + 2, (e.w / 2 - 6) * ring * (1 - 0.4 * sink), (e.h / 2 - 3) * ring,
                            2.5);
            if (sink < 1) DrawHippo(frame.Cr(), f.cx + 4 * sink, f.cy, e, t * 2, sink);
            for (int b = 0; b < 3; ++b) {
                if (t > 0.3 + b * 0.15) {
                    effects::Bubble(frame.Cr(), f.cx - 20 + 20 * b, f.cy - 4 - 10 * (t - 0.3), 2 + 1.5 * b * t);
                }
            }
        }
        ctx.WriteColorKeyed("HIPPO_DIVING", strip);
    }
}

RJ_ART_GENERATOR(DrawPiranhaSwimming) {
    const ObjectFrame f = FrameFromOffsets(ctx, "piranha");
    FrameStrip strip(f.width, f.height, 8);
    for (int i = 0; i < 8; ++i) {
        auto frame = strip.Frame(i);
        const double phase = i / 8.0;
        // A wake of small ripples behind it.
        effects::Ripple(frame.Cr(), f.cx - 12 - 4 * phase, f.cy, 14 + 3 * phase, 9, 1.5);
        DrawPiranha(frame.Cr(), f.cx + 2, f.cy + std::sin(phase * 2 * kPi), phase);
    }
    CentreStrip(strip, f);
    ctx.WriteColorKeyed("PIRANHA_SWIMMING", strip);
}
