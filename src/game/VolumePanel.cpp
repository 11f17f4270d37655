#include "game/VolumePanel.h"

#include <string>

#include "game/ScreenPaint.h"
#include "game/VolumeSteps.h"
#include "gfx/HUDFont.h"

namespace {

// Orange like the menu's buttons: a pale frame is lost on the cream panel.
constexpr ScreenPaint::Colour kHighlight{235, 125, 20};
constexpr int kFrame = 2;

void FrameBox(const volume_panel::Box& b) {
    ScreenPaint::Fill({b.left, b.top, b.right, b.top + kFrame}, kHighlight);
    ScreenPaint::Fill({b.left, b.bottom - kFrame, b.right, b.bottom}, kHighlight);
    ScreenPaint::Fill({b.left, b.top, b.left + kFrame, b.bottom}, kHighlight);
    ScreenPaint::Fill({b.right - kFrame, b.top, b.right, b.bottom}, kHighlight);
}

}  // namespace

const volume_panel::Button* VolumePanel::ButtonAt(int x, int y) {
    for (const volume_panel::Button& button : volume_panel::kButtons) {
        if (button.box.Contains(x, y)) return &button;
    }
    return nullptr;
}

void VolumePanel::Draw(int musicStep, int effectsStep, int mouseX, int mouseY,
                       std::optional<volume_panel::Row> padRow) {
    HUDFont& font = HUDFont::Instance();
    const int steps[2] = {musicStep, effectsStep};
    for (int row = 0; row < 2; ++row) {
        const std::string text = VolumeSteps::Percent(steps[row]);
        const int y = volume_panel::kRowTop[row] + (volume_panel::kRowHeight - font.GetBaseOffset()) / 2;
        font.DrawText(volume_panel::kValueCentre - font.TextWidth(text) / 2, y, text);
    }
    if (const volume_panel::Button* hovered = ButtonAt(mouseX, mouseY)) FrameBox(hovered->box);
    if (padRow) FrameBox(volume_panel::RowBox(*padRow));
}
