#include "gfx/DirectDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Randomizer.h"
#include "gfx/CheckDxResult.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"
#include "platform/Messages.h"

namespace {

using platform::DD_OK;
using platform::DisplayRect;
using platform::DisplayResult;

// A flip that keeps failing for another reason than surface loss is given up for this frame after
// this many tries, so a broken device cannot hang the game.
constexpr int kMaxFlipAttempts = 16;
constexpr int kPixelFormatExitCode = 1;

}  // namespace

DirectDraw::DirectDraw() = default;

DirectDraw::~DirectDraw() { Release(); }

bool DirectDraw::Fail(DisplayResult result, const char* text) {
    CheckDxResult(result);
    platform::ShowErrorMessage(text);
    return false;
}

bool DirectDraw::Init(void* window, int width, int height, int bitsPerPixel, bool fullScreen) {
    Release();
    window_ = window;
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    fullScreen_ = fullScreen;
    if (!fullScreen_) bitsPerPixel_ = platform::DisplayDevice::DesktopBitsPerPixel();

    if (DisplayResult r = platform::DisplayDevice::Create(device_); r != DD_OK) {
        return Fail(r, "DirectDrawCreate FAILED");
    }
    if (DisplayResult r = device_->SetCooperativeLevel(window_, fullScreen_); r != DD_OK) {
        return Fail(r, "SetCooperativeLevel FAILED");
    }
    if (DisplayResult r = device_->QueryInterface2(); r != DD_OK) return Fail(r, "QueryInterface FAILED");
    if (!CreateSurfaces()) return false;

    for (platform::DisplaySurface* surface : {primary_.get(), backBuffer_, fadeBuffer_.get()}) {
        CheckDxResult(surface->ColorFill(nullptr, 0));
    }
    ReadPixelFormat();
    initialized_ = true;
    return true;
}

bool DirectDraw::CreateSurfaces() {
    if (fullScreen_) {
        if (DisplayResult r = device_->SetDisplayMode(width_, height_, bitsPerPixel_); r != DD_OK) {
            return Fail(r, "SetDisplayMode FAILED");
        }
        if (DisplayResult r = device_->CreatePrimarySurface(true, primary_); r != DD_OK) {
            return Fail(r, "CreateSurface (primary) FAILED");
        }
        if (DisplayResult r = primary_->GetAttachedSurface(backBuffer_); r != DD_OK) {
            return Fail(r, "GetAttachedSurface FAILED");
        }
    } else {
        if (DisplayResult r = device_->CreatePrimarySurface(false, primary_); r != DD_OK) {
            return Fail(r, "CreateSurface (primary) FAILED");
        }
        if (DisplayResult r = device_->CreateOffscreenSurface(width_, height_, backBufferOwned_); r != DD_OK) {
            return Fail(r, "CreateSurface (backbuffer) FAILED");
        }
        backBuffer_ = backBufferOwned_.get();
        if (DisplayResult r = device_->CreateClipper(clipper_); r != DD_OK) return Fail(r, "CreateClipper FAILED");
        if (DisplayResult r = clipper_->SetWindow(window_); r != DD_OK) return Fail(r, "Clipper->SetHWnd FAILED");
        primary_->SetClipper(clipper_.get());
    }
    if (DisplayResult r = device_->CreateOffscreenSurface(width_, height_, fadeBuffer_); r != DD_OK) {
        return Fail(r, "CreateSurface (fadeBackbuffer) FAILED");
    }
    return true;
}

bool DirectDraw::ReadPixelFormat() {
    platform::SurfaceLock lock;
    DisplayResult r = backBuffer_->Lock(nullptr, lock);
    if (r == DD_OK) r = backBuffer_->Unlock();
    // Even when the program is about to end, the format stays meaningful for what still runs.
    const platform::DisplayPixelFormat& f = r == DD_OK ? lock.format : backBuffer_->GetPixelFormat();
    format_ = PixelFormat::FromMasks(f.bitsPerPixel, f.redMask, f.greenMask, f.blueMask);
    if (CheckDxResult(r)) {
        std::fprintf(stderr, "cannot read the display's pixel format: %s\n", DxResultName(r).c_str());
        platform::PostQuitMessage(kPixelFormatExitCode);
        return false;
    }
    return true;
}

