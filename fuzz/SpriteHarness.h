#pragma once

// Builds a catalogue sprite from the files in the fuzz data folder and draws it where it is
// whole, cut at every edge and far outside, as the game's objects do.

#include <string>

#include "FuzzSupport.h"
#include "gfx/BmpLoader.h"
#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"

namespace fuzz {

// The settings the sprite and font code read.
inline constexpr const char* kDrawingSettings = "smallFontSizeFactor 0.5\n";

// A picture file the catalogue would end the process on (its loader's documented answer to an
// unreadable picture) is refused here already: that answer is no finding.
inline bool BmpReadable(const std::string& name) {
    std::string error;
    return BmpLoader::Instance().TryLoad(std::string(FileLoader::kDataFolder) + name, error) != nullptr;
}

inline void DrawEverywhere(Sprite& sprite, float time) {
    const int w = sprite.GetWidth();
    const int h = sprite.GetHeight();
    const int points[][2] = {{0, 0},  {400, 300}, {-w / 2, -h / 2}, {800 - w / 2, 600 - h / 2},
                             {-w, 0}, {800, 600}, {-100000, 5},     {3, 100000}};
    for (const auto& p : points) {
        sprite.SetTime(time);
        sprite.Draw(p[0], p[1]);
        sprite.DrawCentered(p[0], p[1]);
    }
    sprite.DrawStretched(10, 10, 2 * w + 1, h / 2 + 1);
    sprite.DrawRegion(Rect{1, 1, w / 2, h / 2}, 100, 100);
}

// Builds the sprite of `spec` plain and mirrored, draws each at a few times, and forgets them.
inline void BuildAndDraw(const SpriteSpec& spec) {
    OpenHeadlessDisplay();
    SpriteManager& sprites = SpriteManager::Instance();
    sprites.RegisterSpec(spec);
    for (bool mirrored : {false, true}) {
        Sprite* sprite = sprites.CreateSprite(spec, mirrored);
        if (!sprite) continue;
        for (float time : {0.0f, 0.3f, 1.7f, 1e6f, -2.0f}) DrawEverywhere(*sprite, time);
    }
    sprites.CheckInvalidSprites();
    sprites.Clear();
    platform::ResetQuitState();
}

}  // namespace fuzz
