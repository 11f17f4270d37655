// LOGO_ZEL and LOGO_KESTREL: two emblems of our own that follow the credits text up the window
// (drawn at x 200 and x 400, so each stays within 200 pixels).
#include <cmath>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenText.h"

namespace {

using paint::Hex;

constexpr int kLogoWidth = 190;
constexpr int kLogoHeight = 140;

void ZelLogo(cairo_t* cr, const ScreenText& bold) {
    const double cx = kLogoWidth / 2.0, cy = 54;
    paint::Ellipse(cr, cx, cy, 48, 48);
    paint::ShadedOutlined(cr, Hex(0x1fb5a8), cx - 48, cy - 48, 96, 96, 3);
    paint::Ellipse(cr, cx, cy, 38, 38);
    paint::FillOutlined(cr, Hex(0x147a74), 2);
    // A "Z" cut like a lightning bolt.
    cairo_move_to(cr, cx - 22, cy - 24);
    cairo_line_to(cr, cx + 24, cy - 24);
    cairo_line_to(cr, cx - 2, cy + 2);
    cairo_line_to(cr, cx + 22, cy + 2);
    cairo_line_to(cr, cx - 24, cy + 28);
    cairo_line_to(cr, cx - 2, cy - 4);
    cairo_line_to(cr, cx - 22, cy - 4);
    cairo_close_path(cr);
    paint::ShadedOutlined(cr, Hex(0xffa126), cx - 24, cy - 24, 48, 52, 2.5);
    bold.DrawCentered(cr, "zel", cx, 128, 30, Hex(0xfff6e0), Hex(0x0e3b38), 3.0, false);
}

void KestrelLogo(cairo_t* cr, const ScreenText& bold) {
    const double cx = kLogoWidth / 2.0, cy = 52;
    paint::Ellipse(cr, cx, cy, 44, 44);
    paint::ShadedOutlined(cr, Hex(0xffc93c), cx - 44, cy - 44, 88, 88, 3);
    // A kestrel hovering: spread wings, fanned tail, head turned to the left.
    cairo_move_to(cr, cx, cy - 8);
    cairo_curve_to(cr, cx - 30, cy - 26, cx - 62, cy - 10, cx - 78, cy + 4);
    cairo_curve_to(cr, cx - 52, cy - 2, cx - 30, cy + 4, cx - 10, cy + 10);
    cairo_line_to(cr, cx - 12, cy + 34);
    cairo_line_to(cr, cx, cy + 40);
    cairo_line_to(cr, cx + 12, cy + 34);
    cairo_line_to(cr, cx + 10, cy + 10);
    cairo_curve_to(cr, cx + 30, cy + 4, cx + 52, cy - 2, cx + 78, cy + 4);
    cairo_curve_to(cr, cx + 62, cy - 10, cx + 30, cy - 26, cx, cy - 8);
    cairo_close_path(cr);
    paint::ShadedOutlined(cr, Hex(0xb4552a), cx - 78, cy - 26, 156, 66, 2.5);
    paint::Ellipse(cr, cx - 2, cy - 14, 10, 9);
    paint::ShadedOutlined(cr, Hex(0x8a8f9c), cx - 12, cy - 23, 20, 18, 2);
    cairo_move_to(cr, cx - 11, cy - 15);
    cairo_line_to(cr, cx - 17, cy - 12);
    cairo_line_to(cr, cx - 10, cy - 10);
    cairo_close_path(cr);
    paint::FillOutlined(cr, Hex(0xf2c230), 1.5);
    paint::Ellipse(cr, cx - 5, cy - 16, 2, 2);
    paint::Fill(cr, Hex(0x1c1f2a));
    bold.DrawCentered(cr, "KESTREL", cx, 128, 26, Hex(0xfff6e0), Hex(0x4a1d08), 3.0, false);
}

}  // namespace

RJ_ART_GENERATOR(DrawLogos) {
    const ScreenText bold;
    Canvas zel(kLogoWidth, kLogoHeight);
    ZelLogo(zel.Cr(), bold);
    ctx.WriteColorKeyed("LOGO_ZEL", zel);
    Canvas kestrel(kLogoWidth, kLogoHeight);
    KestrelLogo(kestrel.Cr(), bold);
    ctx.WriteColorKeyed("LOGO_KESTREL", kestrel);
}
