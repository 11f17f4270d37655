// The seven insects (facing left, wings beating) and the stings of the two that attack. They are
// colour-keyed, not blended: the game shrinks an eaten insect with a stretched draw, which
// blended sprites do not support.
#include <cmath>
#include <functional>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/ObjectFrame.h"

using namespace paint;

namespace {

constexpr int kFlyFrames = 12;
constexpr int kPiercingFrames = 6;
constexpr double kScale = 1.2;

struct Bug {
    unsigned body, head;
    double length, width;
    unsigned wing;
    bool butterfly;
};

// Wings seen from above: they sweep forward and back; `beat` -1 … 1.
void Wings(cairo_t* cr, double cx, double cy, const Bug& bug, double beat) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, cx + 2, cy);
        cairo_rotate(cr, side * (0.35 + 0.45 * beat));
        if (bug.butterfly) {
            Ellipse(cr, -2, side * 10, 8, 10);
            Ellipse(cr, 7, side * 7, 6, 7);
        } else {
            Ellipse(cr, 4, side * 8.5, 4.5, 8);
        }
        cairo_restore(cr);
        FillOutlined(cr, Hex(bug.wing), Hex(0x4a6a8a), 1.4);
        if (bug.butterfly) {
            cairo_save(cr);
            cairo_translate(cr, cx + 2, cy);
            cairo_rotate(cr, side * (0.9 + 0.55 * beat));
            Ellipse(cr, 0, side * 10, 3, 3.5);
            cairo_restore(cr);
            Fill(cr, Hex(0x3a6ad8));
        }
    }
}

void Legs(cairo_t* cr, double cx, double cy, double len, double wiggle) {
    for (int k = -1; k <= 1; ++k) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + k * len * 0.22, cy);
            cairo_line_to(cr, cx + k * len * 0.3 + wiggle * side, cy + side * 9);
        }
    }
    Set(cr, Hex(0x2a2a30));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Body(cairo_t* cr, double cx, double cy, const Bug& bug) {
    Ellipse(cr, cx + 3, cy, bug.length / 2, bug.width / 2);
    ShadedOutlined(cr, Hex(bug.body), cx + 3 - bug.length / 2, cy - bug.width / 2, bug.length, bug.width);
    Ellipse(cr, cx - bug.length / 2 + 1, cy, 5.5, 5);
    ShadedOutlined(cr, Hex(bug.head), cx - bug.length / 2 - 4.5, cy - 5, 11, 10);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(cr, cx - bug.length / 2 - 1, cy + side * 2.5, 2, 2);
        FillOutlined(cr, Hex(0xfdfdf5), Hex(0x2a2a30), 1);
        cairo_move_to(cr, cx - bug.length / 2 - 3, cy + side * 2);
        cairo_line_to(cr, cx - bug.length / 2 - 9, cy + side * 6);
    }
    Set(cr, Hex(0x2a2a30));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void Stinger(cairo_t* cr, double x, double y, double dx, double dy) {
    cairo_move_to(cr, x + dy * 2.5, y - dx * 2.5);
    cairo_line_to(cr, x + dx * 10, y + dy * 10);
    cairo_line_to(cr, x - dy * 2.5, y + dx * 2.5);
    cairo_close_path(cr);
    FillOutlined(cr, Hex(0xd8dce4), Hex(0x3a3e48), 1.4);
}

struct InsectSpec {
    const char* sprite;
    Bug bug;
    std::function<void(cairo_t*, double cx, double cy, double phase)> extra;
};

void Briefcase(cairo_t* cr, double cx, double cy, double) {
    // Tie on the front, briefcase hanging below.
    cairo_move_to(cr, cx - 4, cy);
    cairo_line_to(cr, cx + 4, cy - 2);
    cairo_line_to(cr, cx + 4, cy + 2);
    cairo_close_path(cr);
    FillOutlined(cr, Hex(0xd8362e), 1.2);
    RoundedRect(cr, cx, cy + 8, 10, 7, 1.5);
    FillOutlined(cr, Hex(0x7a4a22), 1.4);
}

void Newspaper(cairo_t* cr, double cx, double cy, double phase) {
    cairo_save(cr);
    cairo_translate(cr, cx - 2, cy + 9);
    cairo_rotate(cr, 0.15 * std::sin(phase * 2 * kPi));
    cairo_rectangle(cr, -8, -5, 16, 10);
    FillOutlined(cr, Hex(0xf4f2ea), Hex(0x4a4a50), 1.4);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -6, -2.5 + k * 2.5);
        cairo_line_to(cr, 6, -2.5 + k * 2.5);
    }
    Set(cr, Hex(0x6a6a70));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void TaxiSign(cairo_t* cr, double cx, double cy, double) {
    for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, cx - 2 + k * 3, cy - 4 + (k % 2) * 3, 3, 3);
        Fill(cr, Hex(0x2a2a30));
    }
    RoundedRect(cr, cx - 4, cy - 2.5, 9, 5, 1.5);
    FillOutlined(cr, Hex(0xfff6d0), Hex(0x4a3a10), 1.2);
}

