#pragma once

#include <memory>

#include "core/Singleton.h"
#include "gfx/PixelFormat.h"
#include "platform/DisplaySurface.h"

namespace platform {
class DisplayClipper;
class DisplayDevice;
}  // namespace platform

// Owns the display: sets the game's mode, creates the surfaces every frame is composed on, tells
// the graphics code the pixel format, presents each finished frame and plays the screen
// transitions between game screens.
//
// Draw target: while a transition runs the new screen is drawn into the fade buffer and the back
// buffer keeps the old picture; Present composes the two. Drawing code asks for the target anew at
// each draw (GetDrawTarget).
class DirectDraw final : public Singleton<DirectDraw> {
public:
    enum TransitionKind { kZoom = 0, kSlideFromRight = 1, kSlideFromLeft = 2, kTransitionKinds = 3 };

    static constexpr float kTransitionDuration = 0.5f;
    // The tick advances a transition by at most this much per frame, so a slow frame cannot skip it.
    static constexpr float kMaxTransitionStep = 0.1f;

    // `window` is the main window's handle; only the window-mode clipper uses it.
    bool Init(void* window, int width, int height, int bitsPerPixel, bool fullScreen);
    bool Release();
    void Present();
    void StartTransition(bool zoom);
    // Called by the frame tick right before Present with the frame's time in seconds.
    void AdvanceTransition(float seconds);
    void RestoreSurfaces();

    // Source and destination rectangles (right and bottom exclusive) that compose a transition of
    // `kind` at progress t on a width × height display.
    struct TransitionRects {
        platform::DisplayRect source;
        platform::DisplayRect destination;
    };
    static TransitionRects ComputeTransition(int kind, float t, int width, int height);

    bool IsInitialized() const { return initialized_; }
    const PixelFormat& GetPixelFormat() const { return format_; }
    // Sets the format without a display, for tools and tests that convert pictures only.
    void SetPixelFormat(const PixelFormat& format) { format_ = format; }
    int GetBitsPerPixel() const { return bitsPerPixel_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    bool IsFullScreen() const { return fullScreen_; }

    bool IsTransitionActive() const { return transitionActive_; }
    int GetTransitionKind() const { return transitionKind_; }
    float GetTransitionTime() const { return transitionTime_; }
    float GetTransitionDuration() const { return transitionDuration_; }

    // The surface every drawing operation writes into: the fade buffer during a transition, the
    // back buffer otherwise. Null before Init.
    platform::DisplaySurface* GetDrawTarget() const;
    platform::DisplaySurface* GetPrimary() const { return primary_.get(); }
    platform::DisplaySurface* GetBackBuffer() const { return backBuffer_; }
    platform::DisplaySurface* GetFadeBuffer() const { return fadeBuffer_.get(); }
    platform::DisplayDevice* GetDevice() const { return device_.get(); }

private:
    friend class Singleton<DirectDraw>;
    DirectDraw();
    ~DirectDraw();

    bool Fail(int result, const char* text);
    bool CreateSurfaces();
    bool ReadPixelFormat();
    void ComposeTransition();

    bool initialized_ = false;
    PixelFormat format_;
    void* window_ = nullptr;
    bool fullScreen_ = false;
    int width_ = 800;
    int height_ = 600;
    int bitsPerPixel_ = 16;
    std::unique_ptr<platform::DisplayDevice> device_;
    std::unique_ptr<platform::DisplaySurface> primary_;
    // Full screen: the primary's attached buffer (owned by the chain); window mode: backBufferOwned_.
    platform::DisplaySurface* backBuffer_ = nullptr;
    std::unique_ptr<platform::DisplaySurface> backBufferOwned_;
    std::unique_ptr<platform::DisplaySurface> fadeBuffer_;
    std::unique_ptr<platform::DisplayClipper> clipper_;
    bool transitionActive_ = false;
    int transitionKind_ = kSlideFromLeft;
    float transitionDuration_ = 1.0f;
    float transitionTime_ = 0.0f;
};
