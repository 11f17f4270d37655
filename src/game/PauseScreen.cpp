#include "game/PauseScreen.h"

#include "game/HudFormat.h"
#include "game/LargeText.h"
#include "game/ScreenPaint.h"
#include "gfx/HUDFont.h"

namespace {

constexpr int kDimKeep = 100;
constexpr float kTitleScale = 3.0f;
// Above and below the two message lines (y 236 and 276), which show in the word's off periods.
constexpr int kTitleY = 120;
constexpr int kGoOnY = 380;
constexpr int kLeaveY = 420;

void DrawCentred(HUDFont& font, int screenWidth, int y, const char* text) {
    font.DrawText((screenWidth - font.TextWidth(text)) / 2, y, text);
}

}  // namespace

void PauseScreen::Draw(int screenWidth, int screenHeight, uint32_t nowMs) {
    ScreenPaint::Darken({0, 0, screenWidth, screenHeight}, kDimKeep);
    HUDFont& font = HUDFont::Instance();
    // The word blinks as the pause text always has (two periods of three); the way on stays.
    if (HudFormat::PauseTextShown(nowMs)) LargeText::DrawCentred(font, screenWidth, kTitleY, kTitle, kTitleScale);
    DrawCentred(font, screenWidth, kGoOnY, kGoOn);
    DrawCentred(font, screenWidth, kLeaveY, kLeave);
}
