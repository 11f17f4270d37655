// The kill boxes: a floating crate that drowns a frog riding it too long, and whose three kinds
// hammer, punch or bomb a frog waiting in the row below as it passes. The effects drawn over the
// frog (hammer, explosion) are here too.
#include <cmath>
#include <functional>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"
#include "sprites/ObjectFrame.h"

using namespace paint;

namespace {

double Phase(double t, double a, double b) { return Clamp01((t - a) / (b - a)); }

constexpr double kRowHeight = 75;  // the frog a box kills waits one row below it

struct BoxGeometry {
    ObjectFrame frame;
    double w, h;
};

BoxGeometry Geometry(ArtContext& ctx, const char* offsetPrefix) {
    return {FrameFromOffsetValues(ctx.Int(std::string(offsetPrefix) + "OffsetX"),
                                  ctx.Int(std::string(offsetPrefix) + "OffsetY")),
            double(ctx.Int("boxObjectWidth")), double(ctx.Int("boxObjectHeight"))};
}

// The crate: planks, iron corners and a warning sign. `open` lifts the lid's two halves apart,
// `sink` lowers it into the water, `soot` blackens it after its bomb went off.
void DrawCrate(cairo_t* cr, double cx, double cy, double w, double h, double phase, double open, double sink,
               double soot = 0) {
    const double s = 1 - 0.8 * sink;
    const double hw = (w / 2 - 4) * s, hh = (h / 2 - 4) * s;
    const double bob = std::sin(phase * 2 * kPi) * 1.2 * (1 - sink);
    cy += bob;
    // Water ring.
    Ellipse(cr, cx, cy + hh * 0.3, hw + 3, hh * 0.8 + 3);
    Set(cr, Hex(0x2c6f9a));
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
    Ellipse(cr, cx, cy + hh * 0.3, hw + 3, hh * 0.8 + 3);
    Set(cr, Hex(0xd6f1ff));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const Color wood = Mix(Hex(0xc8924a), Hex(0x3b3a36), soot * 0.8);
    // Front face (tilt) then the top.
    RoundedRect(cr, cx - hw, cy - hh + 4, 2 * hw, 2 * hh, 3);
    FillOutlined(cr, Darker(wood, 0.35));
    RoundedRect(cr, cx - hw, cy - hh, 2 * hw, 2 * hh - 6, 3);
    ShadedOutlined(cr, wood, cx - hw, cy - hh, 2 * hw, 2 * hh - 6);
    if (open > 0) {
        // The dark inside shows between the lid halves folding outwards.
        const double gap = hw * 0.9 * open;
        cairo_rectangle(cr, cx - gap, cy - hh + 4, 2 * gap, 2 * hh - 14);
        Fill(cr, Hex(0x2a2220));
    }
    for (int side = -1; side <= 1; side += 2) {
        const double x0 = cx + side * hw * 0.9 * open;
        for (int k = 1; k < 3; ++k) {
            const double y = cy - hh + k * (2 * hh - 6) / 3;
            cairo_move_to(cr, x0 + side * 2, y);
            cairo_line_to(cr, cx + side * (hw - 2), y);
        }
        Set(cr, Darker(wood, 0.6));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    if (open < 0.3) {
        // A yellow warning diamond with an exclamation mark.
        const double d = std::min(hw, hh) * 0.55;
        cairo_move_to(cr, cx, cy - 3 - d);
        cairo_line_to(cr, cx + d, cy - 3);
        cairo_line_to(cr, cx, cy - 3 + d);
        cairo_line_to(cr, cx - d, cy - 3);
        cairo_close_path(cr);
        FillOutlined(cr, Mix(Hex(0xffd23a), Hex(0x3b3a36), soot), Hex(0x4a3a10), 1.8);
        cairo_move_to(cr, cx, cy - 3 - d * 0.5);
        cairo_line_to(cr, cx, cy - 3 + d * 0.15);
        Set(cr, Hex(0x2a2220));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        Ellipse(cr, cx, cy - 3 + d * 0.42, 1.3, 1.3);
        Fill(cr, Hex(0x2a2220));
    }
    for (int sx = -1; sx <= 1; sx += 2) {
        for (int sy = -1; sy <= 1; sy += 2) {
            cairo_rectangle(cr, cx + sx * (hw - 3) - 3, cy + sy * (hh - 6) - 3 - (sy > 0 ? 2 : 0), 6, 6);
            FillOutlined(cr, Hex(0x8a96a0), 1.2);
        }
    }
}

// The swimming box is centred on the box; its kill animations take the same shift.
void WriteStrip(ArtContext& ctx, const char* sprite, const ObjectFrame& f, int extraBelow, int count,
                const std::function<void(cairo_t*, int, double)>& draw, ArtShift& shift, bool measure) {
    // Kill animations reach down to the frog a row below, so their frames extend below the box.
    FrameStrip strip(f.width, f.height + extraBelow, count);
    for (int i = 0; i < count; ++i) {
        auto frame = strip.Frame(i);
        draw(frame.Cr(), i, count > 1 ? i / double(count - 1) : 0.0);
    }
    if (measure) shift = CentringShift(strip, 0, f);
    ApplyShift(strip, shift);
    ctx.WriteColorKeyed(sprite, strip);
}

void Bomb(cairo_t* cr, double x, double y, double r, int spark) {
    Ellipse(cr, x, y, r, r);
    ShadedOutlined(cr, Hex(0x4a4e5a), x - r, y - r, 2 * r, 2 * r);
    cairo_rectangle(cr, x - r * 0.35, y - r - 3, r * 0.7, 4);
    FillOutlined(cr, Hex(0x8a8e98), 1.2);
    cairo_move_to(cr, x, y - r - 3);
    cairo_curve_to(cr, x + 3, y - r - 8, x + 7, y - r - 6, x + 8, y - r - 10);
    Set(cr, Hex(0xc8a46a));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    effects::StarPath(cr, x + 8, y - r - 10, 5 + spark % 2 * 2, 2, spark * 0.7);
    FillOutlined(cr, Hex(0xfff07a), Hex(0xe0602a), 1.2);
}

}  // namespace

RJ_ART_GENERATOR(DrawBoxes) {
    const BoxGeometry g = Geometry(ctx, "box");
    const BoxGeometry d = Geometry(ctx, "boxKillDrown");
    const double cx = g.frame.cx, cy = g.frame.cy;
    const int reach = int(kRowHeight + 30);
    ArtShift shift;

    WriteStrip(
        ctx, "BOX_SWIMMING", g.frame, 0, 7,
        [&](cairo_t* cr, int i, double) { DrawCrate(cr, cx, cy, g.w, g.h, i / 7.0, 0, 0); }, shift, true);
    // The lid opens under the riding frog and shuts again; bubbles come up from inside.
    WriteStrip(
        ctx, "BOX_DROWN_KILL", d.frame, 0, 17,
        [&](cairo_t* cr, int, double t) {
            const double open = std::sin(kPi * Phase(t, 0.1, 0.9));
            DrawCrate(cr, d.frame.cx, d.frame.cy, d.w, d.h, t, std::min(1.0, open * 1.3), 0);
            if (t > 0.4 && t < 0.85) effects::Bubble(cr, d.frame.cx + 3, d.frame.cy - 4 - 8 * Phase(t, 0.4, 0.85), 2.5);
        },
        shift, false);
    // Opens its front for the hammer, shuts, and sinks away.
    WriteStrip(
        ctx, "BOX_HAMMER_KILL", g.frame, 0, 23,
        [&](cairo_t* cr, int i, double t) {
            const double open = Phase(t, 0.0, 0.12) * (1 - Phase(t, 0.72, 0.82));
            DrawCrate(cr, cx, cy, g.w, g.h, i / 7.0, open, Phase(t, 0.82, 1.0));
        },
        shift, false);
    // The red button on top is pressed and a boxing glove on a spring punches the frog below.
    WriteStrip(
        ctx, "BOX_RED_BUTTON_KILL", g.frame, reach, 28,
        [&](cairo_t* cr, int i, double t) {
            const double sink = Phase(t, 0.8, 1.0);
            const double extend = std::sin(kPi * Phase(t, 0.22, 0.6));
            if (extend > 0.01 && sink == 0) {
                const double tipY = cy + 10 + (kRowHeight - 14) * std::min(1.0, extend * 1.2);
                cairo_move_to(cr, cx, cy + 8);
                const int coils = 7;
                for (int k = 1; k <= coils; ++k) {
                    cairo_line_to(cr, cx + (k % 2 ? 7 : -7), cy + 8 + (tipY - cy - 8) * k / coils);
                }
                Set(cr, Hex(0x8a96a0));
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
                Ellipse(cr, cx, tipY + 6, 12, 10);
                ShadedOutlined(cr, Hex(0xe0362e), cx - 12, tipY - 4, 24, 20);
                Ellipse(cr, cx - 9, tipY + 2, 5, 4);
                ShadedOutlined(cr, Hex(0xe0362e), cx - 14, tipY - 2, 10, 8);
            }
            DrawCrate(cr, cx, cy, g.w, g.h, i / 7.0, extend > 0.01 ? 0.35 : 0, sink);
            if (sink == 0) {
                const double pressed = t > 0.12 && t < 0.7 ? 1 : 0;
                Ellipse(cr, cx + 10, cy - 12 + pressed * 2, 8, 5 - pressed * 2);
                ShadedOutlined(cr, pressed ? Hex(0xff6a5a) : Hex(0xe0362e), cx + 2, cy - 17, 16, 10);
            }
        },
        shift, false);
    // Lets its bomb drop, is blackened by the blast and sinks.
    WriteStrip(
        ctx, "BOX_BOMB_KILL", g.frame, 0, 17,
        [&](cairo_t* cr, int i, double t) {
            const double open = std::sin(kPi * Phase(t, 0.0, 0.3));
            const double soot = Phase(t, 0.3, 0.4);
            DrawCrate(cr, cx, cy, g.w, g.h, i / 7.0, open, Phase(t, 0.75, 1.0), soot);
            if (soot > 0 && t < 0.75)
                effects::SmokePuff(cr, cx - 10 + 6 * i % 20, cy - 12 - 10 * Phase(t, 0.35, 0.75), 5, 0.5);
        },
        shift, false);
}

RJ_ART_GENERATOR(DrawHammerDown) {
    const int offsetX = int(ctx.Float("HammerDownOffsetX")), offsetY = int(ctx.Float("HammerDownOffsetY"));
    // The frog's centre lies at (-offsetX, offsetY) of the frame; its box floats a row above.
    const double fx = -offsetX, fy = offsetY, boxY = fy - kRowHeight;
    const int count = 16;
    const FrameStrip strip(2 * -offsetX, int(fy + 30), count);
    for (int i = 0; i < count; ++i) {
        auto frame = strip.Frame(i);
        cairo_t* cr = frame.Cr();
        const double t = i / double(count - 1);
        const double reach = std::sin(kPi / 2 * Phase(t, 0.0, 0.2)) * (1 - Phase(t, 0.7, 1.0));
        if (reach <= 0.02) continue;
        // Swing: raised high, then down onto the frog at 40 % of the animation.
        const double swing = t < 0.25 ? -1.1 : (t < 0.4 ? Lerp(-1.1, 0.0, Phase(t, 0.25, 0.4)) : 0.0);
        const double pivotY = boxY + (fy - 24 - boxY) * reach;
        cairo_move_to(cr, fx, boxY);
        cairo_line_to(cr, fx, pivotY);
        Set(cr, Hex(0x5a6470));
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        cairo_move_to(cr, fx, boxY);
        cairo_line_to(cr, fx, pivotY);
        Set(cr, Hex(0xa8b2bc));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, fx, pivotY);
        cairo_rotate(cr, swing);
        cairo_rectangle(cr, -3, 0, 6, 16);
        ShadedOutlined(cr, Hex(0xb57a3a), -3, 0, 6, 16);
        RoundedRect(cr, -17, 12, 34, 18, 4);
        ShadedOutlined(cr, Hex(0x9a5a2a), -17, 12, 34, 18);
        cairo_restore(cr);
        if (t >= 0.4 && t < 0.55) {
            effects::StarPath(cr, fx, fy + 4, 26, 12, 0.4);
            cairo_set_line_width(cr, 2);
            Set(cr, Hex(0xfff07a));
            cairo_stroke(cr);
        }
    }
    ctx.WriteColorKeyed("HAMMER_DOWN", strip);
}

