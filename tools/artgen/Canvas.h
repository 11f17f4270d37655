#pragma once

#include <cairo.h>
#include <cstdint>

// A cairo ARGB32 picture, transparent when created. Pixels come back un-premultiplied.
class Canvas {
public:
    Canvas(int width, int height);
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    struct Pixel {
        uint8_t r, g, b, a;
    };

    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Finishes pending drawing; call before reading pixels with At.
    void Flush() const { cairo_surface_flush(surface_); }
    // Un-premultiplied colour and coverage of one pixel.
    Pixel At(int x, int y) const;
    // Smallest rectangle holding every pixel with coverage >= minAlpha; false when there is none.
    bool BoundingBox(int x0, int y0, int w, int h, int minAlpha, int& left, int& top, int& right, int& bottom) const;
    // Moves the pixels of a rectangle by (dx, dy) inside itself; what moves out is lost.
    void ShiftRect(int x0, int y0, int w, int h, int dx, int dy);

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Frames of one animation stacked vertically in one picture, as the sprite catalogue slices them.
class FrameStrip final : public Canvas {
public:
    FrameStrip(int frameWidth, int frameHeight, int frameCount);

    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    int FrameCount() const { return frameCount_; }

    // While alive, the strip's cairo context draws into frame `index` with (0, 0) at its top-left
    // corner and everything outside the frame clipped.
    class Scope {
    public:
        Scope(const FrameStrip& strip, int index);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        cairo_t* Cr() const { return cr_; }

    private:
        cairo_t* cr_;
    };
    Scope Frame(int index) const { return Scope(*this, index); }

private:
    int frameWidth_;
    int frameHeight_;
    int frameCount_;
};