void Wrench(cairo_t* cr, double cx, double cy, double phase) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 10);
    cairo_rotate(cr, 0.3 + 0.2 * std::sin(phase * 2 * kPi));
    cairo_move_to(cr, -9, 0);
    cairo_line_to(cr, 7, 0);
    Set(cr, Hex(0x3a3e48));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, -9, 0);
    cairo_line_to(cr, 7, 0);
    Set(cr, Hex(0xb8c0cc));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    Ellipse(cr, 8, 0, 4, 4);
    FillOutlined(cr, Hex(0xb8c0cc), Hex(0x3a3e48), 1.4);
    cairo_restore(cr);
}

void Backpack(cairo_t* cr, double cx, double cy, double) {
    RoundedRect(cr, cx + 3, cy - 5, 9, 10, 2.5);
    FillOutlined(cr, Hex(0x3f8a4a), 1.4);
    Ellipse(cr, cx - 6, cy, 4, 3.5);
    FillOutlined(cr, Hex(0xe8c88a), Hex(0x6a4a1a), 1.2);  // straw hat
}

void Spots(cairo_t* cr, double cx, double cy, double) {
    for (int k = 0; k < 3; ++k) {
        Ellipse(cr, cx - 1 + k * 5, cy + (k % 2 ? 3 : -3), 1.8, 1.8);
        Fill(cr, Hex(0x2a1a34));
    }
}

const InsectSpec kInsects[] = {
    {"INSECT_BIG_BUG_FLY_LEFT", {0x8a3a9a, 0x5a2a6a, 24, 17, 0xbfdcf2, false}, Spots},
    {"INSECT_BUSINESS_BUG_FLY_LEFT", {0x5a6478, 0xe8c8a0, 20, 13, 0xbfdcf2, false}, Briefcase},
    {"INSECT_BUTTERFLY_FLY_LEFT", {0x4a3a2a, 0x4a3a2a, 16, 6, 0xff9a3a, true}, nullptr},
    {"INSECT_NEWS_BUG_FLY_LEFT", {0x6a8a3a, 0x4a6a2a, 18, 12, 0xbfdcf2, false}, Newspaper},
    {"INSECT_TAXI_BUG_FLY_LEFT", {0xf6c82a, 0xd8a21a, 24, 15, 0xbfdcf2, false}, TaxiSign},
    {"INSECT_TOOL_BUG_FLY_LEFT", {0xe89a2a, 0x6a4a2a, 20, 13, 0xbfdcf2, false}, Wrench},
    {"INSECT_VOYAGER_BUG_FLY_LEFT", {0xd8362e, 0x2a2a30, 18, 14, 0xbfdcf2, false}, Backpack},
};

bool IsPiercer(const InsectSpec& spec) {
    return spec.sprite == kInsects[0].sprite || spec.sprite == kInsects[4].sprite;
}

}  // namespace

RJ_ART_GENERATOR(DrawInsects) {
    const ObjectFrame f = FrameFromOffsetValues(ctx.Int("InsectMoveOffsetGlobalX"), ctx.Int("InsectMoveOffsetGlobalY"));
    for (const InsectSpec& spec : kInsects) {
        FrameStrip strip(f.width, f.height, kFlyFrames);
        for (int i = 0; i < kFlyFrames; ++i) {
            auto frame = strip.Frame(i);
            cairo_t* cr = frame.Cr();
            const double phase = double(i) / kFlyFrames;
            const double beat = std::sin(phase * 2 * kPi * 2);
            const double bob = std::sin(phase * 2 * kPi) * 1.5;
            // Drawn a quarter larger than the body sizes above, about the frame's centre.
            cairo_translate(cr, f.cx, f.cy + bob);
            cairo_scale(cr, kScale, kScale);
            if (!spec.bug.butterfly) Legs(cr, 0, 0, spec.bug.length, beat);
            if (IsPiercer(spec)) Stinger(cr, spec.bug.length / 2 + 1, 0, 1, 0);
            Wings(cr, 0, 0, spec.bug, beat);
            Body(cr, -3, 0, spec.bug);
            if (spec.extra) spec.extra(cr, 0, 0, phase);
        }
        CentreStrip(strip, f);
        ctx.WriteColorKeyed(spec.sprite, strip);
    }
    // The two attackers sit on the frog, tail down, and jab their sting into it.
    const char* piercing[] = {"INSECT_BIG_BUG_PIERCING", "INSECT_TAXI_BUG_PIERCING"};
    const int kinds[] = {0, 4};
    for (int p = 0; p < 2; ++p) {
        const InsectSpec& spec = kInsects[kinds[p]];
        const FrameStrip strip(f.width, f.height, kPiercingFrames);
        for (int i = 0; i < kPiercingFrames; ++i) {
            auto frame = strip.Frame(i);
            cairo_t* cr = frame.Cr();
            const double jab = i % 2 ? 4 : 0;
            cairo_save(cr);
            cairo_translate(cr, f.cx, f.cy - 6 - jab);
            cairo_scale(cr, kScale, kScale);
            cairo_rotate(cr, kPi / 2);
            Stinger(cr, spec.bug.length / 2 + 1, 0, 1, 0);
            Wings(cr, 0, 0, spec.bug, i % 2 ? 1 : -1);
            Body(cr, -3, 0, spec.bug);
            if (spec.extra) spec.extra(cr, 0, 0, i / double(kPiercingFrames));
            cairo_restore(cr);
        }
        ctx.WriteColorKeyed(piercing[p], strip);
    }
}
