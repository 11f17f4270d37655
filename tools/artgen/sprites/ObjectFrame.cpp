#include "sprites/ObjectFrame.h"

#include <cmath>
#include <stdexcept>

#include "ArtContext.h"
#include "Canvas.h"
#include "PictureWriter.h"

ObjectFrame FrameFromOffsetValues(int offsetX, int offsetY) {
    if (offsetX >= 0 || offsetY <= 0) {
        throw std::runtime_error("offsets (" + std::to_string(offsetX) + ", " + std::to_string(offsetY) +
                                 ") do not put the centre inside a frame");
    }
    return {-2 * offsetX, 2 * offsetY, double(-offsetX), double(offsetY)};
}

ObjectFrame FrameFromOffsets(ArtContext& ctx, const std::string& prefix) {
    return FrameFromOffsetValues(ctx.Int(prefix + "OffsetX"), ctx.Int(prefix + "OffsetY"));
}

ArtShift CentringShift(const FrameStrip& strip, int frame, const ObjectFrame& objectFrame) {
    int left, top, right, bottom;
    const int y0 = frame * strip.FrameHeight();
    if (!strip.BoundingBox(0, y0, strip.FrameWidth(), strip.FrameHeight(), picture::kHardEdgeAlpha, left, top, right,
                           bottom)) {
        return {};
    }
    const double midX = (left + right + 1) / 2.0, midY = (top - y0 + bottom - y0 + 1) / 2.0;
    return {int(std::lround(objectFrame.cx - midX)), int(std::lround(objectFrame.cy - midY))};
}

void ApplyShift(FrameStrip& strip, ArtShift shift) {
    if (shift.dx == 0 && shift.dy == 0) return;
    for (int i = 0; i < strip.FrameCount(); ++i) {
        strip.ShiftRect(0, i * strip.FrameHeight(), strip.FrameWidth(), strip.FrameHeight(), shift.dx, shift.dy);
    }
}

ArtShift CentreStrip(FrameStrip& strip, const ObjectFrame& objectFrame) {
    const ArtShift shift = CentringShift(strip, 0, objectFrame);
    ApplyShift(strip, shift);
    return shift;
}
