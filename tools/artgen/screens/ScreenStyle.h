#pragma once

#include <cairo.h>

#include <string>

#include "Paint.h"

class ScreenText;
class WorldLayout;

// The look shared by the screens outside play: a meadow-and-river backdrop, cream panels with
// dark outlines, orange button plates with white lettering, the game's title lettering and its
// frog. Buttons are drawn exactly inside the rectangles the menus test, so their highlight
// pictures (drawn at the rectangle's corner) cover them pixel for pixel.
namespace screen {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Inclusive screen rectangle of a button, as the menus test it.
struct Rect {
    int left, top, right, bottom;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

const paint::Color kPanel = paint::Hex(0xfff2d2);
const paint::Color kPanelEdge = paint::Hex(0x7a4a22);
const paint::Color kInk = paint::Hex(0x3a2614);
const paint::Color kButton = paint::Hex(0xff9f1c);
const paint::Color kButtonLit = paint::Hex(0xffd84a);
const paint::Color kLetters = paint::Hex(0xfffbef);
const paint::Color kLettersOutline = paint::Hex(0x3b1d06);
const paint::Color kTitleGreen = paint::Hex(0x8be04a);

// Meadow with a river across it (rows of the backdrop in screen pixels).
void Backdrop(cairo_t* cr, const WorldLayout& layout, double riverTop, double riverBottom, unsigned seed);
// A cream panel with a dark frame and a soft shadow under its lower right edge.
void Panel(cairo_t* cr, double x, double y, double w, double h, double radius = 18);
// A button plate filling the rectangle (relative to the origin of the context), with its label.
void ButtonPlate(cairo_t* cr, const ScreenText& text, double x, double y, double w, double h, const std::string& label,
                 bool lit);
// The game's name in big cartoon lettering, centred on cx, baseline at y.
void TitleLettering(cairo_t* cr, const ScreenText& text, const std::string& title, double cx, double y, double size);
// A friendly frog seen from above, sitting, centred at (cx, cy), about 2.4 * r wide.
void Frog(cairo_t* cr, double cx, double cy, double r);
// A lily pad with its notch to the right.
void LilyPad(cairo_t* cr, double cx, double cy, double r);

}  // namespace screen
