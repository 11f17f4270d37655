#pragma once

#include <cstdint>
#include <memory>

#include "gfx/Rect.h"
#include "platform/DisplayResult.h"

class Image;
namespace platform {
class DisplaySurface;
}

// One off-screen surface in the display's format holding sprite pixels. Its source colour key is
// black, so black pixels are not copied by keyed blits.
//
// Uploads lock the whole surface. Surface loss during an upload asks the sprite catalogue to
// restore the surfaces and skips the copy; any other lock or unlock failure is fatal (quit request
// with exit code −1).
class Surface final {
public:
    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Releases a previous surface and creates one of width × height. False (and no surface) when
    // creation or setting the colour key fails.
    bool Create(int width, int height);
    void Release();

    // Copies the surface-sized window of `image` whose top-left pixel is (x, y); the image has the
    // display's pixel format. Pixels of the window outside the image are left as they are.
    void Upload(const Image& image, int x, int y);
    // Copies the surface pixels (u, v) inside `rect` (inclusive) from image pixel (x + u, y + v).
    // Copies nothing when the rectangle does not lie inside the surface.
    void UploadRect(const Image& image, int x, int y, const Rect& rect);
    // Decodes one run-length frame of the surface's size into the surface.
    void UploadRunLengthFrame(const Image& frame);

    platform::DisplayResult Restore();

    platform::DisplaySurface* Get() const { return surface_.get(); }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

private:
    // Locks the whole surface; handles the failures as described above. False when nothing may be
    // written.
    bool LockWhole(uint8_t*& pixels, int& pitch);
    void UnlockWhole();

    std::unique_ptr<platform::DisplaySurface> surface_;
    int width_ = 0;
    int height_ = 0;
};
