#include "sprites/FrogFrames.h"

#include "ArtContext.h"
#include "Canvas.h"

ObjectFrame FrogStateFrame(ArtContext& ctx, const std::string& statePrefix, double travelX, double travelY) {
    ObjectFrame frame = FrameFromOffsetValues(ctx.Int("frogDefaultOffsetX") + ctx.Int(statePrefix + "OffsetX"),
                                              ctx.Int("frogDefaultOffsetY") + ctx.Int(statePrefix + "OffsetY"));
    if (travelX == 0 && travelY == 0) return frame;
    // Room around the frog: the default frame's half size, on every side of both spots.
    const double marginX = -ctx.Int("frogDefaultOffsetX"), marginY = ctx.Int("frogDefaultOffsetY");
    frame.width = int(frame.cx + marginX + (travelX > 0 ? travelX : 0));
    frame.height = int(frame.cy + marginY + (travelY < 0 ? -travelY : 0));
    if (frame.cx + travelX < marginX || frame.cy - travelY < marginY) {
        ctx.Fail(statePrefix + "OffsetX/Y leave no room for the jump's landing spot");
    }
    return frame;
}

ObjectFrame FrogDefaultFrame(ArtContext& ctx) {
    return FrameFromOffsetValues(ctx.Int("frogDefaultOffsetX"), ctx.Int("frogDefaultOffsetY"));
}

void DrawFrogStrip(const FrameStrip& strip, const FrogFrameArt& art) {
    const int n = strip.FrameCount();
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? double(i) / (n - 1) : 0.0;
        auto frame = strip.Frame(i);
        if (art.under) art.under(frame.Cr(), i, t);
        if (art.drawFrog) DrawFrog(frame.Cr(), art.pose(i, t));
        if (art.over) art.over(frame.Cr(), i, t);
    }
}

FrogPose SittingFrog(const ObjectFrame& frame) {
    FrogPose pose;
    pose.x = frame.cx;
    pose.y = frame.cy;
    return pose;
}
