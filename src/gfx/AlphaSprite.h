#pragma once

#include <memory>

#include "gfx/Sprite.h"

class Image;

// A picture blended onto the draw target pixel by pixel through an 8-bit alpha picture
// (0 transparent … 255 opaque), in software on the locked target. Cannot be stretched.
class AlphaSprite final : public Sprite {
public:
    AlphaSprite();
    ~AlphaSprite() override;

    // Takes both pictures: colour in display format, alpha of the same size (without one the
    // picture is opaque). With trim both are cropped to the union of their non-black content.
    bool Create(std::unique_ptr<Image> colour, std::unique_ptr<Image> alpha, int width, int height, int x, int y,
                bool trim);

    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override;
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void Restore() override {}  // nothing lives on a display surface

private:
    std::unique_ptr<Image> colour_;
    std::unique_ptr<Image> alpha_;
    int sourceX_ = 0;
    int sourceY_ = 0;
    int trimX_ = 0;
    int trimY_ = 0;
    int width_ = 0;
    int height_ = 0;
};
