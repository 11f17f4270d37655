#include "gfx/SpriteImages.h"

#include "gfx/Image.h"
#include "gfx/ImageUtil.h"

namespace spriteimages {

std::unique_ptr<Image> Crop(const Image& source, const Rect& rect) {
    if (rect.left < 0 || rect.top < 0 || rect.right >= source.GetWidth() || rect.bottom >= source.GetHeight() ||
        rect.right < rect.left || rect.bottom < rect.top) {
        return nullptr;
    }
    auto crop = std::make_unique<Image>();
    if (!crop->Create(rect.Width(), rect.Height(), source.GetBitsPerPixel())) return nullptr;
    if (source.GetBitsPerPixel() == 1) {
        // The 1-bit copy inverts; a plain cut keeps the bits as they are.
        for (int y = rect.top; y <= rect.bottom; ++y) {
            for (int x = rect.left; x <= rect.right; ++x)
                crop->SetBit(x - rect.left, y - rect.top, source.GetBit(x, y));
        }
        return crop;
    }
    if (!ImageUtil::Instance().CopyRect(source, *crop, rect, 0, 0)) return nullptr;
    return crop;
}

std::unique_ptr<Image> SliceFrame(const Image& strip, int frameCount, int index) {
    if (frameCount <= 0) return nullptr;
    const int frameHeight = strip.GetHeight() / frameCount;
    return Crop(strip, Rect{0, index * frameHeight, strip.GetWidth() - 1, (index + 1) * frameHeight - 1});
}

}  // namespace spriteimages
