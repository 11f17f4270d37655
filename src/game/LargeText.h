#pragma once

#include <string_view>

class Font;

// Text of a bitmap font drawn larger than the font's own size (each glyph stretched), for the
// few big words over the play field: the pause, the game over, the level announcement.
class LargeText final {
public:
    // Width in pixels of `text` at `scale`.
    static int Width(const Font& font, std::string_view text, float scale);
    // Glyph height (the tallest glyph rectangle of the text) at `scale`.
    static int Height(const Font& font, std::string_view text, float scale);
    // Left edge at x, top at y.
    static void Draw(Font& font, int x, int y, std::string_view text, float scale);
    // Horizontally centred on the screen of width `screenWidth`.
    static void DrawCentred(Font& font, int screenWidth, int y, std::string_view text, float scale);
};
