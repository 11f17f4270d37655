#pragma once

// The game's fixed screen size in pixels; the world maps onto it one unit per pixel.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
