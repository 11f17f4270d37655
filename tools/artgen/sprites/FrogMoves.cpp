// The idle frog and every jump. A jump's frames carry its travel: the frog's position only
// changes when the animation ends, so the frames move it from its start to its landing spot.
#include <cmath>
#include <string>
#include <vector>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/FrogFrames.h"

using namespace paint;

namespace {

constexpr int kIdleFrames = 10;

struct JumpSpec {
    const char* sprite;
    const char* statePrefix;
    int frames;
    double dx, dy;  // travel in world units (y up)
    double turn;    // radians the frog turns towards its jump direction at mid-jump
    double lift;    // extra scale at the top of the arc
    bool rocket;    // arms back, mouth open, a trail of speed lines
};

const JumpSpec kJumps[] = {
    {"FROG_MOVE_UP", "frogmoveup", 24, 0, 75, 0, 0.22, false},
    {"FROG_MOVE_UP_TRUCK_UP", "frogmoveuptruckup", 22, 0, 85, 0, 0.25, false},
    {"FROG_MOVE_UP_TRUCK_DOWN", "frogmoveuptruckdown", 22, 0, 65, 0, 0.2, false},
    {"FROG_MOVE_DOWN", "frogmovedown", 25, 0, -75, kPi, 0.22, false},
    {"FROG_MOVE_DOWN_TRUCK_DOWN", "frogmovedowntruckdown", 22, 0, -85, kPi, 0.25, false},
    {"FROG_MOVE_LEFT", "frogmoveleft", 18, -40, 0, -kPi / 2, 0.14, false},
    {"FROG_MOVE_RIGHT", "frogmoveright", 19, 40, 0, kPi / 2, 0.14, false},
    {"FROG_ROCKET_JUMP", "frogrocketjump", 27, 0, 140, 0, 0.5, true},
    {"FROG_ROCKET_JUMP_BOARDING", "frogrocketjumpboarding", 27, 0, 150, 0, 0.55, true},
};

FrogPose JumpPose(const ObjectFrame& frame, const JumpSpec& jump, int index, int count) {
    // Position shown by frame i is the progress at the end of its time slice, so the last frame
    // sits on the landing spot that the idle frog takes over.
    const double p = double(index + 1) / count;
    const double travel = 0.4 * p + 0.6 * EaseInOut(p);
    FrogPose pose = SittingFrog(frame);
    pose.x += jump.dx * travel;
    pose.y -= jump.dy * travel;
    const double arc = std::sin(kPi * p);
    pose.scale = 1 + jump.lift * arc;
    // Push off fast, stay stretched in the air, tuck the legs in for the landing.
    pose.legs = p < 0.2 ? p / 0.2 : (p > 0.8 ? (1 - p) / 0.2 : 1);
    pose.stretchY = 1 + 0.12 * pose.legs;
    pose.stretchX = 1 - 0.06 * pose.legs;
    pose.angle = jump.turn * std::sin(kPi * std::min(1.0, p * 1.15));
    pose.arms = jump.rocket ? 0.2 + 0.8 * arc : 0.3 * arc;
    pose.mouth = jump.rocket ? 0.8 * arc : 0;
    pose.eyes = jump.rocket && arc > 0.5 ? FrogPose::Eyes::Wide : FrogPose::Eyes::Open;
    return pose;
}

// Speed lines behind a rocket jump, from where the frog took off.
void RocketTrail(cairo_t* cr, const ObjectFrame& frame, const JumpSpec& jump, int index, int count) {
    const double p = double(index + 1) / count;
    if (p < 0.15 || p > 0.85) return;
    const double travel = 0.4 * p + 0.6 * EaseInOut(p);
    const double headY = frame.cy - jump.dy * travel;
    const double length = std::min(60.0, jump.dy * travel * 0.7);
    for (int k = -1; k <= 1; ++k) {
        const double x = frame.cx + k * 11;
        cairo_move_to(cr, x, headY + 28 + std::abs(k) * 6);
        cairo_line_to(cr, x, headY + 28 + std::abs(k) * 6 + length * (1 - 0.3 * std::abs(k)));
        Set(cr, Hex(0xfff4c0));
        cairo_set_line_width(cr, 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

}  // namespace

RJ_ART_GENERATOR(DrawFrogJumps) {
    for (const JumpSpec& jump : kJumps) {
        const ObjectFrame frame = FrogStateFrame(ctx, jump.statePrefix, jump.dx, jump.dy);
        const FrameStrip strip(frame.width, frame.height, jump.frames);
        FrogFrameArt art;
        art.pose = [&](int i, double) { return JumpPose(frame, jump, i, jump.frames); };
        if (jump.rocket) {
            art.under = [&](cairo_t* cr, int i, double) { RocketTrail(cr, frame, jump, i, jump.frames); };
        }
        DrawFrogStrip(strip, art);
        ctx.WriteColorKeyed(jump.sprite, strip);
    }
}

RJ_ART_GENERATOR(DrawFrogIdle) {
    const ObjectFrame frame = FrogStateFrame(ctx, "frogidle");
    const FrameStrip strip(frame.width, frame.height, kIdleFrames);
    // 0 rest, 1–4 the throat sac pumping, 5/6 looking left and right, 7/8 a blink, 9 looking up.
    const double throat[kIdleFrames] = {0, 0.35, 0.7, 1.0, 0.5, 0, 0, 0, 0, 0};
    const double lookX[kIdleFrames] = {0, 0, 0, 0, 0, -1, 1, 0, 0, 0};
    const double lookY[kIdleFrames] = {0, 0, 0, 0, 0, 0.2, 0.2, 0, 0, -1};
    const double lids[kIdleFrames] = {1, 1, 1, 1, 1, 1, 1, 0.45, 0, 1};
    FrogFrameArt art;
    art.pose = [&](int i, double) {
        FrogPose pose = SittingFrog(frame);
        pose.throat = throat[i];
        pose.stretchX = 1 + 0.03 * throat[i];
        pose.lookX = lookX[i];
        pose.lookY = lookY[i];
        pose.eyeOpen = lids[i];
        return pose;
    };
    DrawFrogStrip(strip, art);
    ctx.WriteColorKeyed("FROG_IDLE", strip);
    // One pass of the idle animation, in steps of equal length: breathe, look around, blink.
    ctx.WriteFrames("FROG_IDLE",
                    {0, 0, 0, 1, 2, 3, 3, 4, 0, 0, 5, 5, 5, 0, 6, 6, 6, 0, 9, 9, 0, 7, 8, 7, 0, 0, 1, 2, 3, 4, 0, 0});
}
