#pragma once

#include <cairo.h>

#include <string>

#include "Paint.h"

// A DejaVu face loaded with FreeType and handed to cairo, for the lettering of screens, buttons
// and the bitmap fonts. Each generator owns its own (FreeType libraries are not shared between
// threads). Text is given as Latin-1 bytes, as the game stores it.
class ScreenText final {
public:
    static constexpr const char* kBoldFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    static constexpr const char* kRegularFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

    explicit ScreenText(const char* facePath = kBoldFace);
    ~ScreenText();
    ScreenText(const ScreenText&) = delete;
    ScreenText& operator=(const ScreenText&) = delete;

    bool Ok() const { return face_ != nullptr; }

    // Selects the face at `size` pixels (em size) on the context, with fixed rendering options so
    // the same text gives the same pixels everywhere.
    void Use(cairo_t* cr, double size) const;
    // Advance width of a Latin-1 string at the size chosen with Use.
    static double Width(cairo_t* cr, const std::string& latin1);
    // Adds the outline of the string, its baseline starting at (x, y), to the current path.
    static void AddPath(cairo_t* cr, const std::string& latin1, double x, double y);

    // Lettering of the game's look: fill with a soft vertical gradient, a dark outline of
    // `outline` pixels around it, and a drop shadow towards the bottom right.
    void DrawOutlined(cairo_t* cr, const std::string& latin1, double x, double y, double size, paint::Color fill,
                      paint::Color outlineColor, double outline = 2.0, bool dropShadow = true) const;
    // The same for text already in UTF-8 (characters beyond Latin-1).
    void DrawOutlinedUtf8(cairo_t* cr, const std::string& utf8, double x, double y, double size, paint::Color fill,
                          paint::Color outlineColor, double outline, bool dropShadow) const;
    // The same, centred horizontally on cx.
    void DrawCentered(cairo_t* cr, const std::string& latin1, double cx, double y, double size, paint::Color fill,
                      paint::Color outlineColor, double outline = 2.0, bool dropShadow = true) const;
    // Plain text without outline (body text on light panels).
    void DrawPlain(cairo_t* cr, const std::string& latin1, double x, double y, double size, paint::Color color) const;

    static std::string ToUtf8(const std::string& latin1);

private:
    cairo_font_face_t* face_ = nullptr;
};
