// How the frog dies: run over, drowned, eaten, and the kill boxes' and trucks' work.
#include <cmath>
#include <vector>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"
#include "sprites/FishPainter.h"
#include "sprites/FrogFrames.h"

using namespace paint;

namespace {

// Fraction of the way from a to b that t has gone, clamped.
double Phase(double t, double a, double b) { return Clamp01((t - a) / (b - a)); }

void Write(ArtContext& ctx, const char* sprite, const ObjectFrame& frame, int count, const FrogFrameArt& art) {
    const FrameStrip strip(frame.width, frame.height, count);
    DrawFrogStrip(strip, art);
    ctx.WriteColorKeyed(sprite, strip);
}

}  // namespace

RJ_ART_GENERATOR(DrawFrogKnockedOver) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogknockedover");
    constexpr int kFrames = 3;
    constexpr int kStars = 4;
    // Flattened with all fours spread; the body still wobbles and the stars circle its head.
    // Each picture turns the stars on by a third of their spacing, so played 0, 1, 2, 0, … they
    // go round steadily instead of jumping back.
    FrogFrameArt art;
    art.pose = [&](int i, double) {
        FrogPose pose = SittingFrog(frame);
        const double wobble = std::sin(2 * 3.14159265358979 * i / kFrames);
        pose.splay = 0.85;
        pose.stretchX = 1.1 + 0.04 * wobble;
        pose.stretchY = 0.78 - 0.04 * wobble;
        pose.angle = 0.06 * wobble;
        pose.eyes = FrogPose::Eyes::Dead;
        pose.mouth = 0.25;
        return pose;
    };
    art.over = [&](cairo_t* cr, int i, double) {
        effects::DizzyStars(cr, frame.cx, frame.cy - 18, 17, 6, double(i) / (kFrames * kStars), kStars);
    };
    Write(ctx, "FROG_KNOCKED_OVER", frame, kFrames, art);
    // Four turns of the three pictures over the death's time.
    std::vector<int> order;
    for (int turn = 0; turn < 4; ++turn) {
        for (int i = 0; i < kFrames; ++i) order.push_back(i);
    }
    ctx.WriteFrames("FROG_KNOCKED_OVER", order);
}

RJ_ART_GENERATOR(DrawFrogDrown) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogdrown");
    FrogFrameArt art;
    // Flails at the surface, sinks into a widening ring, then only bubbles come up.
    art.pose = [&](int, double t) {
        FrogPose pose = SittingFrog(frame);
        const double sink = Phase(t, 0.2, 0.6);
        pose.scale = 1 - 0.75 * sink;
        pose.arms = 0.5 + 0.5 * std::sin(t * 40);
        pose.eyes = FrogPose::Eyes::Wide;
        pose.mouth = 0.7;
        pose.angle = 0.25 * std::sin(t * 30);
        return pose;
    };
    art.over = [&](cairo_t* cr, int, double t) {
        const double ring = 24 + 12 * Phase(t, 0.0, 1.0);
        effects::Ripple(cr, frame.cx, frame.cy + 4, ring, ring * 0.55);
        if (t > 0.55) {
            effects::Ripple(cr, frame.cx, frame.cy + 4, ring * 0.5, ring * 0.28, 2);
            for (int b = 0; b < 3; ++b) {
                const double bt = std::fmod(t * 3 + b * 0.37, 1.0);
                effects::Bubble(cr, frame.cx - 8 + b * 8, frame.cy + 2 - 14 * bt, 2 + 1.5 * bt);
            }
        }
    };
    // Past the sinking the frog is under water: only the rings and bubbles remain.
    const FrameStrip strip(frame.width, frame.height, 23);
    for (int i = 0; i < 23; ++i) {
        const double t = i / 22.0;
        auto f = strip.Frame(i);
        if (t < 0.62) DrawFrog(f.Cr(), art.pose(i, t));
        art.over(f.Cr(), i, t);
    }
    ctx.WriteColorKeyed("FROG_DROWN", strip);
}

