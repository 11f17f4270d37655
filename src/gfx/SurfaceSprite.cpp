#include "gfx/SurfaceSprite.h"

#include "gfx/CheckDxResult.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/SpriteClipping.h"
#include "gfx/SpriteImages.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

namespace {

platform::DisplayRect ToDisplayRect(const Rect& r) {
    return platform::DisplayRect{r.left, r.top, r.right + 1, r.bottom + 1};
}

// A surface filled from the whole picture, in its own format, with no black pixel needs no key.
bool NeedsKey(const Image& image, const Surface& surface, int x, int y, int width, int height) {
    const platform::DisplaySurface* target = surface.Get();
    if (!target || image.IsRunLengthEncoded() || x != 0 || y != 0 || width != image.GetWidth() ||
        height != image.GetHeight() || image.GetBitsPerPixel() / 8 != target->GetPixelFormat().BytesPerPixel()) {
        return true;
    }
    return ImageUtil::Instance().HasKeyBlack(image);
}

}  // namespace

SurfaceSprite::SurfaceSprite() = default;
SurfaceSprite::~SurfaceSprite() = default;

bool SurfaceSprite::Create(std::unique_ptr<Image> image, int width, int height, int x, int y, bool trim) {
    if (!image) return false;
    if (trim) {
        const Rect box = ImageUtil::Instance().GetBoundingBox(*image);
        image = spriteimages::Crop(*image, box);
        if (!image) return false;
        sourceX_ = sourceY_ = 0;
        trimX_ = box.left;
        trimY_ = box.top;
        width_ = box.Width();
        height_ = box.Height();
    } else {
        sourceX_ = x;
        sourceY_ = y;
        trimX_ = trimY_ = 0;
        width_ = width;
        height_ = height;
    }
    image_ = std::move(image);
    if (!surface_.Create(width_, height_)) return false;
    Upload(sourceX_, sourceY_);
    keyed_ = NeedsKey(*image_, surface_, sourceX_, sourceY_, width_, height_);
    return true;
}

void SurfaceSprite::Draw(const DrawParams& params) {
    DrawSurface(surface_, params, trimX_, trimY_, width_, height_, keyed_);
}

void SurfaceSprite::DrawSurface(Surface& surface, const DrawParams& params, int trimX, int trimY, int width, int height,
                                bool keyed) {
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    platform::DisplaySurface* source = surface.Get();
    if (!target || !source) return;
    const platform::BlitKey key =
        params.Has(DrawParams::Opaque) || !keyed ? platform::BlitKey::None : platform::BlitKey::Source;
    Rect src = params.SourceRect(width, height);
    platform::DisplayResult result;
    if (params.Has(DrawParams::DestinationSize)) {
        Rect dst = params.DestinationRect();
        dst.left += trimX;
        dst.right += trimX;
        dst.top += trimY;
        dst.bottom += trimY;
        if (!clip::ClipStretched(dst, src)) return;
        const platform::DisplayRect d = ToDisplayRect(dst);
        const platform::DisplayRect s = ToDisplayRect(src);
        result = target->Blt(&d, *source, &s, key);
    } else {
        int x = 0;
        int y = 0;
        if (!clip::PlaceOnScreen(params, surface.GetWidth(), surface.GetHeight(), trimX, trimY, x, y, src)) return;
        const platform::DisplayRect s = ToDisplayRect(src);
        result = target->BltFast(x, y, *source, &s, key);
    }
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else if (result != platform::DDERR_INVALIDRECT) {
        CheckDxResult(result);
    }
}

void SurfaceSprite::Restore() {
    const platform::DisplayResult result = surface_.Restore();
    if (result == platform::DD_OK) {
        Upload(sourceX_, sourceY_);
    } else if (CheckDxResult(result)) {
        SpriteManager::Instance().MarkInvalid(this);
    }
}

void SurfaceSprite::UploadRect(int x, int y, const Rect& rect) {
    if (!image_) return;
    if (rect.left + x < 0 || rect.top + y < 0 || rect.right + x >= image_->GetWidth() ||
        rect.bottom + y >= image_->GetHeight()) {
        return;
    }
    surface_.UploadRect(*image_, x, y, rect);
}

void SurfaceSprite::Upload(int x, int y) {
    if (image_) surface_.Upload(*image_, x, y);
}
