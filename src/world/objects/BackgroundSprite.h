#pragma once

#include <memory>

#include "gfx/Sprite.h"
#include "gfx/Surface.h"

class Image;

// The scrolling background's sprite: the level picture and a screen-sized surface used as a ring
// of rows. The background copies only newly exposed picture rows into the ring and draws the ring
// in two bands. Bands of any height, one row included, are drawn.
class BackgroundSprite final : public Sprite {
public:
    BackgroundSprite();
    ~BackgroundSprite() override;

    // Takes the level picture (display format) and makes the ring surface.
    bool Create(std::unique_ptr<Image> levelPicture, int width, int height);

    // Replaces the level picture (same display format); the ring is filled again by the refresh.
    void SetPicture(std::unique_ptr<Image> levelPicture);

    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    // Draws the ring's rows as they lie (the background draws bands with DrawBand instead).
    void Draw(const DrawParams& params) override;
    int GetWidth() const override { return surface_.GetWidth(); }
    int GetHeight() const override { return surface_.GetHeight(); }
    // Brings the surface back; its rows are filled again by the background's refresh.
    void Restore() override;

    // Copies `count` picture rows from firstPictureRow on into ring rows from firstRingRow on
    // (the band must not wrap).
    void UploadRows(int firstRingRow, int count, int firstPictureRow);
    // Fills the whole ring from the picture, picture row firstPictureRow at ring row 0.
    void UploadWindow(int firstPictureRow);
    // Draws `count` ring rows from firstRingRow on with their top at screen row screenY,
    // opaque (the background has no transparent pixels).
    void DrawBand(int firstRingRow, int count, int screenY);

    const Image* GetPicture() const { return picture_.get(); }

private:
    std::unique_ptr<Image> picture_;
    Surface surface_;
};
