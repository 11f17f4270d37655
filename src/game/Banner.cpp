#include "game/Banner.h"

#include <algorithm>
#include <utility>

#include "game/LargeText.h"
#include "game/ScreenPaint.h"
#include "gfx/HUDFont.h"

namespace {

constexpr float kPopSeconds = 0.18f;
constexpr float kPopStartFraction = 0.55f;
constexpr int kBandPadding = 14;
constexpr int kSublineGap = 8;

}  // namespace

void Banner::Show(std::string text, std::string subline, float seconds) {
    text_ = std::move(text);
    subline_ = std::move(subline);
    seconds_ = seconds;
    elapsed_ = 0.0f;
    shown_ = true;
}

void Banner::Update(float dt) {
    if (!shown_) return;
    elapsed_ += dt;
    if (seconds_ > 0.0f && elapsed_ >= seconds_) shown_ = false;
}

float Banner::ScaleAt(float elapsed) const {
    const float t = std::clamp(elapsed / kPopSeconds, 0.0f, 1.0f);
    const float ease = 1.0f - (1.0f - t) * (1.0f - t);
    return style_.scale * (kPopStartFraction + (1.0f - kPopStartFraction) * ease);
}

void Banner::Draw(int screenWidth, int screenHeight) const {
    if (!shown_) return;
    HUDFont& font = HUDFont::Instance();
    const int fullHeight = LargeText::Height(font, text_, style_.scale);
    const int sublineHeight = subline_.empty() ? 0 : font.GetBaseOffset() + kSublineGap;
    if (style_.dimWholeField) {
        ScreenPaint::Darken({0, 0, screenWidth, screenHeight}, style_.dimKeep);
    } else {
        ScreenPaint::Darken(
            {0, style_.y - kBandPadding, screenWidth, style_.y + fullHeight + sublineHeight + kBandPadding},
            style_.dimKeep);
    }
    // While it grows, the line stays centred on its final middle.
    const float scale = ScaleAt(elapsed_);
    const int height = LargeText::Height(font, text_, scale);
    LargeText::DrawCentred(font, screenWidth, style_.y + (fullHeight - height) / 2, text_, scale);
    if (!subline_.empty()) {
        font.DrawText((screenWidth - font.TextWidth(subline_)) / 2, style_.y + fullHeight + kSublineGap, subline_);
    }
}
