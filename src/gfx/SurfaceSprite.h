#pragma once

#include <memory>

#include "gfx/Sprite.h"
#include "gfx/Surface.h"

class Image;

// A picture blitted from an off-screen surface with the black colour key (or opaque), optionally
// stretched. Keeps the picture it was made from, so the surface can be filled again after a loss
// and windows of a larger picture can be shown (the scrolling background does that).
class SurfaceSprite final : public Sprite {
public:
    SurfaceSprite();
    ~SurfaceSprite() override;

    // Takes the picture (display format). With trim the picture is cropped to its non-black
    // content and the crop's corner becomes the trim offset; without trim the surface of
    // width × height shows the picture's window at (x, y).
    bool Create(std::unique_ptr<Image> image, int width, int height, int x, int y, bool trim);

    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override;
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void Restore() override;

    // Copies `rect` of the picture's window at (x, y) into the surface, when the moved rectangle
    // lies inside the picture.
    void UploadRect(int x, int y, const Rect& rect);
    // Fills the surface from the picture's window whose corner is (x, y).
    void Upload(int x, int y);

    // The unscaled or stretched blit of a sprite surface onto the draw target, shared with the
    // run-length sprite: trim offset added, cut to the screen, surface loss reported. `keyed` false:
    // the surface holds no black pixel, so the colour key would keep every pixel anyway and the
    // blit copies them plainly.
    static void DrawSurface(Surface& surface, const DrawParams& params, int trimX, int trimY, int width, int height,
                            bool keyed = true);

    // True when the surface may hold black pixels, which the colour key leaves out.
    bool IsKeyed() const { return keyed_; }

private:
    std::unique_ptr<Image> image_;
    Surface surface_;
    int sourceX_ = 0;
    int sourceY_ = 0;
    int trimX_ = 0;
    int trimY_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool keyed_ = true;
};
