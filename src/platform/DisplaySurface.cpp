#include "platform/DisplaySurface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "platform/DisplayBlit.h"
#include "platform/DisplayDevice.h"
#include "platform/Present.h"

namespace platform {
namespace {

// Rows start on a 64-byte boundary (a cache line), so full-width copies run at memcpy speed.
constexpr size_t kRowAlignment = 64;

DisplayRect WholeRect(const DisplaySurface& surface) {
    return DisplayRect{0, 0, surface.GetWidth(), surface.GetHeight()};
}

}  // namespace

void DisplaySurface::AlignedDelete::operator()(uint8_t* p) const { std::free(p); }

DisplaySurface::DisplaySurface(std::shared_ptr<SurfaceRegistry> registry, int width, int height,
                               const DisplayPixelFormat& format, bool primary)
    : registry_(std::move(registry)), width_(width), height_(height), format_(format), primary_(primary) {
    registry_->surfaces.push_back(this);
}

DisplaySurface::~DisplaySurface() {
    backBuffer_.reset();
    auto& list = registry_->surfaces;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool DisplaySurface::Allocate() {
    const size_t rowBytes = static_cast<size_t>(width_) * format_.BytesPerPixel();
    pitch_ = static_cast<int>((rowBytes + kRowAlignment - 1) / kRowAlignment * kRowAlignment);
    const size_t bytes = static_cast<size_t>(pitch_) * height_;
    pixels_.reset(static_cast<uint8_t*>(std::aligned_alloc(kRowAlignment, bytes)));
    if (!pixels_) return false;
    Clear();
    return true;
}

void DisplaySurface::Clear() { std::memset(pixels_.get(), 0, static_cast<size_t>(pitch_) * height_); }

void DisplaySurface::MarkLost() { lost_ = true; }

bool DisplaySurface::Contains(const DisplayRect& rect) const {
    return rect.left >= 0 && rect.top >= 0 && rect.right <= width_ && rect.bottom <= height_ &&
           rect.left < rect.right && rect.top < rect.bottom;
}

DisplayResult DisplaySurface::Lock(const DisplayRect* rect, SurfaceLock& lock) {
    if (const DisplayResult injected = DisplayDevice::TakeFailure(DisplayOp::Lock); injected != DD_OK) {
        return injected;
    }
    if (lost_) return DDERR_SURFACELOST;
    if (locked_) return DDERR_SURFACEBUSY;
    const DisplayRect area = rect ? *rect : WholeRect(*this);
    if (!Contains(area)) return DDERR_INVALIDRECT;
    locked_ = true;
    lock.pixels = pixels_.get() + static_cast<size_t>(area.top) * pitch_ +
                  static_cast<size_t>(area.left) * format_.BytesPerPixel();
    lock.pitch = pitch_;
    lock.width = area.Width();
    lock.height = area.Height();
    lock.format = format_;
    return DD_OK;
}

DisplayResult DisplaySurface::Unlock() {
    if (const DisplayResult injected = DisplayDevice::TakeFailure(DisplayOp::Unlock); injected != DD_OK) {
        locked_ = false;
        return injected;
    }
    if (!locked_) return DDERR_NOTLOCKED;
    locked_ = false;
    return lost_ ? DDERR_SURFACELOST : DD_OK;
}

DisplayResult DisplaySurface::Restore() {
    if (chainPrimary_ != nullptr && chainPrimary_->lost_) return chainPrimary_->Restore();
    if (lost_) {
        lost_ = false;
        locked_ = false;
        Clear();
    }
    if (backBuffer_ && backBuffer_->lost_) {
        backBuffer_->lost_ = false;
        backBuffer_->locked_ = false;
        backBuffer_->Clear();
    }
    return DD_OK;
}

DisplayResult DisplaySurface::SetColorKey(const DisplayColorKey& key) {
    if (lost_) return DDERR_SURFACELOST;
    colorKey_ = key;
    hasColorKey_ = true;
    return DD_OK;
}

DisplayResult DisplaySurface::ColorFill(const DisplayRect* dst, uint32_t color) {
    if (lost_) return DDERR_SURFACELOST;
    if (locked_) return DDERR_SURFACEBUSY;
    const DisplayRect area = dst ? *dst : WholeRect(*this);
    if (!Contains(area)) return DDERR_INVALIDRECT;
    const int bpp = format_.BytesPerPixel();
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* row = pixels_.get() + static_cast<size_t>(y) * pitch_ + static_cast<size_t>(area.left) * bpp;
        if (bpp == 2) {
            blit::FillRow16(reinterpret_cast<uint16_t*>(row), area.Width(), static_cast<uint16_t>(color));
        } else {
            blit::FillRow32(reinterpret_cast<uint32_t*>(row), area.Width(), color);
        }
    }
    return DD_OK;
}

DisplayResult DisplaySurface::CheckBlit(const DisplaySurface& src, BlitKey key) const {
    if (lost_ || src.lost_) return DDERR_SURFACELOST;
    if (locked_ || src.locked_) return DDERR_SURFACEBUSY;
    if (!(format_ == src.format_)) return DDERR_INVALIDPIXELFORMAT;
    if (key == BlitKey::Source && !src.hasColorKey_) return DDERR_NOCOLORKEY;
    return DD_OK;
}

DisplayResult DisplaySurface::Blt(const DisplayRect* dst, DisplaySurface& src, const DisplayRect* srcRect,
                                  BlitKey key) {
    if (const DisplayResult check = CheckBlit(src, key); check != DD_OK) return check;
    DisplayRect to = dst ? *dst : WholeRect(*this);
    DisplayRect from = srcRect ? *srcRect : WholeRect(src);
    if (!src.Contains(from) || to.left >= to.right || to.top >= to.bottom) return DDERR_INVALIDRECT;
    if (!Contains(to)) {
        if (clipper_ == nullptr) return DDERR_INVALIDRECT;
        // The clipper cuts the destination to the surface and the source in proportion.
        const DisplayRect clipped{std::max(to.left, 0), std::max(to.top, 0), std::min(to.right, width_),
                                  std::min(to.bottom, height_)};
        if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) return DD_OK;
        const auto scale = [](int32_t v, int32_t srcSpan, int32_t dstSpan) {
            return static_cast<int32_t>(static_cast<int64_t>(v) * srcSpan / dstSpan);
        };
        from = DisplayRect{from.left + scale(clipped.left - to.left, from.Width(), to.Width()),
                           from.top + scale(clipped.top - to.top, from.Height(), to.Height()),
                           from.right - scale(to.right - clipped.right, from.Width(), to.Width()),
                           from.bottom - scale(to.bottom - clipped.bottom, from.Height(), to.Height())};
        to = clipped;
        if (from.left >= from.right || from.top >= from.bottom) return DD_OK;
    }
    const DisplayResult result = BlitInside(to, src, from, key);
    // A primary without a flipping chain is the window itself: what lands on it is shown.
    if (result == DD_OK && primary_ && !backBuffer_) PresentSelf();
    return result;
}

