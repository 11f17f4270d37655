#include "gfx/Font.h"

#include <cstdio>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/File.h"
#include "gfx/QuitRequest.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"

namespace {

constexpr const char* kScaleKey = "smallFontSizeFactor";
constexpr int kHeaderLines = 5;
// Glyphs at the very top of the picture sit this many pixels further right.
constexpr int kTopRowShift = 4;
constexpr int kCodeBytes = 256;

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
    for (int i = 0; i < glyphCount_; ++i) {
        if (!file.ReadLine(line, kLineCapacity)) break;
        ParseGlyphLine(line, path);
    }
    file.Close();
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

void Font::ParseGlyphLine(const char* line, const std::string& path) {
    unsigned int low = 0;
    unsigned int high = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    int unused = 0;
    // A glyph needs its code and all three coordinates; anything less is no glyph.
    if (std::sscanf(line, "%x %x %d %d %d %d", &low, &high, &a, &b, &c, &unused) < 5) return;
    const uint16_t code = static_cast<uint16_t>((high * kCodeBytes + low) & 0xFFFF);
    Rect r;
    r.top = textureHeight_ - baseOffset_ - b;
    r.bottom = textureHeight_ - b - 1;
    const int shift = r.top == 0 ? kTopRowShift : 0;
    if (textureWidth_ > 0) {
        r.left = (a + shift) % textureWidth_;
        r.right = (c + shift) % textureWidth_;
    } else {
        // No width to wrap at: the coordinates stand as they are.
        if (!reportedWidth_) {
            std::fprintf(stderr, "%s: texture width %d is not positive\n", path.c_str(), textureWidth_);
            reportedWidth_ = true;
        }
        r.left = a + shift;
        r.right = c + shift;
    }
    glyphs_[code] = r;
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
