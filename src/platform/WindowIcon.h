#pragma once

#include <cstdint>
#include <vector>

// The window's icon, drawn in code: a green frog's head on a lily pad.
namespace platform {

constexpr int kWindowIconSize = 32;

// kWindowIconSize² pixels, 0xAARRGGBB, rows from the top.
std::vector<uint32_t> DrawWindowIcon();

}  // namespace platform
