#include "platform/Viewport.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

// Rounds towards minus infinity, so that the pixel left of the picture is −1, not 0.
int FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t q = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --q;
    return static_cast<int>(q);
}

}  // namespace

Viewport LetterboxViewport(int outputWidth, int outputHeight, int gameWidth, int gameHeight) {
    Viewport viewport;
    if (outputWidth <= 0 || outputHeight <= 0 || gameWidth <= 0 || gameHeight <= 0) return viewport;
    if (static_cast<int64_t>(outputWidth) * gameHeight > static_cast<int64_t>(outputHeight) * gameWidth) {
        viewport.height = outputHeight;
        viewport.width = static_cast<int>(static_cast<int64_t>(outputHeight) * gameWidth / gameHeight);
    } else {
        viewport.width = outputWidth;
        viewport.height = static_cast<int>(static_cast<int64_t>(outputWidth) * gameHeight / gameWidth);
    }
    viewport.x = (outputWidth - viewport.width) / 2;
    viewport.y = (outputHeight - viewport.height) / 2;
    return viewport;
}

Viewport IntegerViewport(int outputWidth, int outputHeight, int gameWidth, int gameHeight) {
    if (gameWidth <= 0 || gameHeight <= 0) return {};
    const int factor = std::min(outputWidth / gameWidth, outputHeight / gameHeight);
    if (factor < 1) return LetterboxViewport(outputWidth, outputHeight, gameWidth, gameHeight);
    Viewport viewport;
    viewport.width = gameWidth * factor;
    viewport.height = gameHeight * factor;
    viewport.x = (outputWidth - viewport.width) / 2;
    viewport.y = (outputHeight - viewport.height) / 2;
    return viewport;
}

GamePoint WindowToGame(const Viewport& viewport, int gameWidth, int gameHeight, int windowX, int windowY) {
    if (viewport.width <= 0 || viewport.height <= 0) return {windowX, windowY};
    return {FloorDiv(static_cast<int64_t>(windowX - viewport.x) * gameWidth, viewport.width),
            FloorDiv(static_cast<int64_t>(windowY - viewport.y) * gameHeight, viewport.height)};
}

}  // namespace platform