bool DirectDraw::Release() {
    initialized_ = false;
    fadeBuffer_.reset();
    backBufferOwned_.reset();
    backBuffer_ = nullptr;
    primary_.reset();
    clipper_.reset();
    device_.reset();
    transitionActive_ = false;
    return true;
}

platform::DisplaySurface* DirectDraw::GetDrawTarget() const {
    return transitionActive_ ? fadeBuffer_.get() : backBuffer_;
}

void DirectDraw::StartTransition(bool zoom) {
    transitionActive_ = true;
    transitionKind_ = zoom ? kZoom : Randomizer::Instance().Next() % kTransitionKinds;
    transitionTime_ = 0.0f;
    transitionDuration_ = kTransitionDuration;
    // Both pictures of the flipping chain must show the old screen, or every other frame of the
    // transition would reveal a stale one behind the new picture.
    if (fullScreen_ && primary_ && backBuffer_) {
        const DisplayResult r = primary_->Blt(nullptr, *backBuffer_, nullptr, platform::BlitKey::None);
        if (r == platform::DDERR_SURFACELOST) {
            SpriteManager::Instance().RequestRestore();
        } else {
            CheckDxResult(r);
        }
    }
}

void DirectDraw::AdvanceTransition(float seconds) { transitionTime_ += std::clamp(seconds, 0.0f, kMaxTransitionStep); }

DirectDraw::TransitionRects DirectDraw::ComputeTransition(int kind, float t, int width, int height) {
    TransitionRects rects;
    switch (kind) {
    case kZoom: {
        const float s = 1.0f - t;
        const int dx = std::clamp(static_cast<int>(s * width * 0.5f), 0, width / 2 - 1);
        const int dy = std::clamp(static_cast<int>(s * height * 0.5f), 0, height / 2 - 1);
        rects.source = DisplayRect{0, 0, width, height};
        rects.destination = DisplayRect{dx, dy, width - dx, height - dy};
        break;
    }
    case kSlideFromRight: {
        const int n = static_cast<int>(std::clamp(std::sqrt(t) * width, 1.0f, static_cast<float>(width)));
        rects.source = DisplayRect{0, 0, n, height};
        rects.destination = DisplayRect{width - n, 0, width, height};
        break;
    }
    default: {
        const int m = static_cast<int>(width - std::clamp(std::sqrt(t) * width, 1.0f, static_cast<float>(width)));
        rects.source = DisplayRect{m, 0, width, height};
        rects.destination = DisplayRect{0, 0, width - m, height};
        break;
    }
    }
    return rects;
}

void DirectDraw::ComposeTransition() {
    const float t = transitionTime_ / transitionDuration_;
    if (t > 1.0f) transitionActive_ = false;  // this frame is still composed with t
    const TransitionRects rects = ComputeTransition(transitionKind_, t, width_, height_);
    const DisplayResult r = backBuffer_->Blt(&rects.destination, *fadeBuffer_, &rects.source, platform::BlitKey::None);
    if (r == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else {
        CheckDxResult(r);
    }
}

void DirectDraw::Present() {
    if (!initialized_) return;
    if (transitionActive_) ComposeTransition();
    if (fullScreen_) {
        for (int attempt = 0; attempt < kMaxFlipAttempts; ++attempt) {
            const DisplayResult r = primary_->Flip();
            if (r == DD_OK) return;
            if (r == platform::DDERR_SURFACELOST) {
                SpriteManager::Instance().RequestRestore();
                return;
            }
            CheckDxResult(r);
        }
        return;
    }
    const DisplayRect client{0, 0, primary_->GetWidth(), primary_->GetHeight()};
    const DisplayResult r = primary_->Blt(&client, *backBuffer_, nullptr, platform::BlitKey::None);
    if (r == platform::DDERR_SURFACELOST) {
        SpriteManager::Instance().RequestRestore();
    } else {
        CheckDxResult(r);
    }
}

void DirectDraw::RestoreSurfaces() {
    for (platform::DisplaySurface* surface : {primary_.get(), backBuffer_, fadeBuffer_.get()}) {
        if (surface) CheckDxResult(surface->Restore());
    }
}
