#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Sprite.h"

class Image;

// Darkens the draw target in a shape: every channel of a covered pixel is halved. The shape comes
// from a 1-bit picture whose set bits form the shadow. Cannot be stretched.
class ShadowSprite final : public Sprite {
public:
    ShadowSprite();
    ~ShadowSprite() override;

    // `image` must be a 1-bit picture; it stays with the caller. The mask covers the picture's
    // bounding box, whose corner becomes the trim offset; width and height are the nominal size
    // used for centring (shadows are always cut to their shape, whatever `trim` says).
    bool Create(const Image& image, int width, int height, bool trim);

    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override;
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void Restore() override {}  // nothing lives on a display surface

private:
    std::unique_ptr<Image> mask_;
    // The mask as one byte per pixel (pixelblend::kKeep / kShadow), for the row loop.
    std::vector<int8_t> maskBytes_;
    int trimX_ = 0;
    int trimY_ = 0;
    int width_ = 0;
    int height_ = 0;
};
