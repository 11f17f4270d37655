#pragma once

// A rectangle of the graphics code: left, top, right, bottom with right and bottom inclusive.
// (The display device's rectangles exclude them; they are formed only at the blit.)
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool operator==(const Rect&) const = default;
};
