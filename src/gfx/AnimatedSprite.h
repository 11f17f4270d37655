#pragma once

#include <memory>
#include <vector>

#include "gfx/BaseAnimatedSprite.h"

class Image;

// An animation whose frames are still sprites: colour-keyed surfaces, or alpha-blended pictures
// when the animation has an alpha strip. Drawing shows the frame of the current time.
class AnimatedSprite final : public BaseAnimatedSprite {
public:
    AnimatedSprite();
    ~AnimatedSprite() override;

    // The strips hold `frameCount` frames stacked vertically; the alpha strip may be absent.
    // False when a frame cannot be built.
    bool Create(const Image& colourStrip, const Image* alphaStrip, int frameCount, float duration, bool trim,
                bool loop);

    int GetFrameCount() const override { return static_cast<int>(frames_.size()); }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Restore() override;

    Sprite* GetFrame(int index) const;

private:
    // The frame for the current time; null when the frame list names a frame that does not exist.
    Sprite* Current() const { return GetFrame(CurrentFrame()); }

    std::vector<std::unique_ptr<Sprite>> frames_;
};