RJ_ART_GENERATOR(DrawExplosion) {
    const ObjectFrame f = FrameFromOffsetValues(int(ctx.Float("explosionOffsetX")), int(ctx.Float("explosionOffsetY")));
    const int count = 14;
    const FrameStrip strip(f.width, f.height, count);
    for (int i = 0; i < count; ++i) {
        auto frame = strip.Frame(i);
        cairo_t* cr = frame.Cr();
        if (i < 4) {
            // The bomb drops from the box onto the frog, its fuse fizzing.
            Bomb(cr, f.cx, f.cy - 40 + 12 * i, 9, i);
        } else if (i == 4) {
            effects::StarPath(cr, f.cx, f.cy, f.cx * 0.7, f.cx * 0.35, 0.2);
            FillOutlined(cr, Hex(0xfffbe0), Hex(0xf0a030), 2.5);
        } else {
            const double grow = Phase(i, 4, 9), fade = Phase(i, 9, 13);
            Rng rng(77);
            const double r = f.cx * (0.35 + 0.45 * grow) * (1 - 0.4 * fade);
            for (int k = 0; k < 9; ++k) {
                const double a = k * 2 * kPi / 9 + rng.Uniform(-0.2, 0.2);
                const double dist = r * rng.Uniform(0.35, 0.7);
                const double pr = r * rng.Uniform(0.35, 0.5);
                const Color hot = Mix(Hex(0xff8a2a), Hex(0x8a8884), fade);
                effects::SmokePuff(cr, f.cx + std::cos(a) * dist, f.cy + std::sin(a) * dist * 0.8 - 8 * fade, pr, 0.5);
                Ellipse(cr, f.cx + std::cos(a) * dist, f.cy + std::sin(a) * dist * 0.8 - 8 * fade, pr * 0.75,
                        pr * 0.65);
                Fill(cr, hot);
            }
            if (fade < 0.6) {
                Ellipse(cr, f.cx, f.cy, r * 0.55 * (1 - fade), r * 0.45 * (1 - fade));
                Fill(cr, Hex(0xffe66a));
                Ellipse(cr, f.cx, f.cy, r * 0.3 * (1 - fade), r * 0.25 * (1 - fade));
                Fill(cr, Hex(0xfffbe0));
            }
        }
    }
    ctx.WriteColorKeyed("EXPLOSION", strip);
}
