#include "sprites/ObjectFrame.h"

#include <stdexcept>

#include "ArtContext.h"

ObjectFrame FrameFromOffsetValues(int offsetX, int offsetY) {
    if (offsetX >= 0 || offsetY <= 0) {
        throw std::runtime_error("offsets (" + std::to_string(offsetX) + ", " +
                                 std::to_string(offsetY) + ") do not put the centre inside a frame");
    }
    return {-2 * offsetX, 2 * offsetY, double(-offsetX), double(offsetY)};
}

ObjectFrame FrameFromOffsets(ArtContext& ctx, const std::string& prefix) {
    return FrameFromOffsetValues(ctx.Int(prefix + "OffsetX"), ctx.Int(prefix + "OffsetY"));
}