DisplayResult DisplaySurface::BltFast(int x, int y, DisplaySurface& src, const DisplayRect* srcRect, BlitKey key) {
    if (const DisplayResult check = CheckBlit(src, key); check != DD_OK) return check;
    const DisplayRect from = srcRect ? *srcRect : WholeRect(src);
    if (!src.Contains(from)) return DDERR_INVALIDRECT;
    const DisplayRect to{x, y, x + from.Width(), y + from.Height()};
    if (!Contains(to)) return DDERR_INVALIDRECT;
    return BlitInside(to, src, from, key);
}

DisplayResult DisplaySurface::BlitInside(const DisplayRect& dst, DisplaySurface& src, const DisplayRect& srcRect,
                                         BlitKey key) {
    const int bpp = format_.BytesPerPixel();
    SourceView view{
        src.pixels_.get() + static_cast<size_t>(srcRect.top) * src.pitch_ + static_cast<size_t>(srcRect.left) * bpp,
        src.pitch_, srcRect.Width(), srcRect.Height(), key == BlitKey::Source ? &src.colorKey_ : nullptr};
    const bool stretched = dst.Width() != srcRect.Width() || dst.Height() != srcRect.Height();
    // Within one surface the loops below would read pixels they already wrote: work from a copy.
    std::unique_ptr<uint8_t[]> copy;
    if (&src == this && (stretched || view.key != nullptr)) {
        const size_t rowBytes = static_cast<size_t>(view.width) * bpp;
        copy.reset(new (std::nothrow) uint8_t[rowBytes * view.height]);
        if (!copy) return DDERR_OUTOFMEMORY;
        blit::CopyRows(copy.get(), static_cast<int>(rowBytes), view.base, view.pitch, rowBytes, view.height);
        view.base = copy.get();
        view.pitch = static_cast<int>(rowBytes);
    }
    if (stretched) {
        StretchPixels(dst, view);
    } else {
        CopyPixels(dst, view);
    }
    return DD_OK;
}

