#pragma once

#include <cstdint>

// Translation of SDL key codes (the key as the keyboard layout labels it) into virtual-key codes.
namespace platform {

// 0 for keys the game has no code for.
uint32_t VirtualKeyFromKeycode(int32_t sdlKeycode);

}  // namespace platform
