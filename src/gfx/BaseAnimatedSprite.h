#pragma once

#include <utility>
#include <vector>

#include "gfx/Sprite.h"

// Base of the animated sprites: a pass of `duration` seconds runs through the frames, or through
// the steps of a frame list when the sprite has one (each step names a frame, so frames may
// repeat or come in any order).
class BaseAnimatedSprite : public Sprite {
public:
    // The frame shown at `progress` (time / duration; 1 is one whole pass). Looping wraps
    // around; otherwise the first and last step hold before and after the pass.
    int GetFrameIndex(float progress, bool loop) const;

    // The rule itself, for `count` frames and an optional frame list.
    static int SelectFrame(int count, const std::vector<int>& frameList, float progress, bool loop);

    void SetFrameList(std::vector<int> frameList) { frameList_ = std::move(frameList); }
    const std::vector<int>& GetFrameList() const { return frameList_; }

protected:
    // The frame for the sprite's current time and loop flag.
    int CurrentFrame() const { return GetFrameIndex(time_ / duration_, loop_); }

    std::vector<int> frameList_;
    bool loop_ = true;
};
