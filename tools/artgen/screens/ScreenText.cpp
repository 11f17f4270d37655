#include "ScreenText.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

namespace {

struct FaceOwner {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

const cairo_user_data_key_t kFaceOwnerKey{};

void ReleaseFace(void* data) {
    auto* owner = static_cast<FaceOwner*>(data);
    FT_Done_Face(owner->face);
    FT_Done_FreeType(owner->library);
    delete owner;
}

}  // namespace

ScreenText::ScreenText(const char* facePath) {
    auto* owner = new FaceOwner;
    if (FT_Init_FreeType(&owner->library) != 0) {
        std::fprintf(stderr, "rjartgen: FreeType cannot start\n");
        delete owner;
        return;
    }
    if (FT_New_Face(owner->library, facePath, 0, &owner->face) != 0) {
        std::fprintf(stderr, "rjartgen: %s cannot be loaded\n", facePath);
        FT_Done_FreeType(owner->library);
        delete owner;
        return;
    }
    face_ = cairo_ft_font_face_create_for_ft_face(owner->face, FT_LOAD_NO_HINTING);
    // cairo may keep the face in its caches after we let go; the FreeType objects live until
    // cairo drops its last reference.
    if (cairo_font_face_set_user_data(face_, &kFaceOwnerKey, owner, ReleaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face_);
        face_ = nullptr;
        ReleaseFace(owner);
    }
}

ScreenText::~ScreenText() {
    if (face_) cairo_font_face_destroy(face_);
}

void ScreenText::Use(cairo_t* cr, double size) const {
    cairo_set_font_face(cr, face_);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

std::string ScreenText::ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

double ScreenText::Width(cairo_t* cr, const std::string& latin1) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, ToUtf8(latin1).c_str(), &extents);
    return extents.x_advance;
}

void ScreenText::AddPath(cairo_t* cr, const std::string& latin1, double x, double y) {
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, ToUtf8(latin1).c_str());
}

void ScreenText::DrawOutlined(cairo_t* cr, const std::string& latin1, double x, double y, double size,
                              paint::Color fill, paint::Color outlineColor, double outline, bool dropShadow) const {
    DrawOutlinedUtf8(cr, ToUtf8(latin1), x, y, size, fill, outlineColor, outline, dropShadow);
}

void ScreenText::DrawOutlinedUtf8(cairo_t* cr, const std::string& utf8, double x, double y, double size,
                                  paint::Color fill, paint::Color outlineColor, double outline, bool dropShadow) const {
    if (!face_) return;
    cairo_save(cr);
    Use(cr, size);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (dropShadow) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + size * 0.06, y + size * 0.07);
        cairo_text_path(cr, utf8.c_str());
        cairo_set_source_rgba(cr, 0.05, 0.08, 0.12, 0.45);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, outline * 2);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8.c_str());
    // The outline is stroked at twice its width under the fill, so it shows `outline` pixels
    // outside the letters and leaves their shapes whole.
    paint::Set(cr, outlineColor);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y - size * 0.8, 0, y + size * 0.1);
    const paint::Color light = paint::Lighter(fill, 0.45);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, light.r, light.g, light.b, fill.a);
    cairo_pattern_add_color_stop_rgba(gradient, 0.55, fill.r, fill.g, fill.b, fill.a);
    const paint::Color deep = paint::Mix(fill, outlineColor, 0.18);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, deep.r, deep.g, deep.b, fill.a);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

void ScreenText::DrawCentered(cairo_t* cr, const std::string& latin1, double cx, double y, double size,
                              paint::Color fill, paint::Color outlineColor, double outline, bool dropShadow) const {
    if (!face_) return;
    cairo_save(cr);
    Use(cr, size);
    const double width = Width(cr, latin1);
    cairo_restore(cr);
    DrawOutlined(cr, latin1, cx - width / 2, y, size, fill, outlineColor, outline, dropShadow);
}

void ScreenText::DrawPlain(cairo_t* cr, const std::string& latin1, double x, double y, double size,
                           paint::Color color) const {
    if (!face_) return;
    cairo_save(cr);
    Use(cr, size);
    cairo_new_path(cr);
    AddPath(cr, latin1, x, y);
    paint::Set(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}
