#pragma once

#include <cstdint>
#include <memory>

#include "platform/DisplayResult.h"
#include "platform/DisplaySurface.h"

// The display device: DirectDraw-shaped operations on software surfaces in memory. The graphics
// code drives it exactly as it would drive the real interface (create, set the mode, create the
// primary surface with its back buffer, off-screen surfaces, clipper); every call answers with a
// DisplayResult. Flipping the primary surface hands the frame to platform::PresentFrame.
//
// 16 bits per pixel open as RGB565 unless the test hook asks for 555; 32 bits are x8r8g8b8.
namespace platform {

class DisplayClipper;

// Operations a test can make fail once (FailNext).
enum class DisplayOp {
    Create,
    CooperativeLevel,
    QueryInterface,
    DisplayMode,
    CreatePrimary,
    GetAttachedSurface,
    CreateOffscreen,
    CreateClipper,
    ClipperSetWindow,
    Lock,
    Unlock,
    Flip,
    Count
};

class DisplayDevice final {
public:
    ~DisplayDevice();
    DisplayDevice(const DisplayDevice&) = delete;
    DisplayDevice& operator=(const DisplayDevice&) = delete;

    // DirectDrawCreate with the default device.
    static DisplayResult Create(std::unique_ptr<DisplayDevice>& device);
    // The colour depth of the desktop (the information context's bits per pixel).
    static int DesktopBitsPerPixel();
    static constexpr int kDesktopWidth = 800;
    static constexpr int kDesktopHeight = 600;
    // Larger surfaces are refused (DDERR_TOOBIGSIZE) rather than attempted.
    static constexpr int kMaxSurfaceSide = 16384;

    DisplayResult SetCooperativeLevel(void* window, bool exclusiveFullScreen);
    // The version 2 interface: the software device is that interface already.
    DisplayResult QueryInterface2();
    DisplayResult SetDisplayMode(int width, int height, int bitsPerPixel);

    // With a back buffer the primary is a flipping chain; GetAttachedSurface gives the buffer.
    // Without a display mode (window mode) the primary has the desktop's depth and the size of the
    // game's window, 800 × 600 game pixels.
    DisplayResult CreatePrimarySurface(bool withBackBuffer, std::unique_ptr<DisplaySurface>& surface);
    DisplayResult CreateOffscreenSurface(int width, int height, std::unique_ptr<DisplaySurface>& surface);
    DisplayResult CreateClipper(std::unique_ptr<DisplayClipper>& clipper);

    // The format every surface of this device gets.
    DisplayPixelFormat GetPixelFormat() const;

    // Test hook: every surface of this device is lost, as after a mode switch by another
    // program; operations answer DDERR_SURFACELOST until the surface is restored.
    void LoseAllSurfaces();

    // Test hooks acting on the devices created after (the format) or the next call (failures).
    static void SetDesktopBitsPerPixel(int bitsPerPixel);
    static void SetUse555(bool use555);
    // The next call of `op`, on any device or surface, fails with `result`.
    static void FailNext(DisplayOp op, DisplayResult result);
    // Consumes an armed failure of `op`: its result, or DD_OK when none was armed.
    static DisplayResult TakeFailure(DisplayOp op);
    static void ResetTestHooks();

private:
    DisplayDevice();

    std::shared_ptr<SurfaceRegistry> registry_;
    void* window_ = nullptr;
    bool exclusive_ = false;
    int modeWidth_ = 0;
    int modeHeight_ = 0;
    int modeBitsPerPixel_ = 0;
};

// The clipper of window mode: blits onto a surface it is set on are cut to the surface instead
// of being refused.
class DisplayClipper final {
public:
    DisplayResult SetWindow(void* window);

private:
    void* window_ = nullptr;
};

}  // namespace platform
