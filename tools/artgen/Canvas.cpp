#include "Canvas.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) {
        throw std::runtime_error("canvas size " + std::to_string(width) + " x " + std::to_string(height) + " is empty");
    }
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Canvas::Pixel Canvas::At(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    uint32_t value;
    std::memcpy(&value, data + y * stride + x * 4, 4);
    Pixel p;
    p.a = static_cast<uint8_t>(value >> 24);
    const uint32_t r = (value >> 16) & 0xFF, g = (value >> 8) & 0xFF, b = value & 0xFF;
    if (p.a == 0) {
        p.r = p.g = p.b = 0;
    } else {
        // Premultiplied storage: divide with rounding to get the colour the artist meant.
        p.r = static_cast<uint8_t>(std::min<uint32_t>(255, (r * 255 + p.a / 2) / p.a));
        p.g = static_cast<uint8_t>(std::min<uint32_t>(255, (g * 255 + p.a / 2) / p.a));
        p.b = static_cast<uint8_t>(std::min<uint32_t>(255, (b * 255 + p.a / 2) / p.a));
    }
    return p;
}

bool Canvas::BoundingBox(int x0, int y0, int w, int h, int minAlpha, int& left, int& top, int& right,
                         int& bottom) const {
    Flush();
    left = top = 1 << 30;
    right = bottom = -1;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            if (At(x, y).a >= minAlpha) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right >= 0;
}

void Canvas::ShiftRect(int x0, int y0, int w, int h, int dx, int dy) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint32_t> copy(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        std::memcpy(&copy[static_cast<size_t>(y) * w], data + (y0 + y) * stride + x0 * 4, w * 4u);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int sx = x - dx, sy = y - dy;
            const uint32_t v = (sx >= 0 && sx < w && sy >= 0 && sy < h) ? copy[static_cast<size_t>(sy) * w + sx] : 0;
            std::memcpy(data + (y0 + y) * stride + (x0 + x) * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(surface_);
}

FrameStrip::FrameStrip(int frameWidth, int frameHeight, int frameCount)
    : Canvas(frameWidth, frameHeight * frameCount),
      frameWidth_(frameWidth),
      frameHeight_(frameHeight),
      frameCount_(frameCount) {}

FrameStrip::Scope::Scope(const FrameStrip& strip, int index) : cr_(strip.Cr()) {
    cairo_save(cr_);
    cairo_rectangle(cr_, 0, static_cast<double>(index) * strip.FrameHeight(), strip.FrameWidth(), strip.FrameHeight());
    cairo_clip(cr_);
    cairo_translate(cr_, 0, static_cast<double>(index) * strip.FrameHeight());
}

FrameStrip::Scope::~Scope() { cairo_restore(cr_); }