RJ_ART_GENERATOR(DrawFrogKillPiranha) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogkillpiranha");
    const int count = 16;
    const FrameStrip strip(frame.width, frame.height, count);
    // The piranha leaps at the frog from the water with its jaws wide, bites, and drags it
    // down; rings and bubbles are left behind.
    for (int i = 0; i < count; ++i) {
        const double t = i / double(count - 1);
        auto f = strip.Frame(i);
        cairo_t* cr = f.Cr();
        const double leap = Phase(t, 0.0, 0.3), pull = Phase(t, 0.3, 0.62);
        if (t >= 0.1)
            effects::Ripple(cr, frame.cx, frame.cy + 6, 16 + 20 * Phase(t, 0.1, 1), 10 + 12 * Phase(t, 0.1, 1));
        if (t < 0.62) {
            FrogPose pose = SittingFrog(frame);
            pose.eyes = FrogPose::Eyes::Wide;
            pose.lookX = 1;
            pose.lookY = 0.5;
            pose.arms = 1;
            pose.mouth = 0.8;
            pose.y += 8 * pull;
            pose.scale = 1 - 0.75 * pull;
            pose.angle = 0.5 * pull;
            DrawFrog(cr, pose);
            // The fish comes in from the lower right, mouth first, and closes on the frog.
            const double fx = Lerp(frame.cx + 30, frame.cx + 6, EaseInOut(leap)) - 4 * pull;
            const double fy = Lerp(frame.cy + 26, frame.cy + 10, EaseInOut(leap)) + 8 * pull;
            cairo_save(cr);
            cairo_translate(cr, fx, fy);
            cairo_scale(cr, -1, 1);  // facing left, back up, mouth towards the frog
            DrawPiranha(cr, 0, 0, t * 4, 0.9 - 0.6 * pull, -0.55, leap < 1 ? 1.0 : 0.0);
            cairo_restore(cr);
        }
        effects::Splash(cr, frame.cx + 4, frame.cy + 8, 20, Phase(t, 0.25, 0.8));
        if (t >= 0.6) {
            for (int b = 0; b < 2; ++b) {
                effects::Bubble(cr, frame.cx - 4 + 9 * b, frame.cy + 2 - 14 * Phase(t, 0.6 + 0.1 * b, 1), 2.5 + b);
            }
        }
    }
    ctx.WriteColorKeyed("FROG_KILL_PIRANHA", strip);
}

RJ_ART_GENERATOR(DrawFrogKillTruck) {
    const ObjectFrame frame = FrogDefaultFrame(ctx);
    // The garbage truck's hopper, the snack van's hatch and the mixer's drum mouth all sit at the
    // truck's rear, behind the frog's landing spot: the frog is dragged that way. LEFT: the truck
    // drives to the left, so its rear is on the right.
    for (int side = -1; side <= 1; side += 2) {
        FrogFrameArt art;
        art.pose = [&, side](int, double t) {
            FrogPose pose = SittingFrog(frame);
            const double drag = Phase(t, 0.3, 0.85);
            pose.eyes = t < 0.3 ? FrogPose::Eyes::Wide : FrogPose::Eyes::Dizzy;
            pose.lookX = t * 4;
            pose.arms = t < 0.3 ? std::fabs(std::sin(t * 30)) : 1;
            pose.mouth = 0.8;
            pose.x -= side * 32 * drag;
            pose.scale = 1 - 0.8 * drag;
            pose.angle = -side * 2 * kPi * drag;
            return pose;
        };
        const FrameStrip strip(frame.width, frame.height, 22);
        for (int i = 0; i < 22; ++i) {
            const double t = i / 21.0;
            auto f = strip.Frame(i);
            if (t < 0.86) DrawFrog(f.Cr(), art.pose(i, t));
        }
        ctx.WriteColorKeyed(side < 0 ? "FROG_KILL_TRUCK_LEFT" : "FROG_KILL_TRUCK_RIGHT", strip);
    }
}

RJ_ART_GENERATOR(DrawFrogKillBoxDrown) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogkillboxdrown");
    const int count = 20;
    const FrameStrip strip(frame.width, frame.height, count);
    for (int i = 0; i < count; ++i) {
        const double t = i / double(count - 1);
        auto f = strip.Frame(i);
        const double fall = Phase(t, 0.25, 0.7);
        if (t < 0.72) {
            FrogPose pose = SittingFrog(frame);
            pose.eyes = FrogPose::Eyes::Wide;
            pose.lookY = 1;
            pose.arms = fall > 0 ? 1 : 0.3 * std::fabs(std::sin(t * 25));
            pose.mouth = fall > 0 ? 0.9 : 0.2;
            pose.scale = 1 - 0.8 * fall;
            pose.angle = 1.5 * fall;
            DrawFrog(f.Cr(), pose);
        }
        if (t > 0.6) {
            for (int b = 0; b < 3; ++b) {
                const double bt = std::fmod(t * 2.5 + b * 0.33, 1.0);
                effects::Bubble(f.Cr(), frame.cx - 9 + 9 * b, frame.cy - 16 * bt, 2 + 2 * bt);
            }
        }
    }
    ctx.WriteColorKeyed("FROG_KILL_BOX_DROWN", strip);
}

