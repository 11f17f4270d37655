#pragma once

#include "gfx/Rect.h"

// The loading screen's progress bar grows upwards from its bottom row: the part of the bar picture
// from row `top` down is drawn, shifted down onto the loading picture's bar slot.
struct PreloadBarRects {
    Rect source;
    Rect destination;
};

constexpr int kPreloadBarOffsetY = 111;

// progress 0 … 1; the bar picture is width × height.
PreloadBarRects ComputePreloadBar(int width, int height, float progress);
