#include "sprites/FrogPainter.h"

#include <cmath>

#include "Paint.h"

using namespace paint;

namespace {

constexpr double kBaseScale = 0.9;
constexpr double kArtLift = 5;

struct FrogColors {
    Color skin, spots, belly, eyeWhite, pupil, mouth, tongue, outline;
};

FrogColors ColorsFor(const FrogPose& pose) {
    const Color soot = Hex(0x3b3a36);
    const Color grey = Hex(0xb8c4b4);
    auto tone = [&](Color c) { return Mix(Mix(c, grey, pose.pale * 0.7), soot, pose.charred * 0.85); };
    FrogColors c;
    c.skin = tone(Hex(0x4fc23c));
    c.spots = tone(Hex(0x2e8f2c));
    c.belly = tone(Hex(0xf6db4c));
    c.eyeWhite = tone(Hex(0xfdfdf5));
    c.pupil = Hex(0x1d2430);
    c.mouth = tone(Hex(0xa8323a));
    c.tongue = Hex(0xf06a8a);
    c.outline = Mix(Hex(0x173d1a), soot, pose.charred * 0.5);
    return c;
}

// A limb as a thick stroke with a dark rim: the rim is drawn first, 4 pixels wider.
void Limb(cairo_t* cr, const double* pts, int count, double width, Color fill, Color outline) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, pts[0], pts[1]);
        for (int i = 1; i < count; ++i) cairo_line_to(cr, pts[2 * i], pts[2 * i + 1]);
        Set(cr, pass == 0 ? outline : fill);
        cairo_set_line_width(cr, pass == 0 ? width + 4 : width);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
}

void Foot(cairo_t* cr, double x, double y, double dirX, double dirY, double size, Color fill, Color outline) {
    const double len = std::hypot(dirX, dirY);
    const double ux = dirX / len, uy = dirY / len;
    for (int toe = -1; toe <= 1; ++toe) {
        const double a = toe * 0.55;
        const double tx = ux * std::cos(a) - uy * std::sin(a), ty = ux * std::sin(a) + uy * std::cos(a);
        Ellipse(cr, x + tx * size, y + ty * size, size * 0.42, size * 0.42);
        FillOutlined(cr, fill, outline, 1.6);
    }
}

