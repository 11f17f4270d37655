#pragma once

#include <optional>

#include "game/VolumePanelLayout.h"

// The volume rows of the title menu at run time: the values in the HUD font, a frame round the
// button under the mouse, and which button a click hits. The panel itself is part of the menu's
// picture.
class VolumePanel final {
public:
    // The button holding (x, y), or null.
    static const volume_panel::Button* ButtonAt(int x, int y);
    // `padRow` is the row the gamepad's highlight stands on, framed whole.
    static void Draw(int musicStep, int effectsStep, int mouseX, int mouseY, std::optional<volume_panel::Row> padRow);
};
