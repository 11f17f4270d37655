#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DisplayResult.h"

// One surface of the display device: pixels in memory, rows `pitch` bytes apart.
namespace platform {

class DisplayClipper;
class DisplaySurface;

struct DisplayPixelFormat {
    int bitsPerPixel = 16;
    uint32_t redMask = 0xF800;
    uint32_t greenMask = 0x07E0;
    uint32_t blueMask = 0x001F;

    int BytesPerPixel() const { return bitsPerPixel / 8; }
    bool operator==(const DisplayPixelFormat&) const = default;
};

// DirectDraw's rectangle: right and bottom exclusive.
struct DisplayRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const DisplayRect&) const = default;
};

// The source colour key: source pixels whose value lies in low … high are not copied.
struct DisplayColorKey {
    uint32_t low = 0;
    uint32_t high = 0;
};

enum class BlitKey { None, Source };

// What a successful Lock hands out: the first pixel of the locked rectangle and the row pitch.
struct SurfaceLock {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    int width = 0;  // of the locked rectangle
    int height = 0;
    DisplayPixelFormat format;
};

// Shared by a device and its surfaces, so that LoseAllSurfaces reaches every live surface and a
// surface may outlive the device that made it.
struct SurfaceRegistry {
    std::vector<DisplaySurface*> surfaces;
};

class DisplaySurface final {
public:
    ~DisplaySurface();
    DisplaySurface(const DisplaySurface&) = delete;
    DisplaySurface& operator=(const DisplaySurface&) = delete;

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    const DisplayPixelFormat& GetPixelFormat() const { return format_; }
    bool IsLost() const { return lost_; }
    bool IsLocked() const { return locked_; }

    // rect == nullptr locks the whole surface. A rectangle outside the surface gives
    // DDERR_INVALIDRECT; a lost surface DDERR_SURFACELOST; a locked one DDERR_SURFACEBUSY.
    DisplayResult Lock(const DisplayRect* rect, SurfaceLock& lock);
    DisplayResult Unlock();

    // Brings a lost surface back with cleared pixels (its picture is gone, as after a real loss);
    // the back buffer of a flipping chain comes back with its primary.
    DisplayResult Restore();

    DisplayResult SetColorKey(const DisplayColorKey& key);

    // Colour fill of `dst` (nullptr: the whole surface) with a pixel value of this format.
    DisplayResult ColorFill(const DisplayRect* dst, uint32_t color);

    // Copies `srcRect` of `src` (nullptr: all of it) into `dst` (nullptr: all of this surface),
    // stretching with the nearest sample when the sizes differ. With BlitKey::Source the pixels
    // matching the source's colour key are skipped.
    DisplayResult Blt(const DisplayRect* dst, DisplaySurface& src, const DisplayRect* srcRect, BlitKey key);
    // Unstretched copy of `srcRect` with its top-left corner at (x, y).
    DisplayResult BltFast(int x, int y, DisplaySurface& src, const DisplayRect* srcRect, BlitKey key);

    // Primary of a flipping chain only: the back buffer becomes the visible picture (the two
    // swap their pixels) and the frame goes to platform::PresentFrame.
    DisplayResult Flip();
    DisplaySurface* GetAttachedSurface() const { return backBuffer_.get(); }
    // The same as a call that can fail (DDERR_NOTFOUND without a back buffer).
    DisplayResult GetAttachedSurface(DisplaySurface*& surface) const;

    DisplayResult SetClipper(DisplayClipper* clipper);

    // Direct pixel access for the device's own code and tests; valid while the surface lives.
    const uint8_t* Pixels() const { return pixels_.get(); }
    int Pitch() const { return pitch_; }

    // Makes this surface lost (the test hook of DisplayDevice calls it on every surface).
    void MarkLost();

private:
    friend class DisplayDevice;
    struct AlignedDelete {
        void operator()(uint8_t* p) const;
    };

    DisplaySurface(std::shared_ptr<SurfaceRegistry> registry, int width, int height, const DisplayPixelFormat& format,
                   bool primary);
    bool Allocate();
    void Clear();
    void PresentSelf() const;
    bool Contains(const DisplayRect& rect) const;
    DisplayResult CheckBlit(const DisplaySurface& src, BlitKey key) const;
    // Source pixels as rows `pitch` bytes apart, the rectangle's top-left pixel at `base`.
    struct SourceView {
        const uint8_t* base;
        int pitch;
        int width;
        int height;
        const DisplayColorKey* key;  // null: copy every pixel
    };
    void CopyPixels(const DisplayRect& dst, const SourceView& src);
    void StretchPixels(const DisplayRect& dst, const SourceView& src);
    DisplayResult BlitInside(const DisplayRect& dst, DisplaySurface& src, const DisplayRect& srcRect, BlitKey key);

    std::shared_ptr<SurfaceRegistry> registry_;
    int width_ = 0;
    int height_ = 0;
    DisplayPixelFormat format_;
    int pitch_ = 0;
    std::unique_ptr<uint8_t[], AlignedDelete> pixels_;
    DisplayColorKey colorKey_;
    bool hasColorKey_ = false;
    bool lost_ = false;
    bool locked_ = false;
    bool primary_ = false;
    DisplayClipper* clipper_ = nullptr;
    std::unique_ptr<DisplaySurface> backBuffer_;
    DisplaySurface* chainPrimary_ = nullptr;  // set on a back buffer
};

}  // namespace platform
