// The star: HUD icon, and the one each truck carries (spinning, soft-edged).
#include <algorithm>
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/EffectsPainter.h"

using namespace paint;

namespace {

constexpr int kTruckStarFrames = 30;
constexpr double kOuter = 13, kInner = 6;

void GoldStar(cairo_t* cr, double cx, double cy, double sy) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, std::max(sy, 0.08));
    effects::StarPath(cr, 0, 0, kOuter, kInner, 0);
    cairo_restore(cr);
    ShadedOutlined(cr, Hex(0xffd23a), cx - kOuter, cy - kOuter * sy, 2 * kOuter, 2 * kOuter * sy);
    Shine(cr, cx - 3, cy - 4 * sy, 3, 2 * sy + 0.3, 0.6);
}

}  // namespace

RJ_ART_GENERATOR(DrawStars) {
    {
        const Canvas canvas(32, 32);
        GoldStar(canvas.Cr(), 16, 17, 1);
        ctx.WriteWithAlpha("STAR", canvas);
    }
    // The truck's star is drawn centred on its spot through a trimmed picture: a frame's art then
    // sits at the spot shifted by its trim offset, so every frame's art starts at the frame's
    // top-left corner. The star turns about its horizontal axis, so its width never changes; the
    // frame is exactly that wide, so the mirrored picture (left-running trucks) starts at the left
    // edge as well.
    const int room = 2 * int(kOuter) + 8;
    FrameStrip drawn(room, room, kTruckStarFrames);
    int width = 0;
    for (int i = 0; i < kTruckStarFrames; ++i) {
        {
            auto frame = drawn.Frame(i);
            const double a = 2 * kPi * i / kTruckStarFrames;
            const double sy = std::fabs(std::cos(a));
            GoldStar(frame.Cr(), room / 2.0, room / 2.0, sy);
            // A glint crosses the star at the face-on moments.
            if (sy > 0.9) {
                effects::StarPath(frame.Cr(), room / 2.0 + 6, room / 2.0 - 5 * sy, 4, 1.2, 0.5);
                Fill(frame.Cr(), Hex(0xffffff));
            }
        }
        int left, top, right, bottom;
        if (drawn.BoundingBox(0, i * room, room, room, 1, left, top, right, bottom)) {
            drawn.ShiftRect(0, i * room, room, room, -left, -(top - i * room));
            width = std::max(width, right - left + 1);
        }
    }
    FrameStrip strip(width, room, kTruckStarFrames);
    cairo_set_operator(strip.Cr(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(strip.Cr(), drawn.Surface(), 0, 0);
    cairo_paint(strip.Cr());
    ctx.WriteWithAlpha("STAR_TRUCK", strip);
}
