#pragma once

#include <memory>
#include <vector>

#include "gfx/BaseAnimatedSprite.h"
#include "gfx/Rect.h"

class Image;
class Surface;

// An animation of large pictures kept run-length encoded; only the frame on show is decoded, into
// one surface, and only when the shown frame changes. Showing the same frame again costs a blit.
class AnimatedRLESprite final : public BaseAnimatedSprite {
public:
    AnimatedRLESprite();
    ~AnimatedRLESprite() override;

    // `strip` (display format) holds `frameCount` frames stacked vertically. With trim each
    // frame is cropped to its non-black content and remembers where that lay in the frame.
    bool Create(const Image& strip, int frameCount, float duration, bool trim, bool loop);

    int GetFrameCount() const override { return static_cast<int>(frames_.size()); }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Restore() override;

    const Image* GetFrameImage(int index) const;
    Rect GetTrimRect(int index) const;
    int GetDecodedFrame() const { return currentFrame_; }

private:
    // The frame image whose size GetWidth and GetHeight report: the time's frame without the
    // frame list, wrapped around.
    const Image* SizeFrame() const;

    std::vector<std::unique_ptr<Image>> frames_;
    std::vector<Rect> trimRects_;
    // Per frame: whether it holds black pixels, which need the colour key (else a plain copy).
    std::vector<bool> keyed_;
    std::unique_ptr<Surface> surface_;
    int currentFrame_ = -1;
};
