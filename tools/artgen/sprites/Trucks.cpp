// The five truck liveries: driving, and what each does to a frog that rode it too long.
#include <cmath>
#include <functional>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"
#include "sprites/FrogPainter.h"
#include "sprites/ObjectFrame.h"
#include "sprites/VehiclePainter.h"

using namespace paint;
using vehicles::Cargo;

namespace {

double Phase(double t, double a, double b) { return Clamp01((t - a) / (b - a)); }

struct TruckGeometry {
    ObjectFrame frame;
    double length, width;
    double landX, landY;  // where a riding frog sits, in frame pixels (unmirrored: at the rear)
};

TruckGeometry Geometry(ArtContext& ctx, const char* offsetPrefix, const char* frogOffsetKey) {
    TruckGeometry g;
    g.frame = FrameFromOffsets(ctx, offsetPrefix);
    g.length = ctx.Int("truckObjectWidth");
    g.width = ctx.Int("truckObjectHeight");
    // A right-running truck takes the frog at its centre minus the configured offset; the frog
    // rides 10 units above its lane (truck jumps are 85 up and 65 down).
    g.landX = g.frame.cx - ctx.Int(frogOffsetKey);
    g.landY = g.frame.cy - 10;
    return g;
}

Cargo Base(cairo_t* cr, const TruckGeometry& g, unsigned cab, double phase) {
    return vehicles::DrawTruckBase(cr, g.frame.cx, g.frame.cy, g.length, g.width, cab, phase);
}

void CargoBox(cairo_t* cr, const Cargo& c, unsigned color, double radius = 5) {
    RoundedRect(cr, c.rearX, c.top + 2, c.frontX - c.rearX, c.height + 5, radius);
    FillOutlined(cr, Darker(Hex(color), 0.35));
    RoundedRect(cr, c.rearX, c.top, c.frontX - c.rearX, c.height, radius);
    ShadedOutlined(cr, Hex(color), c.rearX, c.top, c.frontX - c.rearX, c.height);
}

// ---- garbage truck: ribbed container, hopper with a compactor at the rear --------------------

void Garbage(cairo_t* cr, const TruckGeometry& g, double phase, double chomp) {
    const Cargo c = Base(cr, g, 0x3f9a4a, phase);
    CargoBox(cr, c, 0x7d9a62);
    for (double x = c.rearX + 34; x < c.frontX - 6; x += 12) {
        cairo_move_to(cr, x, c.top + 3);
        cairo_line_to(cr, x, c.top + c.height - 3);
    }
    Set(cr, Hex(0x55703f));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Recycling badge.
    const double bx = (c.rearX + c.frontX) / 2 + 14, by = c.top + c.height / 2;
    Ellipse(cr, bx, by, 10, 10);
    FillOutlined(cr, Hex(0xf4f4ec), Hex(0x2e6a36), 2);
    for (int k = 0; k < 3; ++k) {
        const double a = k * 2 * kPi / 3 + 0.3;
        cairo_arc(cr, bx, by, 6, a, a + 1.5);
        Set(cr, Hex(0x2e8a3e));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // Hopper: a dark mouth with a toothed compactor lid that lifts by `chomp` (0 shut … 1 wide).
    const double hx = c.rearX + 3, hw = 30;
    RoundedRect(cr, hx, c.top + 4, hw, c.height - 8, 4);
    FillOutlined(cr, Hex(0x3a3f36), 2);
    const double lid = std::max((c.height - 12) * (1 - chomp), 3.0);
    RoundedRect(cr, hx + 2, c.top + 6, hw - 4, lid, 3);
    ShadedOutlined(cr, Hex(0x9ab07c), hx + 2, c.top + 6, hw - 4, lid);
    for (int k = 0; k < 4; ++k) {
        const double x = hx + 4 + k * (hw - 8) / 4;
        cairo_move_to(cr, x, c.top + 6 + lid);
        cairo_line_to(cr, x + (hw - 8) / 8, c.top + 6 + lid + 5);
        cairo_line_to(cr, x + (hw - 8) / 4, c.top + 6 + lid);
        FillOutlined(cr, Hex(0xe8ece4), Hex(0x3a3f36), 1.2);
    }
    vehicles::DrawTailLights(cr, c.rearX, c.top + c.height / 2, c.height);
}

// ---- snack van: white with a red awning and a giant hot dog on the roof ----------------------

void HotDog(cairo_t* cr, double cx, double cy, double length, unsigned sausage) {
    RoundedRect(cr, cx - length / 2, cy - 8, length, 16, 8);
    ShadedOutlined(cr, Hex(0xe0a55a), cx - length / 2, cy - 8, length, 16);
    RoundedRect(cr, cx - length / 2 - 4, cy - 4.5, length + 8, 9, 4.5);
    ShadedOutlined(cr, Hex(sausage), cx - length / 2 - 4, cy - 4.5, length + 8, 9);
    cairo_move_to(cr, cx - length / 2 + 2, cy);
    for (int k = 0; k < 8; ++k) {
        cairo_line_to(cr, cx - length / 2 + 2 + (k + 0.5) * (length - 4) / 8, cy + (k % 2 ? 2.5 : -2.5));
    }
    Set(cr, Hex(0xffd52a));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void ChezFred(cairo_t* cr, const TruckGeometry& g, double phase, double cook) {
    const Cargo c = Base(cr, g, 0xd8443a, phase);
    CargoBox(cr, c, 0xf4efe2, 8);
    // Striped awning along the side facing the viewer.
    for (int k = 0; k < 12; ++k) {
        const double x = c.rearX + 6 + k * (c.frontX - c.rearX - 12) / 12;
        cairo_rectangle(cr, x, c.top + c.height - 9, (c.frontX - c.rearX - 12) / 12, 7);
        Fill(cr, k % 2 ? Hex(0xf7f3ea) : Hex(0xd8443a));
    }
    cairo_rectangle(cr, c.rearX + 6, c.top + c.height - 9, c.frontX - c.rearX - 12, 7);
    Set(cr, Hex(0x6a1e1a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The roof hatch at the rear opens while the van cooks.
    const double hx = c.rearX + 8, hw = 30, hy = c.top + 5, hh = c.height - 18;
    RoundedRect(cr, hx, hy, hw, hh, 3);
    FillOutlined(cr, Hex(0x4a3a34), 2);
    RoundedRect(cr, hx, hy, hw * (1 - 0.85 * cook), hh, 3);
    ShadedOutlined(cr, Hex(0xc8c2b4), hx, hy, std::max(hw * (1 - 0.85 * cook), 1.0), hh);
    HotDog(cr, (c.rearX + c.frontX) / 2 + 16, c.top + c.height / 2 - 4, 56, cook > 0.5 ? 0x5cae3e : 0xc0483a);
}

// ---- electric truck: blue, solar roof, a coil that sparks ------------------------------------

void Electric(cairo_t* cr, const TruckGeometry& g, double phase, double charge) {
    const Cargo c = Base(cr, g, 0x2f7fd0, phase);
    CargoBox(cr, c, 0xdcecf8, 6);
    const double px = c.rearX + 42, pw = c.frontX - px - 8;
    for (int k = 0; k < 3; ++k) {
        RoundedRect(cr, px + k * pw / 3 + 1, c.top + 5, pw / 3 - 2, c.height - 14, 2);
        FillOutlined(cr, Hex(0x2a3f7a), Hex(0x16203e), 1.6);
        cairo_move_to(cr, px + k * pw / 3 + pw / 6, c.top + 6);
        cairo_line_to(cr, px + k * pw / 3 + pw / 6, c.top + c.height - 10);
        Set(cr, Hex(0x6f86c8));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // Lightning logo on the side strip.
    const double lx = px + pw / 2, ly = c.top + c.height - 5;
    cairo_move_to(cr, lx - 6, ly - 4);
    cairo_line_to(cr, lx + 2, ly - 4);
    cairo_line_to(cr, lx - 1, ly);
    cairo_line_to(cr, lx + 6, ly);
    cairo_line_to(cr, lx - 4, ly + 5);
    cairo_line_to(cr, lx - 1, ly + 1);
    cairo_line_to(cr, lx - 7, ly + 1);
    cairo_close_path(cr);
    FillOutlined(cr, Hex(0xffd83a), Hex(0x7a5a10), 1.2);
    // The coils at the rear, where the frog rides.
    for (int s = -1; s <= 1; s += 2) {
        const double x = c.rearX + 10, y = c.top + c.height / 2 + s * 9;
        Ellipse(cr, x, y, 6, 5);
        FillOutlined(cr, Hex(0xc87a2a), 1.8);
        Ellipse(cr, x, y, 2.5, 2);
        Fill(cr, charge > 0 ? Hex(0xfff6a0) : Hex(0x8a5a1a));
    }
    if (charge <= 0 && std::fmod(phase * 3, 1.0) < 0.34) {
        effects::Lightning(cr, c.rearX + 10, c.top + c.height / 2 - 9, c.rearX + 10, c.top + c.height / 2 + 9, 11);
    }
}

// ---- aquarium truck: a glass tank with fish ----------------------------------------------------

void Fish(cairo_t* cr, double x, double y, double size, double dir, unsigned color, double phase) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir * size, size);
    const double beat = std::sin(phase * 2 * kPi) * 0.25;
    cairo_move_to(cr, -0.8, 0);
    cairo_line_to(cr, -1.4, -0.6 + beat);
    cairo_line_to(cr, -1.4, 0.6 + beat);
    cairo_close_path(cr);
    Ellipse(cr, 0, 0, 1, 0.6);
    cairo_restore(cr);
    FillOutlined(cr, Hex(color), 1.4);
    Ellipse(cr, x + dir * size * 0.45, y - size * 0.1, 1.3, 1.3);
    Fill(cr, Hex(0x1d2430));
}

struct TankArea {
    double x, y, w, h;
};

TankArea AquariumBase(cairo_t* cr, const TruckGeometry& g, double phase) {
    const Cargo c = Base(cr, g, 0xe0902a, phase);
    CargoBox(cr, c, 0xb9c4cc, 4);
    const TankArea tank{c.rearX + 4, c.top + 4, c.frontX - c.rearX - 8, c.height - 8};
    RoundedRect(cr, tank.x, tank.y, tank.w, tank.h, 4);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, tank.y, 0, tank.y + tank.h);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.55, 0.86, 0.98);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.18, 0.5, 0.82);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    // Seaweed and a few pebbles on the floor of the tank.
    for (int k = 0; k < 4; ++k) {
        const double x = tank.x + 18 + k * tank.w / 4;
        cairo_move_to(cr, x, tank.y + tank.h);
        cairo_curve_to(cr, x - 4 + 3 * std::sin(phase * 2 * kPi + k), tank.y + tank.h * 0.6, x + 4,
                       tank.y + tank.h * 0.4, x + 2 * std::sin(phase * 2 * kPi + k), tank.y + tank.h * 0.25);
        Set(cr, Hex(0x3f9a4a));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    return tank;
}

void AquariumGlass(cairo_t* cr, const TankArea& tank) {
    cairo_move_to(cr, tank.x + 8, tank.y + 3);
    cairo_line_to(cr, tank.x + 20, tank.y + 3);
    cairo_move_to(cr, tank.x + tank.w * 0.5, tank.y + 3);
    cairo_line_to(cr, tank.x + tank.w * 0.5 + 26, tank.y + 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRect(cr, tank.x, tank.y, tank.w, tank.h, 4);
    Set(cr, Hex(0x5a6a78));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void AquariumDrive(cairo_t* cr, const TruckGeometry& g, double phase) {
    const TankArea tank = AquariumBase(cr, g, phase);
    const double swim = std::sin(phase * 2 * kPi);
    Fish(cr, tank.x + tank.w * 0.3 + 6 * swim, tank.y + tank.h * 0.45, 7, 1, 0xf08a2a, phase);
    Fish(cr, tank.x + tank.w * 0.7 - 6 * swim, tank.y + tank.h * 0.65, 6, -1, 0xf2d83a, phase + 0.5);
    effects::Bubble(cr, tank.x + tank.w * 0.5, tank.y + tank.h * (0.8 - 0.5 * phase), 2);
    AquariumGlass(cr, tank);
}

// ---- cement mixer: a striped drum that turns ---------------------------------------------------

void CementMixer(cairo_t* cr, const TruckGeometry& g, double phase, double spin) {
    const Cargo c = Base(cr, g, 0xf0c020, phase);
    RoundedRect(cr, c.rearX + 2, c.top + 6, c.frontX - c.rearX - 4, c.height - 10, 3);
    FillOutlined(cr, Hex(0x6a6e78), 1.8);
    const double dx = c.rearX + 6, dw = c.frontX - c.rearX - 10, dcy = c.top + c.height / 2;
    Ellipse(cr, dx + dw / 2, dcy, dw / 2, c.height / 2 + 1);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    ShadedOutlined(cr, Hex(0xe8782a), dx, dcy - c.height / 2, dw, c.height);
    Ellipse(cr, dx + dw / 2, dcy, dw / 2 - 1, c.height / 2);
    cairo_clip(cr);
    // Diagonal stripes slide along the drum as it turns.
    const double step = 22;
    for (double x = dx - 40 + std::fmod(spin * step, step); x < dx + dw + 20; x += step) {
        cairo_move_to(cr, x, dcy - c.height / 2);
        cairo_line_to(cr, x + 14, dcy - c.height / 2);
        cairo_line_to(cr, x + 26, dcy + c.height / 2);
        cairo_line_to(cr, x + 12, dcy + c.height / 2);
        cairo_close_path(cr);
    }
    Fill(cr, Hex(0xf6f0e0));
    cairo_restore(cr);
    Ellipse(cr, dx + dw / 2, dcy, dw / 2, c.height / 2 + 1);
    Set(cr, OutlineOf(Hex(0xe8782a)));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Shine(cr, dx + dw * 0.35, dcy - c.height * 0.28, dw * 0.2, 3, 0.5);
    // The drum's mouth at the rear.
    Ellipse(cr, c.rearX + 7, dcy, 6, 10);
    FillOutlined(cr, Hex(0x4a4e56), 2);
}

// The strips move by the driving strip's centring shift after drawing; a frog drawn into them
// must be placed that much the other way to end up on its true landing spot.
TruckGeometry Compensated(const TruckGeometry& g, ArtShift shift) {
    TruckGeometry k = g;
    k.landX -= shift.dx;
    k.landY -= shift.dy;
    return k;
}

// The frog sitting at its landing spot, as the electric and aquarium trucks draw it.
FrogPose RidingFrog(const TruckGeometry& g) {
    FrogPose pose;
    pose.x = g.landX;
    pose.y = g.landY;
    return pose;
}

// The driving strip is centred on the truck; its kill animation and the frog's leg take the same
// shift, so they stay in register with it.
void WriteStrip(ArtContext& ctx, const char* sprite, const TruckGeometry& g, int count,
                const std::function<void(cairo_t*, int, double)>& draw, ArtShift& shift, bool measure) {
    FrameStrip strip(g.frame.width, g.frame.height, count);
    for (int i = 0; i < count; ++i) {
        auto frame = strip.Frame(i);
        draw(frame.Cr(), i, count > 1 ? i / double(count - 1) : 0.0);
    }
    if (measure) shift = CentringShift(strip, 0, g.frame);
    ApplyShift(strip, shift);
    ctx.WriteColorKeyed(sprite, strip);
}

}  // namespace

RJ_ART_GENERATOR(DrawTruckGarbage) {
    const TruckGeometry g = Geometry(ctx, "truckGarbage", "truckGarbageFrogOffsetX");
    ArtShift shift;
    WriteStrip(
        ctx, "TRUCK_GARBAGE_DRIVE", g, 3, [&](cairo_t* cr, int i, double) { Garbage(cr, g, i / 3.0, 0); }, shift, true);
    // The hopper opens, bites twice and spits out crumbs.
    const double chomp[6] = {0.5, 1.0, 0.0, 1.0, 0.0, 0.3};
    WriteStrip(
        ctx, "TRUCK_GARBAGE_KILL", g, 6,
        [&](cairo_t* cr, int i, double) {
            Garbage(cr, g, 0, chomp[i]);
            if (i == 2 || i == 4) {
                Rng rng(40 + i);
                for (int k = 0; k < 5; ++k) {
                    Ellipse(cr, g.landX - 30 + rng.Uniform(-6, 10), g.frame.cy + rng.Uniform(-26, 26), 3, 2.5);
                    FillOutlined(cr, k % 2 ? Hex(0x8a7a4a) : Hex(0x6fb04a), 1.2);
                }
            }
        },
        shift, false);
}

RJ_ART_GENERATOR(DrawTruckChezFred) {
    const TruckGeometry g = Geometry(ctx, "truckChezFred", "truckChezFredFrogOffsetX");
    ArtShift shift;
    WriteStrip(
        ctx, "TRUCK_CHEZ_FRED_DRIVE", g, 3, [&](cairo_t* cr, int i, double) { ChezFred(cr, g, i / 3.0, 0); }, shift,
        true);
    WriteStrip(
        ctx, "TRUCK_CHEZ_FRED_KILL", g, 9,
        [&](cairo_t* cr, int, double t) {
            ChezFred(cr, g, 0, Phase(t, 0.0, 0.35));
            // Steam rises from the hatch once the frog has gone in.
            for (int k = 0; k < 3; ++k) {
                const double st = Phase(t, 0.3 + 0.12 * k, 1.0);
                if (st > 0) effects::SmokePuff(cr, g.landX - 6 + 10 * k, g.frame.cy - 8 - 26 * st, 4 + 5 * st, 0.92);
            }
        },
        shift, false);
}

RJ_ART_GENERATOR(DrawTruckElectric) {
    const TruckGeometry g = Geometry(ctx, "truckElectric", "truckElectricFrogOffsetX");
    ArtShift shift;
    WriteStrip(
        ctx, "TRUCK_ELECTRIC_DRIVE", g, 3, [&](cairo_t* cr, int i, double) { Electric(cr, g, i / 3.0, 0); }, shift,
        true);
    const TruckGeometry k = Compensated(g, shift);
    // The coils zap the riding frog: it flashes, chars, and crumbles to a heap of ash.
    WriteStrip(
        ctx, "TRUCK_ELECTRIC_KILL", g, 31,
        [&](cairo_t* cr, int i, double t) {
            const bool zapping = t > 0.12 && t < 0.6;
            Electric(cr, g, 0, zapping ? 1 : 0);
            FrogPose pose = RidingFrog(k);
            if (t <= 0.12) {
                pose.eyes = FrogPose::Eyes::Wide;
            } else if (zapping) {
                pose.eyes = FrogPose::Eyes::Wide;
                pose.arms = 1;
                pose.mouth = 0.9;
                pose.charred = i % 2 ? 0.9 : 0.0;
                pose.pale = i % 2 ? 0 : 0.8;
                pose.scale = 1 + 0.06 * (i % 2);
            } else {
                const double crumble = Phase(t, 0.75, 1.0);
                pose.charred = 1;
                pose.eyes = FrogPose::Eyes::Dead;
                pose.scale = 1 - 0.75 * crumble;
                pose.stretchY = 1 - 0.5 * crumble;
            }
            if (t < 0.98) DrawFrog(cr, pose);
            if (zapping) {
                effects::Lightning(cr, k.landX - 20, k.landY - 9, k.landX - 6, k.landY - 4, 100 + i);
                effects::Lightning(cr, k.landX - 20, k.landY + 9, k.landX + 6, k.landY + 10, 200 + i);
            }
            if (t >= 0.6)
                effects::SmokePuff(cr, k.landX + 4, k.landY - 16 - 14 * Phase(t, 0.6, 1), 4 + 3 * Phase(t, 0.6, 1),
                                   0.6);
        },
        shift, false);
}

RJ_ART_GENERATOR(DrawTruckAquarium) {
    const TruckGeometry g = Geometry(ctx, "truckAquarium", "truckAquariumFrogOffsetX");
    ArtShift shift;
    WriteStrip(
        ctx, "TRUCK_AQUARIUM_DRIVE", g, 5, [&](cairo_t* cr, int i, double) { AquariumDrive(cr, g, i / 5.0); }, shift,
        true);
    const TruckGeometry k = Compensated(g, shift);
    // The frog slips into the tank, swims a little, and the big fish swallows it.
    WriteStrip(
        ctx, "TRUCK_AQUARIUM_KILL", g, 45,
        [&](cairo_t* cr, int i, double t) {
            const TankArea tank = AquariumBase(cr, g, 0);
            const double sink = Phase(t, 0.08, 0.25), swim = Phase(t, 0.25, 0.6), gulp = Phase(t, 0.55, 0.72);
            const double fishX = Lerp(tank.x + tank.w - 18, k.landX + 10 + 12 * swim, EaseInOut(Phase(t, 0.35, 0.65)));
            const double frogX = k.landX + 12 * swim + 3 * std::sin(i * 0.9);
            const double frogY = Lerp(k.landY, tank.y + tank.h * 0.55, sink);
            if (gulp < 1) {
                FrogPose pose;
                pose.x = frogX;
                pose.y = frogY;
                pose.scale = 1 - 0.35 * sink - 0.4 * gulp;
                pose.legs = sink > 0 ? 0.5 + 0.5 * std::sin(i * 1.3) : 0;
                pose.arms = sink > 0 ? 0.5 + 0.5 * std::cos(i * 1.3) : 0;
                pose.eyes = swim > 0.4 ? FrogPose::Eyes::Wide : FrogPose::Eyes::Open;
                pose.angle = sink > 0 ? -kPi / 2 * sink : 0;
                pose.pale = 0.3 * sink;
                DrawFrog(cr, pose);
            }
            // The big fish: it opens its mouth while it comes near, then closes it full.
            const double mouth = gulp > 0 && gulp < 1 ? 1.0 - gulp : (swim > 0.5 && gulp == 0 ? 1.0 : 0.0);
            const double fy = tank.y + tank.h * 0.5, fs = 14 + 3 * Phase(t, 0.72, 0.8);
            Fish(cr, fishX + fs * 0.4, fy, fs, -1, 0x8a6ad8, t * 6);
            if (mouth > 0) {
                cairo_move_to(cr, fishX - fs * 0.6, fy);
                cairo_line_to(cr, fishX - fs * 1.1, fy - fs * 0.4 * mouth);
                cairo_line_to(cr, fishX - fs * 1.1, fy + fs * 0.4 * mouth);
                cairo_close_path(cr);
                FillOutlined(cr, Hex(0x4a1a3a), 1.4);
            }
            Fish(cr, tank.x + tank.w * 0.75, tank.y + tank.h * 0.7, 5, 1, 0xf2d83a, t * 8);
            if (t > 0.74) effects::Bubble(cr, fishX - 6, fy - 6 - 14 * Phase(t, 0.74, 1), 2.5 + 2 * Phase(t, 0.74, 1));
            if (sink > 0 && sink < 1) effects::Splash(cr, k.landX, tank.y + 6, 12, sink);
            AquariumGlass(cr, tank);
        },
        shift, false);
}

RJ_ART_GENERATOR(DrawTruckCementMixer) {
    const TruckGeometry g = Geometry(ctx, "truckCementMixer", "truckCementMixerFrogOffsetX");
    ArtShift shift;
    WriteStrip(
        ctx, "TRUCK_CEMENT_MIXER_DRIVE", g, 3,
        [&](cairo_t* cr, int i, double) { CementMixer(cr, g, i / 3.0, i / 3.0); }, shift, true);
    // The drum races round with the frog inside and splashes cement out of its mouth.
    WriteStrip(
        ctx, "TRUCK_CEMENT_MIXER_KILL", g, 14,
        [&](cairo_t* cr, int i, double t) {
            CementMixer(cr, g, 0, i * 0.45);
            if (t > 0.15 && t < 0.9) {
                Rng rng(300 + i);
                for (int k = 0; k < 3; ++k) {
                    Ellipse(cr, g.frame.cx - g.length / 2 + 2 - rng.Uniform(0, 6), g.frame.cy + rng.Uniform(-12, 12), 3,
                            2);
                    FillOutlined(cr, Hex(0xb4b0a4), 1.2);
                }
            }
        },
        shift, false);
    // The frog's leg sticks out of the drum's mouth, kicks, and is pulled in at last.
    WriteStrip(
        ctx, "FROG_LEG", g, 13,
        [&](cairo_t* cr, int i, double t) {
            const double rearX = g.frame.cx - g.length / 2 + 7, cy = g.frame.cy + 2.5;
            const double out = 1 - Phase(t, 0.75, 1.0);
            if (out <= 0) return;
            const double kick = std::sin(i * 1.7) * 0.5;
            const double kx = rearX - 14 * out, ky = cy - 6 + 6 * kick;
            const double fx = rearX - 22 * out, fy = cy + 4 + 8 * kick;
            for (int pass = 0; pass < 2; ++pass) {
                cairo_move_to(cr, rearX + 2, cy);
                cairo_line_to(cr, kx, ky);
                cairo_line_to(cr, fx, fy);
                Set(cr, pass == 0 ? Hex(0x173d1a) : Hex(0x4fc23c));
                cairo_set_line_width(cr, pass == 0 ? 9 : 5);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                cairo_stroke(cr);
            }
            for (int toe = -1; toe <= 1; ++toe) {
                Ellipse(cr, fx - 4, fy + toe * 3.5, 2.2, 2.2);
                FillOutlined(cr, Hex(0x4fc23c), Hex(0x173d1a), 1.4);
            }
        },
        shift, false);
}
