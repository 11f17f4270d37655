#include "gfx/Surface.h"

#include <algorithm>
#include <cstring>

#include "core/Trace.h"
#include "gfx/CheckDxResult.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/QuitRequest.h"
#include "gfx/RunLength.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"
#include "platform/DisplaySurface.h"

using platform::DD_OK;
using platform::DisplayResult;

namespace {
// Black is the transparent colour of every keyed blit.
constexpr platform::DisplayColorKey kBlackKey{0, 0};
}  // namespace

Surface::Surface() = default;

Surface::~Surface() = default;

void Surface::Release() {
    surface_.reset();
    width_ = height_ = 0;
}

bool Surface::Create(int width, int height) {
    Release();
    platform::DisplayDevice* device = DirectDraw::Instance().GetDevice();
    if (device == nullptr) return false;
    width_ = width;
    height_ = height;
    if (CheckDxResult(device->CreateOffscreenSurface(width, height, surface_))) {
        Release();
        return false;
    }
    if (CheckDxResult(surface_->SetColorKey(kBlackKey))) {
        Release();
        return false;
    }
    return true;
}

platform::DisplayResult Surface::Restore() { return surface_ ? surface_->Restore() : platform::DDERR_SURFACELOST; }

bool Surface::LockWhole(uint8_t*& pixels, int& pitch) {
    if (!surface_) return false;
    platform::SurfaceLock lock;
    const DisplayResult r = surface_->Lock(nullptr, lock);
    if (r == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
        return false;
    }
    if (CheckDxResult(r)) {
        RequestQuit("cannot lock a sprite surface: " + DxResultName(r));
        return false;
    }
    pixels = lock.pixels;
    pitch = lock.pitch;
    return true;
}

void Surface::UnlockWhole() {
    const DisplayResult r = surface_->Unlock();
    if (r == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else if (CheckDxResult(r)) {
        RequestQuit("cannot unlock a sprite surface: " + DxResultName(r));
    }
}

void Surface::Upload(const Image& image, int x, int y) {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    if (!LockWhole(pixels, pitch)) return;
    const int bytes = surface_->GetPixelFormat().BytesPerPixel();
    // Only the part of the window that lies inside the image is copied, and only when the image is
    // in the surface's format: a picture of another depth would be read past its end.
    if (image.GetBitsPerPixel() / 8 == bytes && !image.IsRunLengthEncoded()) {
        const int left = std::max(x, 0);
        const int right = std::min(x + width_, image.GetWidth());
        const int top = std::max(y, 0);
        const int bottom = std::min(y + height_, image.GetHeight());
        for (int row = top; row < bottom && left < right; ++row) {
            std::memcpy(pixels + static_cast<size_t>(row - y) * pitch + static_cast<size_t>(left - x) * bytes,
                        image.PixelAddress(left, row), static_cast<size_t>(right - left) * bytes);
        }
    }
    UnlockWhole();
}

void Surface::UploadRect(const Image& image, int x, int y, const Rect& rect) {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    if (!LockWhole(pixels, pitch)) return;
    const int bytes = surface_->GetPixelFormat().BytesPerPixel();
    const bool insideSurface = rect.left >= 0 && rect.top >= 0 && rect.left <= rect.right && rect.top <= rect.bottom &&
                               rect.right < width_ && rect.bottom < height_;
    const bool insideImage = x + rect.left >= 0 && y + rect.top >= 0 && x + rect.right < image.GetWidth() &&
                             y + rect.bottom < image.GetHeight();
    if (insideSurface && insideImage && image.GetBitsPerPixel() / 8 == bytes && !image.IsRunLengthEncoded()) {
        for (int v = rect.top; v <= rect.bottom; ++v) {
            std::memcpy(pixels + static_cast<size_t>(v) * pitch + static_cast<size_t>(rect.left) * bytes,
                        image.PixelAddress(x + rect.left, y + v), static_cast<size_t>(rect.Width()) * bytes);
        }
    }
    UnlockWhole();
}

void Surface::UploadRunLengthFrame(const Image& frame) {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    if (!LockWhole(pixels, pitch)) return;
    const int bytes = surface_->GetPixelFormat().BytesPerPixel();
    if (frame.IsRunLengthEncoded() && frame.GetBitsPerPixel() / 8 == bytes && frame.GetWidth() == width_ &&
        frame.GetHeight() == height_) {
        // A malformed stream leaves the rest of the frame black (never stale pixels).
        const bool decoded =
            runlength::Decode(frame.GetPixels(), frame.GetPixelBytes(), width_, height_, bytes, pixels, pitch);
        if (!decoded) Trace("malformed run-length frame of %d x %d\n", width_, height_);
    }
    UnlockWhole();
}
