#include "game/LargeText.h"

#include <algorithm>
#include <cmath>

#include "gfx/Font.h"
#include "gfx/Rect.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"

namespace {

int Scaled(int pixels, float scale) { return static_cast<int>(std::lround(static_cast<float>(pixels) * scale)); }

}  // namespace

int LargeText::Width(const Font& font, std::string_view text, float scale) {
    int width = 0;
    for (const char ch : text) {
        if (ch == ' ') {
            width += Scaled(Font::kDefaultSpaceWidth, scale);
            continue;
        }
        const Rect g = font.GetGlyph(static_cast<unsigned char>(ch));
        width += Scaled(g.right - g.left, scale) + Scaled(Font::kDefaultSpacing, scale);
    }
    return width;
}

int LargeText::Height(const Font& font, std::string_view text, float scale) {
    int height = 0;
    for (const char ch : text) {
        const Rect g = font.GetGlyph(static_cast<unsigned char>(ch));
        height = std::max(height, g.bottom - g.top);
    }
    return Scaled(height, scale);
}

void LargeText::Draw(Font& font, int x, int y, std::string_view text, float scale) {
    Sprite* sprite = SpriteManager::Instance().GetSprite(font.GetSpriteName(), false);
    if (!sprite) return;
    for (const char ch : text) {
        if (ch == ' ') {
            x += Scaled(Font::kDefaultSpaceWidth, scale);
            continue;
        }
        const Rect g = font.GetGlyph(static_cast<unsigned char>(ch));
        const int w = Scaled(g.right - g.left, scale);
        sprite->DrawRegionStretched(g, Rect{x, y, x + w, y + Scaled(g.bottom - g.top, scale)});
        x += w + Scaled(Font::kDefaultSpacing, scale);
    }
}

void LargeText::DrawCentred(Font& font, int screenWidth, int y, std::string_view text, float scale) {
    Draw(font, (screenWidth - Width(font, text, scale)) / 2, y, text, scale);
}
