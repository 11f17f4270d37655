#pragma once

#include "core/Singleton.h"
#include "gfx/Font.h"

// The font of the score digits ("ScoreFont.fnt" with the sprite SCORE_FONT).
class ScoreFont final : public Font, public Singleton<ScoreFont> {
private:
    friend class Singleton<ScoreFont>;
    ScoreFont() = default;
    ~ScoreFont() override = default;
};
