// The frog's good moments and its pictures in the HUD: catching insects, being stung, reaching
// the goal, the closing scene, the lives and the goal row.
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"
#include "sprites/FrogFrames.h"
#include "sprites/LilyPainter.h"

using namespace paint;

namespace {

double Phase(double t, double a, double b) { return Clamp01((t - a) / (b - a)); }

}  // namespace

RJ_ART_GENERATOR(DrawFrogCatchInsect) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogcatchinsect");
    const double reach = ctx.Float("catchInsectsDistance");
    // The tongue shoots out to the catching distance and sweeps once round the frog.
    const double length = std::min(reach - 14, frame.cx - 22);
    FrogFrameArt art;
    art.pose = [&](int, double t) {
        FrogPose pose = SittingFrog(frame);
        const double out = Phase(t, 0.0, 0.2), in = Phase(t, 0.8, 1.0);
        pose.mouth = 0.8 * (1 - in);
        pose.tongue = length * out * (1 - in);
        pose.tongueAngle = 2 * kPi * Phase(t, 0.15, 0.85);
        pose.eyes = t > 0.15 && t < 0.85 ? FrogPose::Eyes::Wide : FrogPose::Eyes::Open;
        pose.lookX = std::sin(pose.tongueAngle);
        pose.lookY = -std::cos(pose.tongueAngle);
        pose.throat = in;
        return pose;
    };
    const FrameStrip strip(frame.width, frame.height, 25);
    DrawFrogStrip(strip, art);
    ctx.WriteColorKeyed("FROG_CATCH_INSECT", strip);
}

RJ_ART_GENERATOR(DrawFrogPierced) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogpierced");
    FrogFrameArt art;
    // Jumps with the sting, sees stars, shakes it off and sits down again.
    art.pose = [&](int, double t) {
        FrogPose pose = SittingFrog(frame);
        const double jolt = std::sin(kPi * Phase(t, 0.0, 0.25));
        pose.scale = 1 + 0.2 * jolt;
        pose.legs = jolt;
        pose.arms = jolt;
        pose.mouth = t < 0.3 ? 0.9 : 0.1;
        pose.eyes = t < 0.25 ? FrogPose::Eyes::Wide : (t < 0.8 ? FrogPose::Eyes::Dizzy : FrogPose::Eyes::Open);
        pose.lookX = t * 12;
        pose.angle = t > 0.7 && t < 0.9 ? 0.2 * std::sin(t * 60) : 0;
        return pose;
    };
    art.over = [&](cairo_t* cr, int, double t) {
        if (t >= 0.25 && t < 0.8) effects::DizzyStars(cr, frame.cx, frame.cy - 18, 17, 6, t * 2.5);
    };
    const FrameStrip strip(frame.width, frame.height, 29);
    DrawFrogStrip(strip, art);
    ctx.WriteColorKeyed("FROG_PIERCED", strip);
}

RJ_ART_GENERATOR(DrawFrogFinish) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogfinish");
    FrogFrameArt art;
    // Two happy hops with a turn, arms up, and it settles as it will sit in the goal.
    art.pose = [&](int, double t) {
        FrogPose pose = SittingFrog(frame);
        const double hop = std::fabs(std::sin(2 * kPi * Phase(t, 0.0, 0.8)));
        pose.scale = 1 + 0.18 * hop;
        pose.legs = hop;
        pose.arms = t < 0.85 ? 0.6 + 0.4 * hop : 0.5;
        pose.angle = 2 * kPi * EaseInOut(Phase(t, 0.35, 0.75));
        pose.eyes = FrogPose::Eyes::Happy;
        pose.mouth = t < 0.85 ? 0.5 : 0;
        return pose;
    };
    const FrameStrip strip(frame.width, frame.height, 22);
    DrawFrogStrip(strip, art);
    ctx.WriteColorKeyed("FROG_FINISH", strip);
}

RJ_ART_GENERATOR(DrawFrogInGoal) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogingoal");
    const Canvas canvas(frame.width, frame.height);
    FrogPose pose = SittingFrog(frame);
    pose.eyes = FrogPose::Eyes::Happy;
    pose.arms = 0.5;
    DrawFrog(canvas.Cr(), pose);
    ctx.WriteColorKeyed("FROG_IN_GOAL", canvas);
}

RJ_ART_GENERATOR(DrawFrogShowDownWait) {
    const ObjectFrame frame = FrogDefaultFrame(ctx);
    const FrameStrip strip(frame.width, frame.height, 1);
    FrogPose pose = SittingFrog(frame);
    pose.throat = 0.8;
    pose.lookY = -1;
    pose.arms = 0.2;
    DrawFrog(strip.Cr(), pose);
    ctx.WriteColorKeyed("FROG_SHOW_DOWN_WAIT", strip);
}

RJ_ART_GENERATOR(DrawFrogHudIcons) {
    // A life: the frog's head, close up.
    {
        const Canvas canvas(44, 36);
        cairo_t* cr = canvas.Cr();
        Ellipse(cr, 22, 22, 19, 12);
        ShadedOutlined(cr, Hex(0x4fc23c), 3, 10, 38, 24);
        Ellipse(cr, 22, 29, 11, 4);
        Fill(cr, Hex(0xf6db4c));
        cairo_move_to(cr, 11, 23);
        cairo_curve_to(cr, 17, 28, 27, 28, 33, 23);
        Set(cr, Hex(0x173d1a));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int s = -1; s <= 1; s += 2) {
            Ellipse(cr, 22 + s * 9, 11, 8, 8);
            FillOutlined(cr, Hex(0xfdfdf5), Hex(0x173d1a), 2);
            Ellipse(cr, 22 + s * 9 + 1, 11, 3.5, 3.5);
            Fill(cr, Hex(0x1d2430));
            Ellipse(cr, 22 + s * 9, 9.5, 1.3, 1.3);
            Fill(cr, Hex(0xffffff));
        }
        ctx.WriteColorKeyed("FROG_HEAD", canvas);
    }
    // The goal row: a frog still to bring home (pale, waiting) and one that made it (on a lily).
    {
        const Canvas canvas(44, 44);
        FrogPose pose;
        pose.x = 22;
        pose.y = 24;
        pose.scale = 0.78;
        pose.pale = 1;
        pose.eyes = FrogPose::Eyes::Closed;
        DrawFrog(canvas.Cr(), pose);
        ctx.WriteColorKeyed("FROG_TO_GOAL", canvas);
    }
    {
        const Canvas canvas(44, 44);
        DrawLilyPad(canvas.Cr(), 22, 27, 20, 15, 0.0, false);
        FrogPose pose;
        pose.x = 22;
        pose.y = 23;
        pose.scale = 0.7;
        pose.eyes = FrogPose::Eyes::Happy;
        pose.arms = 0.6;
        DrawFrog(canvas.Cr(), pose);
        ctx.WriteColorKeyed("FROG_TO_GOAL_LEFT", canvas);
    }
}
