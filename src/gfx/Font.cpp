#include "gfx/Font.h"

#include <cstdio>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/File.h"
#include "gfx/QuitRequest.h"
#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"

namespace {

constexpr const char* kScaleKey = "smallFontSizeFactor";
constexpr int kHeaderLines = 5;
// Glyphs at the very top of the picture sit this many pixels further right.
constexpr int kTopRowShift = 4;
constexpr int kCodeBytes = 256;
// One glyph per 16-bit code at most.
constexpr int kMaxGlyphs = 65536;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

Font::Font() = default;
Font::~Font() = default;

bool Font::Load(const std::string& path, const std::string& spriteName) {
    scale_ = SettingsManager::Instance().GetFloat(kScaleKey);
    spriteName_ = spriteName;
    spacing_ = kDefaultSpacing;
    spaceWidth_ = kDefaultSpaceWidth;

    File file;
    if (!file.Open(path, "r")) {
        RequestQuit(StringFormat("%s: font file cannot be opened", path.c_str()));
        return false;
    }
    char line[kLineCapacity];
    for (int index = 1; index <= kHeaderLines; ++index) {
        if (!file.ReadLine(line, kLineCapacity)) break;
        ParseHeaderLine(index, line);
    }
    // Every number below is bounded by the picture, so no glyph arithmetic can overflow.
    if (!Within(textureWidth_, 1, Image::kMaxDimension) || !Within(textureHeight_, 1, Image::kMaxDimension) ||
        !Within(baseOffset_, 0, textureHeight_) || !Within(glyphCount_, 1, kMaxGlyphs)) {
        RequestQuit(StringFormat("%s: damaged font file: texture %d x %d, base offset %d, %d glyphs", path.c_str(),
                                 textureWidth_, textureHeight_, baseOffset_, glyphCount_));
        return false;
    }
    int read = 0;
    int damaged = 0;
    for (; read < glyphCount_; ++read) {
        if (!file.ReadLine(line, kLineCapacity)) break;
        if (!ParseGlyphLine(line) && damaged++ == 0) {
            std::fprintf(stderr, "%s: glyph line %d is damaged; its character is left out\n", path.c_str(),
                         kHeaderLines + read + 1);
        }
    }
    file.Close();
    if (read < glyphCount_) {
        std::fprintf(stderr, "%s: %d glyphs declared but %d found\n", path.c_str(), glyphCount_, read);
    }
    return true;
}

void Font::ParseHeaderLine(int index, const char* line) {
    int first = 0;
    int second = 0;
    const int parsed = std::sscanf(line, "%d %d", &first, &second);
    switch (index) {
    case 1:
        if (parsed >= 2) header1_ = second;
        break;
    case 2:
        if (parsed >= 1) textureWidth_ = first;
        if (parsed >= 2) textureHeight_ = second;
        break;
    case 3:
        if (parsed >= 1) header2_ = first;
        if (parsed >= 2) baseOffset_ = second;
        break;
    case 4:
        if (parsed >= 1) glyphCount_ = first;
        break;
    case 5:
        if (parsed >= 1) header3_ = first;
        if (parsed >= 2) header4_ = second;
        break;
    default: break;
    }
}

bool Font::ParseGlyphLine(const char* line) {
    unsigned int low = 0;
    unsigned int high = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    int unused = 0;
    // A glyph needs its code and all three coordinates, each no further from the picture than the
    // largest picture is wide (x coordinates wrap, and a glyph may start left of the picture).
    if (std::sscanf(line, "%x %x %d %d %d %d", &low, &high, &a, &b, &c, &unused) < 5) return false;
    constexpr int kFar = Image::kMaxDimension;
    if (low >= kCodeBytes || high >= kCodeBytes || !Within(a, -kFar, kFar) || !Within(b, -kFar, kFar) ||
        !Within(c, -kFar, kFar)) {
        return false;
    }
    const auto code = static_cast<uint16_t>(high * kCodeBytes + low);
    Rect r;
    r.top = textureHeight_ - baseOffset_ - b;
    r.bottom = textureHeight_ - b - 1;
    const int shift = r.top == 0 ? kTopRowShift : 0;
    r.left = (a + shift) % textureWidth_;
    r.right = (c + shift) % textureWidth_;
    glyphs_[code] = r;
    return true;
}

Rect Font::GetGlyph(uint16_t code) const {
    const auto it = glyphs_.find(code);
    return it == glyphs_.end() ? Rect{} : it->second;
}

bool Font::DrawText(int x, int y, std::string_view text, bool rightAligned) {
    Sprite* sprite = SpriteManager::Instance().GetSprite(spriteName_, false);
    if (!sprite) return false;
    if (!rightAligned) {
        for (const char ch : text) {
            if (ch == ' ') {
                x += spaceWidth_;
                continue;
            }
            const Rect g = GlyphOf(static_cast<unsigned char>(ch));
            sprite->DrawRegion(g, x, y);
            x += g.right - g.left + spacing_;
        }
        return true;
    }
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it == ' ') {
            x -= spaceWidth_;
            continue;
        }
        const Rect g = GlyphOf(static_cast<unsigned char>(*it));
        x += g.left - g.right - spacing_;
        sprite->DrawRegion(g, x, y);
    }
    return true;
}

bool Font::DrawTextScaled(int x, int y, std::string_view text) {
    Sprite* sprite = SpriteManager::Instance().GetSprite(spriteName_, false);
    if (!sprite) return false;
    const float s = scale_;
    for (const char ch : text) {
        if (ch == kCarriageReturn) break;
        if (ch == ' ') {
            x = static_cast<int>(static_cast<float>(x) + static_cast<float>(spaceWidth_) * s);
            continue;
        }
        const Rect g = GlyphOf(static_cast<unsigned char>(ch));
        const Rect dst{x, y, static_cast<int>(static_cast<float>(g.right - g.left) * s + static_cast<float>(x)),
                       static_cast<int>(static_cast<float>(g.bottom - g.top) * s + static_cast<float>(y))};
        sprite->DrawRegionStretched(g, dst);
        x = static_cast<int>(static_cast<float>(g.right - g.left) * s + static_cast<float>(spacing_) +
                             static_cast<float>(x));
    }
    return true;
}

int Font::TextWidth(std::string_view text) const {
    int width = 0;
    for (const char ch : text) {
        if (ch == kCarriageReturn) break;
        if (ch == ' ') {
            width += spaceWidth_;
        } else {
            const Rect g = GlyphOf(static_cast<unsigned char>(ch));
            width += g.right + spacing_ - g.left;
        }
    }
    return width;
}

int Font::ScaledTextWidth(std::string_view text) const {
    return static_cast<int>(static_cast<float>(TextWidth(text)) * scale_);
}
