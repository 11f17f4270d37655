#include "gfx/BaseAnimatedSprite.h"

#include <algorithm>
#include <cmath>

int BaseAnimatedSprite::GetFrameIndex(float progress, bool loop) const {
    return SelectFrame(GetFrameCount(), frameList_, progress, loop);
}

int BaseAnimatedSprite::SelectFrame(int count, const std::vector<int>& frameList, float progress, bool loop) {
    if (!frameList.empty()) count = static_cast<int>(frameList.size());
    if (count <= 0) return 0;
    // Truncated and wrapped in double: a long-running clock must not overflow an int.
    double step = std::trunc(static_cast<double>(static_cast<float>(count) * progress));
    if (!std::isfinite(step)) step = 0.0;
    if (loop) step = std::fmod(step, static_cast<double>(count));
    step = std::clamp(step, 0.0, static_cast<double>(count - 1));
    const int i = static_cast<int>(step);
    return frameList.empty() ? i : frameList[i];
}
