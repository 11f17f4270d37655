#include "game/TruckWarning.h"

#include <algorithm>

#include "game/ScreenPaint.h"
#include "gfx/HUDFont.h"

namespace {

constexpr const char* kCallText = "Spring ab!";
// The call blinks fast (150 ms on, 100 ms off) so it catches the eye on a busy road.
constexpr uint32_t kBlinkPeriodMs = 250;
constexpr uint32_t kBlinkOnMs = 150;
constexpr int kTextAboveFrog = 70;
constexpr int kBarAboveFrog = 36;
constexpr int kBarWidth = 48;
constexpr int kBarHeight = 7;
constexpr int kFrameWidth = 1;
constexpr ScreenPaint::Colour kFrameColour{26, 34, 51};
constexpr ScreenPaint::Colour kBarColour{255, 96, 48};
constexpr ScreenPaint::Colour kEmptyColour{90, 90, 90};

}  // namespace

std::optional<float> TruckWarning::Remaining(float killInterval, float rideSeconds) {
    const float left = killInterval - rideSeconds;
    if (killInterval <= 0.0f || left > kWarningSeconds) return std::nullopt;
    return std::clamp(left / kWarningSeconds, 0.0f, 1.0f);
}

void TruckWarning::Draw(int x, int y, float remaining, uint32_t nowMs) {
    HUDFont& font = HUDFont::Instance();
    if (nowMs % kBlinkPeriodMs < kBlinkOnMs)
        font.DrawText(x - font.TextWidth(kCallText) / 2, y - kTextAboveFrog, kCallText);
    const int left = x - kBarWidth / 2;
    const int top = y - kBarAboveFrog;
    ScreenPaint::Fill(
        {left - kFrameWidth, top - kFrameWidth, left + kBarWidth + kFrameWidth, top + kBarHeight + kFrameWidth},
        kFrameColour);
    ScreenPaint::Fill({left, top, left + kBarWidth, top + kBarHeight}, kEmptyColour);
    const int filled = static_cast<int>(static_cast<float>(kBarWidth) * std::clamp(remaining, 0.0f, 1.0f) + 0.5f);
    ScreenPaint::Fill({left, top, left + filled, top + kBarHeight}, kBarColour);
}
