#include "game/ShowDownTally.h"

#include <cmath>
#include <string>

#include "game/LargeText.h"
#include "game/ScreenPaint.h"
#include "gfx/HUDFont.h"

namespace {

// Player texts are Latin-1 bytes, as the fonts read them.
constexpr const char* kCongratulation =
    "Herzlichen Gl\xFC"
    "ckwunsch!";
constexpr const char* kAllLevelsDone = "Alle Level geschafft!";
constexpr const char* kGoOn = "Weiter mit einer beliebigen Taste";
constexpr std::array<const char*, ShowDownTally::kRows> kLabels{
    "Fr\xF6sche im Ziel", "Insekten gefressen", "Sterne gesammelt", "Zeitbonus", "Gesamt",
};

constexpr float kTitleScale = 1.8f;
constexpr int kTitleY = 40;
constexpr int kSublineY = 104;
constexpr int kPanelTop = 284;
constexpr int kPanelWidth = 420;
constexpr int kPanelPadding = 16;
constexpr int kRowHeight = 34;
constexpr int kTotalGap = 10;  // the total stands a little apart
constexpr int kGoOnGap = 8;
constexpr int kPanelDimKeep = 90;
constexpr uint32_t kBlinkPeriodMs = 1000;
constexpr uint32_t kBlinkOnMs = 700;
constexpr size_t kTotalRow = ShowDownTally::kRows - 1;

int RowY(size_t row) {
    return kPanelTop + kPanelPadding + kRowHeight * static_cast<int>(row) + (row == kTotalRow ? kTotalGap : 0);
}

}  // namespace

void ShowDownTally::Start(const std::array<int32_t, kRows>& values) {
    values_ = values;
    elapsed_ = 0.0f;
    started_ = true;
}

bool ShowDownTally::IsFinished() const { return started_ && elapsed_ >= RowStart(kRows - 1) + kCountSeconds; }

bool ShowDownTally::RowShown(size_t row) const { return started_ && row < kRows && elapsed_ >= RowStart(row); }

int32_t ShowDownTally::ShownValue(size_t row) const {
    if (!RowShown(row)) return 0;
    const float t = (elapsed_ - RowStart(row)) / kCountSeconds;
    if (t >= 1.0f) return values_[row];
    // Fast at first, slowing into the final figure.
    const float eased = 1.0f - (1.0f - t) * (1.0f - t);
    return static_cast<int32_t>(std::floor(static_cast<float>(values_[row]) * eased));
}

void ShowDownTally::Update(float dt, std::vector<const char*>& sounds) {
    if (!started_ || dt <= 0.0f) return;
    const float before = elapsed_;
    elapsed_ += dt;
    for (size_t row = 0; row < kRows; ++row) {
        const float start = RowStart(row);
        const float end = start + kCountSeconds;
        // Ticks at start, start + kTickSeconds, … while the row counts; none for a zero.
        if (values_[row] != 0) {
            for (float tick = start; tick < end; tick += kTickSeconds) {
                if (tick >= before && tick < elapsed_) sounds.push_back(kTickSound);
            }
        }
        if (end >= before && end < elapsed_) sounds.push_back(row == kTotalRow ? kTotalSound : kRowSound);
    }
}

void ShowDownTally::Draw(int screenWidth, int screenHeight, uint32_t nowMs) const {
    if (!started_) return;
    (void)screenHeight;
    HUDFont& font = HUDFont::Instance();
    LargeText::DrawCentred(font, screenWidth, kTitleY, kCongratulation, kTitleScale);
    font.DrawText((screenWidth - font.TextWidth(kAllLevelsDone)) / 2, kSublineY, kAllLevelsDone);

    const int left = (screenWidth - kPanelWidth) / 2;
    const int right = left + kPanelWidth;
    const int bottom = RowY(kTotalRow) + kRowHeight + kPanelPadding;
    ScreenPaint::Darken({left, kPanelTop, right, bottom}, kPanelDimKeep);
    for (size_t row = 0; row < kRows; ++row) {
        if (!RowShown(row)) continue;
        const int y = RowY(row);
        font.DrawText(left + kPanelPadding, y, kLabels[row]);
        font.DrawText(right - kPanelPadding, y, std::to_string(ShownValue(row)), true);
    }
    if (IsFinished() && nowMs % kBlinkPeriodMs < kBlinkOnMs) {
        font.DrawText((screenWidth - font.TextWidth(kGoOn)) / 2, bottom + kGoOnGap, kGoOn);
    }
}
