#pragma once

#include "core/Singleton.h"
#include "gfx/Font.h"

// The font of the head-up display, menus and messages ("HUDFont.fnt" with the sprite HUD_FONT).
class HUDFont final : public Font, public Singleton<HUDFont> {
private:
    friend class Singleton<HUDFont>;
    HUDFont() = default;
    ~HUDFont() override = default;
};
