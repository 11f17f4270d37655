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

// Sixteen bytes move in one vector register on every machine we build for.
constexpr size_t kChunk = 16;
using Chunk = uint8_t __attribute__((vector_size(kChunk)));

inline void CopyChunk(uint8_t* to, const uint8_t* from) {
    Chunk v;
    std::memcpy(&v, from, kChunk);
    std::memcpy(to, &v, kChunk);
}

// Decodes a frame whose rows follow each other without a gap, as one long row. Packets copy in
// whole 16-byte chunks: a chunk may run past the packet's end, which is harmless because the
// following packets overwrite those bytes, and it is only done where both the stream and the frame
// have room for it. Full-screen frames decode this way at close to memcpy speed, where a library
// call per packet would cost about as much again. Returns false for a malformed stream; what it did
// not produce is black then.
template <size_t bytesPerPixel>
bool DecodeContiguous(const uint8_t* in, size_t size, uint8_t* out, size_t total) {
    const uint8_t* const inEnd = in + size;
    uint8_t* const outEnd = out + total;
    bool ok = true;
    while (out < outEnd) {
        const int c = in < inEnd ? static_cast<int8_t>(*in++) : 0;
        if (c == 0 || c == -128) {
            ok = false;
            break;
        }
        const size_t count = static_cast<size_t>(c < 0 ? -c : c);
        const size_t bytes = count * bytesPerPixel;
        const size_t dataBytes = c < 0 ? bytes : bytesPerPixel;
        const size_t inLeft = static_cast<size_t>(inEnd - in);
        const size_t outLeft = static_cast<size_t>(outEnd - out);
        if (inLeft < dataBytes || outLeft < bytes) {
            ok = false;
            break;
        }
        if (c < 0) {
            if (inLeft >= bytes + kChunk && outLeft >= bytes + kChunk) {
                for (size_t k = 0; k < bytes; k += kChunk) CopyChunk(out + k, in + k);
            } else {
                std::memcpy(out, in, bytes);
            }
        } else {
            // One chunk filled with the pixel, then stored as often as the run needs.
            uint8_t pattern[kChunk];
            for (size_t k = 0; k < kChunk; k += bytesPerPixel) std::memcpy(pattern + k, in, bytesPerPixel);
            if (outLeft >= bytes + kChunk) {
                for (size_t k = 0; k < bytes; k += kChunk) std::memcpy(out + k, pattern, kChunk);
            } else {
                for (size_t k = 0; k < bytes; k += bytesPerPixel) std::memcpy(out + k, in, bytesPerPixel);
            }
        }
        in += dataBytes;
        out += bytes;
    }
    if (!ok) std::memset(out, 0, static_cast<size_t>(outEnd - out));
    return ok;
}
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
        const size_t rowBytes = static_cast<size_t>(width_) * bytes;
        const uint8_t* stream = frame.GetPixels();
        const size_t size = frame.GetPixelBytes();
        bool decoded = false;
        if (static_cast<size_t>(pitch) != rowBytes) {
            decoded = runlength::Decode(stream, size, width_, height_, bytes, pixels, pitch);
        } else if (bytes == 2) {
            decoded = DecodeContiguous<2>(stream, size, pixels, rowBytes * height_);
        } else {
            decoded = DecodeContiguous<4>(stream, size, pixels, rowBytes * height_);
        }
        if (!decoded) Trace("malformed run-length frame of %d x %d\n", width_, height_);
    }
    UnlockWhole();
}