RJ_ART_GENERATOR(DrawFrogKillBoxHammer) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogkillboxhammer");
    FrogFrameArt art;
    // Looks up at the hammer, is flattened by it at frame 8, lies there seeing stars.
    art.pose = [&](int i, double) {
        FrogPose pose = SittingFrog(frame);
        if (i < 8) {
            pose.eyes = FrogPose::Eyes::Wide;
            pose.lookY = -1;
            pose.arms = 0.4 + 0.1 * (i % 2);
            pose.stretchY = 1 + 0.02 * i;
        } else {
            const double settle = std::min(1.0, (i - 8) / 3.0);
            pose.splay = 0.85;
            pose.stretchX = 1.15 - 0.05 * settle;
            pose.stretchY = 0.55 + 0.15 * settle;
            pose.eyes = FrogPose::Eyes::Dizzy;
            pose.lookX = i * 0.6;
        }
        return pose;
    };
    art.over = [&](cairo_t* cr, int i, double) {
        if (i >= 10) effects::DizzyStars(cr, frame.cx, frame.cy - 14, 17, 6, (i - 10) * 0.12);
    };
    Write(ctx, "FROG_KILL_BOX_HAMMER", frame, 20, art);
}

RJ_ART_GENERATOR(DrawFrogKillBoxRedButton) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogkillboxredbutton");
    const int count = 24, punch = 9;
    const FrameStrip strip(frame.width, frame.height, count);
    for (int i = 0; i < count; ++i) {
        auto f = strip.Frame(i);
        FrogPose pose = SittingFrog(frame);
        if (i < punch) {
            // Puzzled: it looks up at the box and scratches its head.
            pose.lookY = -1;
            pose.lookX = std::sin(i * 0.9);
            pose.arms = i > 3 ? 0.5 : 0;
        } else {
            // Punched into the ground: it spins away, shrinking into the distance.
            const double away = (i - punch) / double(count - 1 - punch);
            pose.eyes = FrogPose::Eyes::Dizzy;
            pose.lookX = i;
            pose.arms = 1;
            pose.legs = 0.6;
            pose.mouth = 0.7;
            pose.angle = 5 * kPi * away;
            pose.scale = 0.95 - 0.8 * away;
            pose.y += 14 * away;
        }
        if (i == punch || i == punch + 1) {
            effects::StarPath(f.Cr(), frame.cx, frame.cy - 4, 30, 16, 0.3 * i);
            FillOutlined(f.Cr(), Hex(0xfff0a0), Hex(0xd06a1a), 2);
        }
        if (i < count - 1) DrawFrog(f.Cr(), pose);
    }
    ctx.WriteColorKeyed("FROG_KILL_BOX_RED_BUTTON", strip);
}

RJ_ART_GENERATOR(DrawFrogKillBoxBomb) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogkillboxbomb");
    FrogFrameArt art;
    // Frightened by the falling bomb, then sooty and smoking once the explosion has passed.
    art.pose = [&](int i, double) {
        FrogPose pose = SittingFrog(frame);
        if (i < 4) {
            pose.eyes = FrogPose::Eyes::Wide;
            pose.lookY = -1;
            pose.arms = 0.8;
            pose.mouth = 0.5;
        } else {
            pose.charred = 1;
            pose.eyes = (i == 9 || i == 10) ? FrogPose::Eyes::Closed : FrogPose::Eyes::Open;
            pose.lookX = i % 2 ? -0.6 : 0.6;
            pose.stretchY = 0.95;
            pose.mouth = 0.3;
        }
        return pose;
    };
    art.over = [&](cairo_t* cr, int i, double) {
        if (i >= 4) {
            for (int k = 0; k < 2; ++k) {
                const double st = std::fmod((i - 4) / 9.0 + k * 0.5, 1.0);
                effects::SmokePuff(cr, frame.cx - 8 + 16 * k, frame.cy - 20 - 14 * st, 4 + 5 * st, 0.5 + 0.2 * st);
            }
        }
    };
    Write(ctx, "FROG_KILL_BOX_BOMB", frame, 14, art);
}
