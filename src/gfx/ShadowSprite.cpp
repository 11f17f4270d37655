#include "gfx/ShadowSprite.h"

#include <algorithm>

#include "core/StringUtil.h"
#include "gfx/CheckDxResult.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/PixelBlend.h"
#include "gfx/QuitRequest.h"
#include "gfx/SpriteClipping.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

ShadowSprite::ShadowSprite() = default;
ShadowSprite::~ShadowSprite() = default;

bool ShadowSprite::Create(const Image& image, int width, int height, bool /*trim*/) {
    if (image.GetBitsPerPixel() != 1) return false;
    const Rect box = ImageUtil::Instance().GetBoundingBox(image);
    auto mask = std::make_unique<Image>();
    if (!mask->Create(box.Width(), box.Height(), 1)) return false;
    if (!ImageUtil::Instance().CopyRect(image, *mask, box, 0, 0)) return false;

    maskBytes_.assign(static_cast<size_t>(box.Width()) * box.Height(), pixelblend::kKeep);
    for (int y = 0; y < box.Height(); ++y) {
        for (int x = 0; x < box.Width(); ++x) {
            if (!mask->GetBit(x, y)) maskBytes_[static_cast<size_t>(y) * box.Width() + x] = pixelblend::kShadow;
        }
    }
    mask_ = std::move(mask);
    trimX_ = box.left;
    trimY_ = box.top;
    width_ = width;
    height_ = height;
    return true;
}

void ShadowSprite::Draw(const DrawParams& params) {
    if (params.Has(DrawParams::DestinationSize)) {
        RequestQuit("shadow sprite: stretched drawing is not supported");
        return;
    }
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    if (!target || !mask_) return;
    int x = 0;
    int y = 0;
    Rect src = params.SourceRect(width_, height_);
    if (!clip::PlaceOnScreen(params, width_, height_, trimX_, trimY_, x, y, src)) return;
    const int maskWidth = mask_->GetWidth();
    src.right = std::min(src.right, maskWidth - 1);
    src.bottom = std::min(src.bottom, mask_->GetHeight() - 1);
    if (src.left < 0 || src.top < 0 || src.right < src.left || src.bottom < src.top) return;

    const platform::DisplayRect area{x, y, x + src.Width(), y + src.Height()};
    platform::SurfaceLock lock;
    platform::DisplayResult result = target->Lock(&area, lock);
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
        return;
    }
    if (CheckDxResult(result)) return;

    const uint32_t shadowMask = pixelblend::ShadowMask(pixelblend::LayoutOf(DirectDraw::Instance().GetPixelFormat()));
    const int bits = lock.format.bitsPerPixel;
    const int count = src.Width();
    for (int row = 0; row < src.Height(); ++row) {
        uint8_t* dst = lock.pixels + static_cast<size_t>(row) * lock.pitch;
        const int8_t* mask = maskBytes_.data() + static_cast<size_t>(src.top + row) * maskWidth + src.left;
        if (bits == 16) {
            pixelblend::ShadowRow16(reinterpret_cast<uint16_t*>(dst), mask, count, static_cast<uint16_t>(shadowMask));
        } else if (bits == 32) {
            pixelblend::ShadowRow32(reinterpret_cast<uint32_t*>(dst), mask, count, shadowMask);
        }
    }

    result = target->Unlock();
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else if (CheckDxResult(result)) {
        RequestQuit(StringFormat("shadow sprite: unlocking the screen failed (%s)", DxResultName(result).c_str()));
    }
}
