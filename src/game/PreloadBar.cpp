#include "game/PreloadBar.h"

PreloadBarRects ComputePreloadBar(int width, int height, float progress) {
    const int top = static_cast<int>(static_cast<float>(height - 2) * (1.0f - progress));
    PreloadBarRects rects;
    rects.source = Rect{0, top, width - 1, height - 1};
    rects.destination = Rect{0, top + kPreloadBarOffsetY, width - 1, height - 1 + kPreloadBarOffsetY};
    return rects;
}
