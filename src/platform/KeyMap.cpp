#include "platform/KeyMap.h"

#include <SDL.h>

#include <array>

#include "platform/VirtualKeys.h"

namespace platform {
namespace {

struct KeyEntry {
    SDL_Keycode keycode;
    uint32_t virtualKey;
};

// Keys whose code is not simply their upper-case character.
constexpr std::array kKeyTable{
    KeyEntry{SDLK_BACKSPACE, VK_BACK},
    KeyEntry{SDLK_TAB, VK_TAB},
    KeyEntry{SDLK_RETURN, VK_RETURN},
    KeyEntry{SDLK_KP_ENTER, VK_RETURN},
    KeyEntry{SDLK_RETURN2, VK_RETURN},
    KeyEntry{SDLK_LSHIFT, VK_SHIFT},
    KeyEntry{SDLK_RSHIFT, VK_SHIFT},
    KeyEntry{SDLK_LCTRL, VK_CONTROL},
    KeyEntry{SDLK_RCTRL, VK_CONTROL},
    KeyEntry{SDLK_LALT, VK_MENU},
    KeyEntry{SDLK_RALT, VK_MENU},
    KeyEntry{SDLK_PAUSE, VK_PAUSE},
    KeyEntry{SDLK_CAPSLOCK, VK_CAPITAL},
    KeyEntry{SDLK_ESCAPE, VK_ESCAPE},
    KeyEntry{SDLK_SPACE, VK_SPACE},
    KeyEntry{SDLK_PAGEUP, VK_PRIOR},
    KeyEntry{SDLK_PAGEDOWN, VK_NEXT},
    KeyEntry{SDLK_END, VK_END},
    KeyEntry{SDLK_HOME, VK_HOME},
    KeyEntry{SDLK_LEFT, VK_LEFT},
    KeyEntry{SDLK_UP, VK_UP},
    KeyEntry{SDLK_RIGHT, VK_RIGHT},
    KeyEntry{SDLK_DOWN, VK_DOWN},
    KeyEntry{SDLK_INSERT, VK_INSERT},
    KeyEntry{SDLK_DELETE, VK_DELETE},
    KeyEntry{SDLK_KP_MULTIPLY, VK_MULTIPLY},
    KeyEntry{SDLK_KP_PLUS, VK_ADD},
    KeyEntry{SDLK_KP_MINUS, VK_SUBTRACT},
    KeyEntry{SDLK_KP_PERIOD, VK_DECIMAL},
    KeyEntry{SDLK_KP_DIVIDE, VK_DIVIDE},
};

constexpr int kFunctionKeys = 12;
constexpr int kKeypadDigits = 10;

}  // namespace

uint32_t VirtualKeyFromKeycode(int32_t sdlKeycode) {
    // Letters are the upper-case code whatever Shift or Caps Lock say: the key, not the character.
    if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z) return static_cast<uint32_t>(sdlKeycode - SDLK_a + 'A');
    if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return static_cast<uint32_t>(sdlKeycode);
    if (sdlKeycode >= SDLK_F1 && sdlKeycode < SDLK_F1 + kFunctionKeys) {
        return VK_F1 + static_cast<uint32_t>(sdlKeycode - SDLK_F1);
    }
    // SDL numbers the keypad 1 … 9, 0.
    if (sdlKeycode >= SDLK_KP_1 && sdlKeycode < SDLK_KP_1 + kKeypadDigits - 1) {
        return VK_NUMPAD0 + 1 + static_cast<uint32_t>(sdlKeycode - SDLK_KP_1);
    }
    if (sdlKeycode == SDLK_KP_0) return VK_NUMPAD0;
    for (const KeyEntry& entry : kKeyTable) {
        if (entry.keycode == sdlKeycode) return entry.virtualKey;
    }
    return 0;
}

}  // namespace platform
