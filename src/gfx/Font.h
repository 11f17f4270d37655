#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "gfx/Rect.h"

// A bitmap font: one glyph picture (a still sprite of the catalogue) and a ".fnt" text file that
// gives every character's rectangle in that picture. Text is a byte string; each byte is one
// character code. The glyph picture is looked up in the catalogue at every draw.
//
// .fnt lines: "%d %d" (second number: header value 1), "%d %d" texture width and height,
// "%d %d" header value 2 and base offset, "%d" glyph count n, "%d %d" header values 3 and 4, then
// n glyph lines "%x %x %d %d %d %d": low and high byte of the code, a, b, c and an unused number.
class Font {
public:
    static constexpr int kDefaultSpacing = 1;     // extra pixels after every glyph
    static constexpr int kDefaultSpaceWidth = 8;  // advance of a space
    static constexpr int kLineCapacity = 1024;
    static constexpr char kCarriageReturn = '\r';

    Font();
    virtual ~Font();

    // Reads the .fnt file at `path` (a data path) and remembers the glyph sprite's normalised
    // name. A file that cannot be opened, or whose header gives no sensible picture size or glyph
    // count, asks to quit and gives false; damaged glyph lines are named once and left out.
    bool Load(const std::string& path, const std::string& spriteName);

    // Each glyph's top-left corner at (x, y). Right-aligned text ends with its last glyph's
    // rightmost column at x − spacing. False when the glyph sprite is missing.
    bool DrawText(int x, int y, std::string_view text, bool rightAligned = false);
    // Left-aligned, every glyph stretched by the font's scale; a carriage return ends the text.
    bool DrawTextScaled(int x, int y, std::string_view text);
    // Width up to the end or the first carriage return.
    int TextWidth(std::string_view text) const;
    int ScaledTextWidth(std::string_view text) const;

    // The glyph rectangle (inclusive) of a code; (0, 0, 0, 0) for a code without glyph.
    Rect GetGlyph(uint16_t code) const;
    size_t GlyphCount() const { return glyphs_.size(); }

    float GetScale() const { return scale_; }
    void SetScale(float scale) { scale_ = scale; }
    const std::string& GetSpriteName() const { return spriteName_; }
    int GetTextureWidth() const { return textureWidth_; }
    int GetTextureHeight() const { return textureHeight_; }
    int GetBaseOffset() const { return baseOffset_; }

private:
    // Header line `index` (1 … 5); a line that does not parse leaves its fields as they were.
    void ParseHeaderLine(int index, const char* line);
    // False for a line that is no glyph or whose numbers lie outside the picture.
    bool ParseGlyphLine(const char* line);
    Rect GlyphOf(unsigned char c) const { return GetGlyph(c); }

    float scale_ = 1.0f;
    int header1_ = 0;
    int header2_ = 0;
    int header3_ = 0;
    int header4_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    int baseOffset_ = 0;
    int glyphCount_ = 0;
    std::string spriteName_;
    int spacing_ = kDefaultSpacing;
    int spaceWidth_ = kDefaultSpaceWidth;
    std::map<uint16_t, Rect> glyphs_;
};