void DisplaySurface::CopyPixels(const DisplayRect& dst, const SourceView& src) {
    const int bpp = format_.BytesPerPixel();
    uint8_t* to = pixels_.get() + static_cast<size_t>(dst.top) * pitch_ + static_cast<size_t>(dst.left) * bpp;
    if (src.key == nullptr) {
        blit::CopyRows(to, pitch_, src.base, src.pitch, static_cast<size_t>(src.width) * bpp, src.height);
        return;
    }
    const uint8_t* from = src.base;
    for (int y = 0; y < src.height; ++y, to += pitch_, from += src.pitch) {
        if (bpp == 2) {
            blit::KeyedRow16(reinterpret_cast<uint16_t*>(to), reinterpret_cast<const uint16_t*>(from), src.width,
                             static_cast<uint16_t>(src.key->low), static_cast<uint16_t>(src.key->high));
        } else {
            blit::KeyedRow32(reinterpret_cast<uint32_t*>(to), reinterpret_cast<const uint32_t*>(from), src.width,
                             src.key->low, src.key->high);
        }
    }
}

void DisplaySurface::StretchPixels(const DisplayRect& dst, const SourceView& src) {
    const int bpp = format_.BytesPerPixel();
    const int dstWidth = dst.Width();
    const int dstHeight = dst.Height();
    // Nearest sample: destination column i takes source column i × srcWidth / dstWidth.
    std::vector<int> columns(static_cast<size_t>(dstWidth));
    for (int i = 0; i < dstWidth; ++i) {
        columns[i] = static_cast<int>(static_cast<int64_t>(i) * src.width / dstWidth);
    }
    const bool keyed = src.key != nullptr;
    const uint32_t low = keyed ? src.key->low : 0;
    const uint32_t high = keyed ? src.key->high : 0;
    for (int y = 0; y < dstHeight; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * src.height / dstHeight);
        const uint8_t* from = src.base + static_cast<ptrdiff_t>(sy) * src.pitch;
        uint8_t* to = pixels_.get() + static_cast<size_t>(dst.top + y) * pitch_ + static_cast<size_t>(dst.left) * bpp;
        if (bpp == 2) {
            blit::StretchRow16(reinterpret_cast<uint16_t*>(to), reinterpret_cast<const uint16_t*>(from), columns.data(),
                               dstWidth, keyed, static_cast<uint16_t>(low), static_cast<uint16_t>(high));
        } else {
            blit::StretchRow32(reinterpret_cast<uint32_t*>(to), reinterpret_cast<const uint32_t*>(from), columns.data(),
                               dstWidth, keyed, low, high);
        }
    }
}

DisplayResult DisplaySurface::Flip() {
    if (const DisplayResult injected = DisplayDevice::TakeFailure(DisplayOp::Flip); injected != DD_OK) {
        return injected;
    }
    if (!backBuffer_) return DDERR_NOTFLIPPABLE;
    if (lost_ || backBuffer_->lost_) return DDERR_SURFACELOST;
    if (locked_ || backBuffer_->locked_) return DDERR_SURFACEBUSY;
    std::swap(pixels_, backBuffer_->pixels_);
    PresentSelf();
    return DD_OK;
}

DisplayResult DisplaySurface::GetAttachedSurface(DisplaySurface*& surface) const {
    if (const DisplayResult injected = DisplayDevice::TakeFailure(DisplayOp::GetAttachedSurface); injected != DD_OK) {
        surface = nullptr;
        return injected;
    }
    surface = backBuffer_.get();
    return surface ? DD_OK : DDERR_NOTFOUND;
}

DisplayResult DisplaySurface::SetClipper(DisplayClipper* clipper) {
    clipper_ = clipper;
    return DD_OK;
}

void DisplaySurface::PresentSelf() const {
    FrameView frame;
    frame.pixels = pixels_.get();
    frame.pitch = pitch_;
    frame.width = width_;
    frame.height = height_;
    frame.bitsPerPixel = format_.bitsPerPixel;
    frame.redMask = format_.redMask;
    frame.greenMask = format_.greenMask;
    frame.blueMask = format_.blueMask;
    PresentFrame(frame);
}

}  // namespace platform
