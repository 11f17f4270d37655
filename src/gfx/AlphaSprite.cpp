#include "gfx/AlphaSprite.h"

#include <algorithm>
#include <cstring>

#include "core/StringUtil.h"
#include "gfx/CheckDxResult.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/PixelBlend.h"
#include "gfx/QuitRequest.h"
#include "gfx/SpriteClipping.h"
#include "gfx/SpriteImages.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

namespace {

constexpr uint8_t kOpaque = 255;

Rect Union(const Rect& a, const Rect& b) {
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

}  // namespace

AlphaSprite::AlphaSprite() = default;
AlphaSprite::~AlphaSprite() = default;

bool AlphaSprite::Create(std::unique_ptr<Image> colour, std::unique_ptr<Image> alpha, int width, int height, int x,
                         int y, bool trim) {
    if (!colour) return false;
    if (alpha && (alpha->GetWidth() != colour->GetWidth() || alpha->GetHeight() != colour->GetHeight())) {
        RequestQuit(StringFormat("alpha sprite: alpha picture %d x %d does not match its colour picture %d x %d",
                                 alpha->GetWidth(), alpha->GetHeight(), colour->GetWidth(), colour->GetHeight()));
        return false;
    }
    if (!alpha) {
        alpha = std::make_unique<Image>();
        if (!alpha->Create(colour->GetWidth(), colour->GetHeight(), 8)) return false;
        std::memset(alpha->GetPixels(), kOpaque, alpha->GetPixelBytes());
    }
    if (trim) {
        ImageUtil& util = ImageUtil::Instance();
        const Rect box = Union(util.GetBoundingBox(*colour), util.GetBoundingBox(*alpha));
        colour = spriteimages::Crop(*colour, box);
        alpha = spriteimages::Crop(*alpha, box);
        if (!colour || !alpha) return false;
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
    colour_ = std::move(colour);
    alpha_ = std::move(alpha);
    return width_ > 0 && height_ > 0;
}

void AlphaSprite::Draw(const DrawParams& params) {
    if (params.Has(DrawParams::DestinationSize)) {
        RequestQuit("alpha sprite: stretched drawing is not supported");
        return;
    }
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    if (!target || !colour_) return;
    int x = 0;
    int y = 0;
    Rect src = params.SourceRect(width_, height_);
    if (!clip::PlaceOnScreen(params, width_, height_, trimX_, trimY_, x, y, src)) return;
    // A region outside the picture has nothing to show (and must not be read).
    const int left = sourceX_ + src.left;
    const int top = sourceY_ + src.top;
    if (left < 0 || top < 0 || sourceX_ + src.right >= colour_->GetWidth() ||
        sourceY_ + src.bottom >= colour_->GetHeight()) {
        return;
    }

    const platform::DisplayRect area{x, y, x + src.Width(), y + src.Height()};
    platform::SurfaceLock lock;
    platform::DisplayResult result = target->Lock(&area, lock);
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
        return;
    }
    if (CheckDxResult(result)) {
        SpriteManager::Instance().MarkInvalid(this);
        return;
    }

    const PixelFormat& format = DirectDraw::Instance().GetPixelFormat();
    const pixelblend::ChannelLayout layout = pixelblend::LayoutOf(format);
    const int bits = lock.format.bitsPerPixel;
    const int count = src.Width();
    if (bits != colour_->GetBitsPerPixel() || (bits != 16 && bits != 32)) {
        RequestQuit(StringFormat("alpha sprite: cannot blend %d-bit pixels onto a %d-bit display",
                                 colour_->GetBitsPerPixel(), bits));
    } else {
        for (int row = 0; row < src.Height(); ++row) {
            uint8_t* dst = lock.pixels + static_cast<size_t>(row) * lock.pitch;
            const uint8_t* colour = colour_->PixelAddress(left, top + row);
            const uint8_t* alpha = alpha_->PixelAddress(left, top + row);
            if (bits == 16) {
                pixelblend::BlendAlphaRow16(reinterpret_cast<uint16_t*>(dst), reinterpret_cast<const uint16_t*>(colour),
                                            alpha, count, layout);
            } else {
                pixelblend::BlendAlphaRow32(reinterpret_cast<uint32_t*>(dst), reinterpret_cast<const uint32_t*>(colour),
                                            alpha, count, layout);
            }
        }
    }

    result = target->Unlock();
    if (result == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else if (CheckDxResult(result)) {
        SpriteManager::Instance().MarkInvalid(this);
    }
}
