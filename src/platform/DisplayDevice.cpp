#include "platform/DisplayDevice.h"

#include <array>
#include <utility>

namespace platform {
namespace {

constexpr int kDefaultDesktopBitsPerPixel = 16;

struct TestHooks {
    int desktopBitsPerPixel = kDefaultDesktopBitsPerPixel;
    bool use555 = false;
    std::array<DisplayResult, static_cast<size_t>(DisplayOp::Count)> failures{};
};

TestHooks& Hooks() {
    static TestHooks hooks;
    return hooks;
}

DisplayPixelFormat FormatFor(int bitsPerPixel) {
    DisplayPixelFormat format;
    format.bitsPerPixel = bitsPerPixel;
    if (bitsPerPixel == 32) {
        format.redMask = 0x00FF0000;
        format.greenMask = 0x0000FF00;
        format.blueMask = 0x000000FF;
    } else if (Hooks().use555) {
        format.redMask = 0x7C00;
        format.greenMask = 0x03E0;
        format.blueMask = 0x001F;
    }
    return format;
}

bool SupportedDepth(int bitsPerPixel) { return bitsPerPixel == 16 || bitsPerPixel == 32; }

}  // namespace

DisplayDevice::DisplayDevice() : registry_(std::make_shared<SurfaceRegistry>()) {}

DisplayDevice::~DisplayDevice() = default;

DisplayResult DisplayDevice::Create(std::unique_ptr<DisplayDevice>& device) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::Create); injected != DD_OK) return injected;
    device.reset(new DisplayDevice());
    return DD_OK;
}

int DisplayDevice::DesktopBitsPerPixel() { return Hooks().desktopBitsPerPixel; }

DisplayResult DisplayDevice::SetCooperativeLevel(void* window, bool exclusiveFullScreen) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::CooperativeLevel); injected != DD_OK) {
        return injected;
    }
    window_ = window;
    exclusive_ = exclusiveFullScreen;
    return DD_OK;
}

DisplayResult DisplayDevice::QueryInterface2() { return TakeFailure(DisplayOp::QueryInterface); }

DisplayResult DisplayDevice::SetDisplayMode(int width, int height, int bitsPerPixel) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::DisplayMode); injected != DD_OK) return injected;
    if (!exclusive_) return DDERR_NOEXCLUSIVEMODE;
    if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        !SupportedDepth(bitsPerPixel)) {
        return DDERR_INVALIDMODE;
    }
    modeWidth_ = width;
    modeHeight_ = height;
    modeBitsPerPixel_ = bitsPerPixel;
    return DD_OK;
}

DisplayPixelFormat DisplayDevice::GetPixelFormat() const {
    return FormatFor(modeBitsPerPixel_ != 0 ? modeBitsPerPixel_ : DesktopBitsPerPixel());
}

DisplayResult DisplayDevice::CreatePrimarySurface(bool withBackBuffer, std::unique_ptr<DisplaySurface>& surface) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::CreatePrimary); injected != DD_OK) return injected;
    // A flipping chain needs the exclusive full-screen mode, as on the real device.
    if (withBackBuffer && (!exclusive_ || modeBitsPerPixel_ == 0)) return DDERR_NOEXCLUSIVEMODE;
    const DisplayPixelFormat format = GetPixelFormat();
    if (!SupportedDepth(format.bitsPerPixel)) return DDERR_INVALIDPIXELFORMAT;
    const int width = modeWidth_ != 0 ? modeWidth_ : kDesktopWidth;
    const int height = modeHeight_ != 0 ? modeHeight_ : kDesktopHeight;
    std::unique_ptr<DisplaySurface> primary(new DisplaySurface(registry_, width, height, format, true));
    if (!primary->Allocate()) return DDERR_OUTOFMEMORY;
    if (withBackBuffer) {
        std::unique_ptr<DisplaySurface> back(new DisplaySurface(registry_, width, height, format, false));
        if (!back->Allocate()) return DDERR_OUTOFMEMORY;
        back->chainPrimary_ = primary.get();
        primary->backBuffer_ = std::move(back);
    }
    surface = std::move(primary);
    return DD_OK;
}

DisplayResult DisplayDevice::CreateOffscreenSurface(int width, int height, std::unique_ptr<DisplaySurface>& surface) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::CreateOffscreen); injected != DD_OK) return injected;
    if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    if (width > kMaxSurfaceSide || height > kMaxSurfaceSide) return DDERR_TOOBIGSIZE;
    const DisplayPixelFormat format = GetPixelFormat();
    if (!SupportedDepth(format.bitsPerPixel)) return DDERR_INVALIDPIXELFORMAT;
    std::unique_ptr<DisplaySurface> made(new DisplaySurface(registry_, width, height, format, false));
    if (!made->Allocate()) return DDERR_OUTOFMEMORY;
    surface = std::move(made);
    return DD_OK;
}

DisplayResult DisplayDevice::CreateClipper(std::unique_ptr<DisplayClipper>& clipper) {
    if (const DisplayResult injected = TakeFailure(DisplayOp::CreateClipper); injected != DD_OK) return injected;
    clipper = std::make_unique<DisplayClipper>();
    return DD_OK;
}

void DisplayDevice::LoseAllSurfaces() {
    for (DisplaySurface* surface : registry_->surfaces) surface->MarkLost();
}

void DisplayDevice::SetDesktopBitsPerPixel(int bitsPerPixel) { Hooks().desktopBitsPerPixel = bitsPerPixel; }

void DisplayDevice::SetUse555(bool use555) { Hooks().use555 = use555; }

void DisplayDevice::FailNext(DisplayOp op, DisplayResult result) { Hooks().failures[static_cast<size_t>(op)] = result; }

DisplayResult DisplayDevice::TakeFailure(DisplayOp op) {
    return std::exchange(Hooks().failures[static_cast<size_t>(op)], DD_OK);
}

void DisplayDevice::ResetTestHooks() { Hooks() = TestHooks{}; }

DisplayResult DisplayClipper::SetWindow(void* window) {
    if (const DisplayResult injected = DisplayDevice::TakeFailure(DisplayOp::ClipperSetWindow); injected != DD_OK) {
        return injected;
    }
    window_ = window;
    return DD_OK;
}

}  // namespace platform
