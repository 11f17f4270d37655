#include "platform/KeyMap.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"

namespace {

struct KeyCase {
    SDL_Keycode keycode;
    uint32_t virtualKey;
};

TEST(KeyMapTest, MapsTheKeysOfTheGameToTheirVirtualKeyCodes) {
    const KeyCase cases[] = {
        {SDLK_ESCAPE, 27},
        {SDLK_SPACE, 32},
        {SDLK_LEFT, 37},
        {SDLK_UP, 38},
        {SDLK_RIGHT, 39},
        {SDLK_DOWN, 40},
        {SDLK_a, 65},
        {SDLK_c, 67},
        {SDLK_m, 77},
        {SDLK_z, 90},
        {SDLK_0, 48},
        {SDLK_9, 57},
        {SDLK_BACKSPACE, 8},
        {SDLK_RETURN, 13},
        {SDLK_KP_ENTER, 13},
        {SDLK_F1, platform::VK_F1},
        {SDLK_F12, platform::VK_F1 + 11},
        {SDLK_KP_0, platform::VK_NUMPAD0},
        {SDLK_KP_9, platform::VK_NUMPAD0 + 9},
        {SDLK_LSHIFT, platform::VK_SHIFT},
        {SDLK_RCTRL, platform::VK_CONTROL},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(platform::VirtualKeyFromKeycode(c.keycode), c.virtualKey) << SDL_GetKeyName(c.keycode);
    }
}

TEST(KeyMapTest, KeysWithoutACodeGiveZero) {
    // The German layout's ä key reports the character itself as its key code.
    EXPECT_EQ(platform::VirtualKeyFromKeycode(0xE4), 0u);
    EXPECT_EQ(platform::VirtualKeyFromKeycode(SDLK_UNKNOWN), 0u);
    EXPECT_EQ(platform::VirtualKeyFromKeycode(SDLK_F13), 0u);
}

}  // namespace
