#include "platform/WindowIcon.h"

#include <array>
#include <cstddef>

namespace platform {
namespace {

struct Disc {
    float cx, cy, radius;
    uint32_t colour;
};

// Painted in order, later discs over earlier ones.
constexpr std::array kIconDiscs{
    Disc{16.0f, 20.0f, 11.5f, 0xFF2E7D32u},                                         // the pad
    Disc{16.0f, 17.0f, 9.0f, 0xFF66BB33u},                                          // the head
    Disc{10.5f, 10.5f, 4.5f, 0xFF66BB33u},                                          // eye bumps
    Disc{21.5f, 10.5f, 4.5f, 0xFF66BB33u},  Disc{10.5f, 10.0f, 3.0f, 0xFFFFFFFFu},  // eyes
    Disc{21.5f, 10.0f, 3.0f, 0xFFFFFFFFu},  Disc{11.0f, 10.5f, 1.5f, 0xFF101010u},  // pupils
    Disc{21.0f, 10.5f, 1.5f, 0xFF101010u},
};

}  // namespace

std::vector<uint32_t> DrawWindowIcon() {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(kWindowIconSize) * kWindowIconSize, 0);
    for (int y = 0; y < kWindowIconSize; ++y) {
        for (int x = 0; x < kWindowIconSize; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            for (const Disc& disc : kIconDiscs) {
                const float dx = px - disc.cx, dy = py - disc.cy;
                if (dx * dx + dy * dy <= disc.radius * disc.radius) pixels[y * kWindowIconSize + x] = disc.colour;
            }
            // The mouth: a dark arc across the lower head.
            const float mx = px - 16.0f, my = py - 16.0f;
            const float ring = mx * mx + my * my;
            if (my > 2.0f && ring >= 30.0f && ring <= 40.0f) pixels[y * kWindowIconSize + x] = 0xFF1B5E20u;
        }
    }
    return pixels;
}

}  // namespace platform
