// HUDFont.fnt + HUD_FONT and ScoreFont.fnt + SCORE_FONT: bitmap fonts for every character code
// 32 … 255 (Latin-1, with the Windows-1252 letters in 128 … 159), rendered from DejaVu Sans Bold
// with a light fill and a dark outline so they read over any background.
//
// A glyph record "low high a b c 0" gives the rectangle top = H - base - b, bottom = H - b - 1,
// left = a, right = c (H the picture's height, base the glyph height); in the picture's first
// row (top 0) the reader shifts left and right by 4, so those records carry a and c 4 smaller.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenText.h"
#include "core/StringUtil.h"

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kTextureWidth = 512;
constexpr int kTopRowShift = 4;
constexpr int kGlyphGap = 2;  // magenta between glyph rectangles, so outlines never bleed over

struct FontStyle {
    const char* name;      // sprite name
    const char* fileName;  // .fnt file
    double pixelSize;      // em size
    int glyphHeight;       // height of every glyph rectangle (the reader's base offset)
    double baseline;       // from the top of a glyph rectangle
    double outline;
    paint::Color fill;
    paint::Color outlineColor;
};

const FontStyle kFonts[] = {
    {"HUD_FONT", "HUDFont.fnt", 22, 32, 23, 2.0, paint::Hex(0xfff8e4), paint::Hex(0x1a2233)},
    {"SCORE_FONT", "ScoreFont.fnt", 19, 28, 20, 2.0, paint::Hex(0xffcf2e), paint::Hex(0x4a1d08)},
};

// The character a code stands for, as Unicode. Codes 128 … 159 follow Windows-1252 (the
// typographic quotes, dashes, the euro sign); its five unused codes and 127 show a box.
uint32_t CodePoint(int code) {
    static const uint16_t kWindows1252[32] = {0x20AC, 0x25A1, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x25A1, 0x017D, 0x25A1,
                                              0x25A1, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x25A1, 0x017E, 0x0178};
    if (code == 127) return 0x25A1;
    if (code >= 128 && code < 160) return kWindows1252[code - 128];
    if (code == 0xAD) return '-';  // the soft hyphen, visible
    return static_cast<uint32_t>(code);
}

std::string Utf8(uint32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

struct Glyph {
    int code;
    std::string text;
    int left, top, width;
    double advance;
};

void BuildFont(ArtContext& ctx, const FontStyle& style) {
    ScreenText face;
    if (!face.Ok()) {
        ctx.Fail(std::string(style.fileName) + ": the DejaVu face cannot be loaded");
        return;
    }
    // Measure every glyph, then lay them out in rows.
    std::vector<Glyph> glyphs;
    {
        Canvas scratch(4, 4);
        face.Use(scratch.Cr(), style.pixelSize);
        int x = 0, top = 0;
        for (int code = kFirstCode; code <= kLastCode; ++code) {
            Glyph g{code, Utf8(CodePoint(code)), 0, 0, 0, 0};
            cairo_text_extents_t extents;
            cairo_text_extents(scratch.Cr(), g.text.c_str(), &extents);
            g.advance = extents.x_advance;
            // The pen moves by the rectangle's width: the advance plus room for the outline.
            g.width = std::max(4, static_cast<int>(std::ceil(g.advance + style.outline * 0.5)));
            if (x + g.width > kTextureWidth) {
                x = 0;
                top += style.glyphHeight + kGlyphGap;
            }
            g.left = x;
            g.top = top;
            x += g.width + kGlyphGap;
            glyphs.push_back(g);
        }
    }
    const int height = glyphs.back().top + style.glyphHeight;
    Canvas canvas(kTextureWidth, height);
    cairo_t* cr = canvas.Cr();
    std::string fnt;
    fnt += StringFormat("1 %d  format, pixel size\n", static_cast<int>(style.pixelSize));
    fnt += StringFormat("%d %d  picture width, height\n", kTextureWidth, height);
    fnt += StringFormat("0 %d  -, glyph height\n", style.glyphHeight);
    fnt += StringFormat("%d  glyphs\n", static_cast<int>(glyphs.size()));
    fnt += StringFormat("%d %d  outline, spacing\n", static_cast<int>(style.outline), 1);
    for (const Glyph& g : glyphs) {
        if (g.code != ' ' && g.code != 0xA0) {
            cairo_save(cr);
            cairo_rectangle(cr, g.left, g.top, g.width, style.glyphHeight);
            cairo_clip(cr);
            face.DrawOutlinedUtf8(cr, g.text, g.left + style.outline * 0.75, g.top + style.baseline, style.pixelSize,
                                  style.fill, style.outlineColor, style.outline, false);
            cairo_restore(cr);
        }
        const int right = g.left + g.width - 1;
        const int shift = g.top == 0 ? kTopRowShift : 0;
        const int b = height - style.glyphHeight - g.top;
        fnt += StringFormat("%x %x %d %d %d 0\n", g.code & 0xFF, g.code >> 8, g.left - shift, b, right - shift);
    }
    ctx.WriteColorKeyed(style.name, canvas);
    ctx.WriteTextFile(style.fileName, fnt);
}

}  // namespace

RJ_ART_GENERATOR(DrawFonts) {
    for (const FontStyle& style : kFonts) BuildFont(ctx, style);
}