void Eye(cairo_t* cr, double x, double y, double r, const FrogPose& pose, const FrogColors& c, int side) {
    Ellipse(cr, x, y, r, r);
    FillOutlined(cr, pose.eyes == FrogPose::Eyes::Closed ? c.skin : c.eyeWhite, c.outline, 2.0);
    switch (pose.eyes) {
    case FrogPose::Eyes::Closed:
        cairo_move_to(cr, x - r * 0.7, y + r * 0.1);
        cairo_curve_to(cr, x - r * 0.3, y + r * 0.5, x + r * 0.3, y + r * 0.5, x + r * 0.7, y + r * 0.1);
        Set(cr, c.outline);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        return;
    case FrogPose::Eyes::Dead:
        Set(cr, c.pupil);
        cairo_set_line_width(cr, 1.8);
        cairo_move_to(cr, x - r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x + r * 0.5, y + r * 0.5);
        cairo_move_to(cr, x + r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x - r * 0.5, y + r * 0.5);
        cairo_stroke(cr);
        return;
    case FrogPose::Eyes::Dizzy:
        Set(cr, c.pupil);
        cairo_set_line_width(cr, 1.3);
        for (double t = 0; t < 3.6 * kPi; t += 0.25) {
            const double rr = r * 0.12 + r * 0.62 * t / (3.6 * kPi);
            const double a = t * side + pose.lookX * 3;
            if (t == 0)
                cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
            else
                cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        }
        cairo_stroke(cr);
        return;
    case FrogPose::Eyes::Happy:
        cairo_move_to(cr, x - r * 0.6, y + r * 0.2);
        cairo_curve_to(cr, x - r * 0.3, y - r * 0.5, x + r * 0.3, y - r * 0.5, x + r * 0.6, y + r * 0.2);
        Set(cr, c.pupil);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        return;
    case FrogPose::Eyes::Open:
    case FrogPose::Eyes::Wide: {
        const double pr = pose.eyes == FrogPose::Eyes::Wide ? r * 0.3 : r * 0.5;
        const double px = x + pose.lookX * r * 0.35, py = y - r * 0.15 + pose.lookY * r * 0.35;
        Ellipse(cr, px, py, pr, pr);
        Fill(cr, c.pupil);
        Ellipse(cr, px - pr * 0.35, py - pr * 0.4, pr * 0.35, pr * 0.35);
        Fill(cr, Hex(0xffffff));
        break;
    }
    }
    if (pose.eyeOpen < 1) {
        // The lid slides down from the top of the eyeball.
        cairo_save(cr);
        Ellipse(cr, x, y, r, r);
        cairo_clip(cr);
        const double lidBottom = y - r + 2 * r * (1 - pose.eyeOpen);
        cairo_rectangle(cr, x - r - 1, y - r - 1, 2 * r + 2, lidBottom - (y - r) + 1);
        Fill(cr, Lighter(c.skin, 0.1));
        cairo_move_to(cr, x - r, lidBottom);
        cairo_line_to(cr, x + r, lidBottom);
        Set(cr, c.outline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
        Ellipse(cr, x, y, r, r);
        Set(cr, c.outline);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
}

}  // namespace

void DrawFrog(cairo_t* cr, const FrogPose& pose) {
    const FrogColors c = ColorsFor(pose);
    cairo_save(cr);
    cairo_translate(cr, pose.x, pose.y);
    cairo_rotate(cr, pose.angle);
    cairo_scale(cr, kBaseScale * pose.scale * pose.stretchX, kBaseScale * pose.scale * pose.stretchY);
    // The drawing below reaches further down (hind feet) than up (eyes): lift it so that the
    // art's middle is the frog's position.
    cairo_translate(cr, 0, -kArtLift);

    const double legs = Clamp01(pose.legs), arms = Clamp01(pose.arms), splay = Clamp01(pose.splay);
    const double bodyW = 14 + 6 * splay, bodyH = 17 - 3 * splay;

    // Hind legs: tucked zig-zag at rest, straight back in a jump, spread sideways when flattened.
    for (int s = -1; s <= 1; s += 2) {
        const double hip[2] = {s * 9.0, 9.0};
        const double knee[2] = {s * Lerp(Lerp(21, 12, legs), 26, splay), Lerp(Lerp(10, 24, legs), 18, splay)};
        const double ankle[2] = {s * Lerp(Lerp(14, 13, legs), 30, splay), Lerp(Lerp(21, 35, legs), 30, splay)};
        const double pts[6] = {hip[0], hip[1], knee[0], knee[1], ankle[0], ankle[1]};
        Limb(cr, pts, 3, 6.0, c.skin, c.outline);
        const double dirX = Lerp(Lerp(s * 0.6, s * 0.15, legs), s * 0.7, splay);
        const double dirY = Lerp(Lerp(1.0, 1.0, legs), 0.7, splay);
        Foot(cr, ankle[0] + dirX * 2, ankle[1] + dirY * 2, dirX, dirY, 4.2, c.skin, c.outline);
    }
    // Front legs.
    for (int s = -1; s <= 1; s += 2) {
        const double shoulder[2] = {s * 9.0, -5.0};
        const double elbow[2] = {s * Lerp(Lerp(17, 19, arms), 24, splay), Lerp(Lerp(-4, -14, arms), -12, splay)};
        const double hand[2] = {s * Lerp(Lerp(15, 21, arms), 28, splay), Lerp(Lerp(-13, -25, arms), -22, splay)};
        const double pts[6] = {shoulder[0], shoulder[1], elbow[0], elbow[1], hand[0], hand[1]};
        Limb(cr, pts, 3, 5.0, c.skin, c.outline);
        Foot(cr, hand[0], hand[1] - 1.5, s * Lerp(0.3, 0.5, arms), -1.0, 3.4, c.skin, c.outline);
    }

    // Body, lit from the top left; the belly peeks out at the lower edge.
    Ellipse(cr, 0, 2, bodyW, bodyH);
    ShadedOutlined(cr, c.skin, -bodyW, 2 - bodyH, 2 * bodyW, 2 * bodyH);
    cairo_save(cr);
    Ellipse(cr, 0, 2, bodyW - 1, bodyH - 1);
    cairo_clip(cr);
    Ellipse(cr, 0, 2 + bodyH * 0.78, bodyW * 0.75, bodyH * 0.42);
    Fill(cr, c.belly);
    Ellipse(cr, -5, 1, 3.2, 2.4);
    Fill(cr, c.spots);
    Ellipse(cr, 5.5, -2, 2.4, 2.0);
    Fill(cr, c.spots);
    Ellipse(cr, 1, 7, 2.0, 1.6);
    Fill(cr, c.spots);
    cairo_restore(cr);
    Shine(cr, -6, -6, 4.5, 3, 0.35 * (1 - pose.charred));

    // Throat sac and mouth at the front edge of the head.
    if (pose.throat > 0.02) {
        Ellipse(cr, 0, -15 - 2 * pose.throat, 6 * pose.throat + 2, 4 * pose.throat + 1.5);
        FillOutlined(cr, Lighter(c.belly, 0.3), c.outline, 1.5);
    }
    if (pose.mouth > 0.05) {
        Ellipse(cr, 0, -14.5, 7 * pose.mouth + 2, 3.5 * pose.mouth + 1);
        FillOutlined(cr, c.mouth, c.outline, 1.5);
    } else {
        cairo_move_to(cr, -7, -13.5);
        cairo_curve_to(cr, -3, -11.5, 3, -11.5, 7, -13.5);
        Set(cr, c.outline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    if (pose.tongue > 0.5) {
        const double a = pose.tongueAngle - kPi / 2;
        const double ex = std::cos(a) * pose.tongue, ey = -14.5 + std::sin(a) * pose.tongue;
        cairo_move_to(cr, 0, -14.5);
        cairo_line_to(cr, ex, ey);
        Set(cr, c.outline);
        cairo_set_line_width(cr, 5.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, 0, -14.5);
        cairo_line_to(cr, ex, ey);
        Set(cr, c.tongue);
        cairo_set_line_width(cr, 3.0);
        cairo_stroke(cr);
        Ellipse(cr, ex, ey, 4, 4);
        FillOutlined(cr, c.tongue, Hex(0x7a2038), 1.6);
    }

    // Eyes bulge from the top of the head.
    Eye(cr, -7.5, -12, 5.6, pose, c, -1);
    Eye(cr, 7.5, -12, 5.6, pose, c, 1);
    cairo_restore(cr);
}
