// TITLE_MENU with its buttons, the option check marks CHECK_MUSIC and CHECK_SHADOW, and the
// highlight pictures of the title menu's buttons. Every button sits exactly in the rectangle the
// menu tests; a highlight has the rectangle's size and is drawn at its top-left corner.
#include <cmath>
#include <string>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenStyle.h"
#include "ScreenText.h"
#include "WorldLayout.h"
#include "game/VolumePanelLayout.h"

namespace {

using paint::Color;
using paint::Hex;

struct MenuButton {
    const char* highlight;
    const char* label;
    screen::Rect rect;
};

const MenuButton kButtons[] = {
    {"BUTTON_START_HIGH_LIGHT", "Start", {71, 512, 204, 571}},
    {"BUTTON_HELP_HIGH_LIGHT", "Hilfe", {228, 512, 340, 571}},
    {"BUTTON_HIGH_SCORE_HIGH_LIGHT", "Highscores", {373, 512, 579, 589}},
    {"BUTTON_EXIT_HIGH_LIGHT", "Ende", {610, 512, 726, 573}},
};

constexpr screen::Rect kMusic{636, 107, 786, 157};
constexpr screen::Rect kShadows{623, 156, 786, 237};
// Where the menu draws the check marks, and the size of their boxes.
constexpr int kCheckX = 738;
constexpr int kMusicCheckY = 113;
constexpr int kShadowCheckY = 151;
constexpr int kCheckSize = 32;
constexpr double kOptionLabelRight = 728;
constexpr double kOptionLabelSize = 21;

// The label and icon of an option, in screen coordinates; the highlight draws them lit.
void OptionLabel(cairo_t* cr, const ScreenText& text, const std::string& label, double baseline, bool lit) {
    cairo_save(cr);
    text.Use(cr, kOptionLabelSize);
    const double width = ScreenText::Width(cr, label);
    cairo_restore(cr);
    const Color fill = lit ? Hex(0xffe14a) : screen::kLetters;
    text.DrawOutlined(cr, label, kOptionLabelRight - width, baseline, kOptionLabelSize, fill, screen::kLettersOutline,
                      lit ? 3.0 : 2.0, false);
}

void Pointer(cairo_t* cr, double x, double cy) {
    cairo_move_to(cr, x, cy - 8);
    cairo_line_to(cr, x + 11, cy);
    cairo_line_to(cr, x, cy + 8);
    cairo_close_path(cr);
    paint::FillOutlined(cr, Hex(0xffe14a));
}

// A little car casting a shadow: what the shadow option switches.
void ShadowIcon(cairo_t* cr, double x, double y, bool lit) {
    paint::RoundedRect(cr, x + 8, y + 12, 78, 24, 11);
    cairo_set_source_rgba(cr, 0.05, 0.1, 0.05, 0.45);
    cairo_fill(cr);
    const Color body = lit ? Hex(0xff6b5a) : Hex(0xe84a3a);
    paint::RoundedRect(cr, x, y + 2, 76, 26, 11);
    paint::ShadedOutlined(cr, body, x, y + 2, 76, 26);
    paint::RoundedRect(cr, x + 24, y + 6, 30, 18, 6);
    paint::ShadedOutlined(cr, Hex(0x9fdcf5), x + 24, y + 6, 30, 18, 1.5);
    for (double wx : {x + 12, x + 60}) {
        for (double wy : {y + 1.0, y + 27.0}) {
            paint::RoundedRect(cr, wx - 6, wy - 3, 12, 6, 3);
            paint::FillOutlined(cr, Hex(0x3a3d44), 1.5);
        }
    }
}

void DrawCheckBox(cairo_t* cr, double x, double y) {
    paint::RoundedRect(cr, x + 1, y + 1, kCheckSize - 2, kCheckSize - 2, 6);
    paint::ShadedOutlined(cr, Hex(0xfffdf5), x + 1, y + 1, kCheckSize - 2, kCheckSize - 2);
    paint::RoundedRect(cr, x + 4, y + 4, kCheckSize - 8, 4, 2);
    cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, 0.18);
    cairo_fill(cr);
}

void DrawTick(cairo_t* cr) {
    cairo_move_to(cr, 6, 16);
    cairo_line_to(cr, 13, 25);
    cairo_line_to(cr, 28, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 9);
    paint::Set(cr, Hex(0x14400c));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 5);
    paint::Set(cr, Hex(0x49c92e));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    paint::Set(cr, Hex(0xb5f59a));
    cairo_stroke(cr);
}

// A − or + button of the volume rows: a small plate with the sign on it.
void StepButton(cairo_t* cr, const volume_panel::Box& box, bool plus) {
    const double x = box.left + 1;
    const double y = box.top + 1;
    const double size = box.Width() - 2;
    paint::RoundedRect(cr, x, y, size, size, 6);
    paint::ShadedOutlined(cr, Hex(0x8fd16a), x, y, size, size);
    const double cx = x + size / 2;
    const double cy = y + size / 2;
    const double arm = size * 0.28;
    cairo_move_to(cr, cx - arm, cy);
    cairo_line_to(cr, cx + arm, cy);
    if (plus) {
        cairo_move_to(cr, cx, cy - arm);
        cairo_line_to(cr, cx, cy + arm);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5);
    paint::Set(cr, Hex(0x14400c));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    paint::Set(cr, Hex(0xfffdf5));
    cairo_stroke(cr);
}

// The volume rows under the options: a label, − and + on either side of the value the menu
// draws, and a line naming the keys.
void VolumePanel(cairo_t* cr, const ScreenText& text) {
    using volume_panel::Row;
    const volume_panel::Box& p = volume_panel::kPanel;
    screen::Panel(cr, p.left, p.top, p.Width(), p.Height(), 16);
    const char* labels[2] = {"Musik", "Effekte"};
    for (const Row row : {Row::Music, Row::Effects}) {
        const int top = volume_panel::kRowTop[static_cast<int>(row)];
        text.DrawOutlined(cr, labels[static_cast<int>(row)], volume_panel::kLabelLeft, top + 22, 18, screen::kLetters,
                          screen::kLettersOutline, 2.0, false);
        StepButton(cr, volume_panel::MinusBox(row), false);
        StepButton(cr, volume_panel::PlusBox(row), true);
    }
    const std::string keys = "Tasten: 1 2 und 3 4";
    cairo_save(cr);
    text.Use(cr, 15);
    const double width = ScreenText::Width(cr, keys);
    cairo_restore(cr);
    text.DrawPlain(cr, keys, (p.left + p.right - width) / 2.0, volume_panel::kKeysLineTop + 17, 15, screen::kPanelEdge);
}

}  // namespace

RJ_ART_GENERATOR(DrawTitleMenu) {
    const WorldLayout layout(ctx);
    const ScreenText text;
    Canvas canvas(screen::kWidth, screen::kHeight);
    cairo_t* cr = canvas.Cr();
    screen::Backdrop(cr, layout, 262, 412, 3);
    // The hero on a lily pad, a trunk drifting by.
    screen::LilyPad(cr, 170, 338, 58);
    screen::Frog(cr, 166, 330, 42);
    paint::RoundedRect(cr, 330, 352, 190, 40, 20);
    paint::ShadedOutlined(cr, Hex(0xa8713c), 330, 352, 190, 40);
    for (double x = 350; x < 500; x += 34) {
        cairo_move_to(cr, x, 362);
        cairo_curve_to(cr, x + 8, 366, x + 16, 366, x + 24, 362);
    }
    cairo_set_line_width(cr, 1.8);
    paint::Set(cr, Hex(0x6e4320));
    cairo_stroke(cr);
    paint::Ellipse(cr, 510, 372, 11, 19);
    paint::ShadedOutlined(cr, Hex(0xe3b47a), 499, 353, 22, 38);
    screen::LilyPad(cr, 600, 300, 26);
    screen::LilyPad(cr, 690, 380, 20);

    screen::TitleLettering(cr, text, "Reedjumper", 316, 106, 78);
    text.DrawCentered(cr,
                      "H\xfc"
                      "pf \xfc"
                      "ber Stra\xdf"
                      "e und Fluss!",
                      316, 150, 24, screen::kLetters, screen::kLettersOutline, 2.0, true);

    // Options: music and shadows, each with its check box.
    screen::Panel(cr, 610, 94, 186, 152, 16);
    OptionLabel(cr, text, "Musik", kMusicCheckY + 24, false);
    OptionLabel(cr, text, "Schatten", kShadowCheckY + 24, false);
    ShadowIcon(cr, 664, 194, false);
    DrawCheckBox(cr, kCheckX, kMusicCheckY);
    DrawCheckBox(cr, kCheckX, kShadowCheckY);
    VolumePanel(cr, text);

    // The board the buttons stand on.
    screen::Panel(cr, 44, 498, 712, 100, 20);
    for (const MenuButton& b : kButtons) {
        screen::ButtonPlate(cr, text, b.rect.left, b.rect.top, b.rect.Width(), b.rect.Height(), b.label, false);
    }
    ctx.WriteColorKeyed("TITLE_MENU", canvas);

    for (const MenuButton& b : kButtons) {
        Canvas lit(b.rect.Width(), b.rect.Height());
        screen::ButtonPlate(lit.Cr(), text, 0, 0, b.rect.Width(), b.rect.Height(), b.label, true);
        ctx.WriteColorKeyed(b.highlight, lit);
    }
    {
        Canvas lit(kMusic.Width(), kMusic.Height());
        cairo_translate(lit.Cr(), -kMusic.left, -kMusic.top);
        OptionLabel(lit.Cr(), text, "Musik", kMusicCheckY + 24, true);
        Pointer(lit.Cr(), kMusic.left + 4, kMusicCheckY + 16);
        ctx.WriteColorKeyed("BUTTON_MUSIC_HIGH_LIGHT", lit);
    }
    {
        Canvas lit(kShadows.Width(), kShadows.Height());
        cairo_translate(lit.Cr(), -kShadows.left, -kShadows.top);
        OptionLabel(lit.Cr(), text, "Schatten", kShadowCheckY + 24, true);
        ShadowIcon(lit.Cr(), 664, 194, true);
        Pointer(lit.Cr(), kShadows.left + 10, 210);
        ctx.WriteColorKeyed("BUTTON_SHADOW_HIGH_LIGHT", lit);
    }
    for (const char* name : {"CHECK_MUSIC", "CHECK_SHADOW"}) {
        Canvas tick(kCheckSize, kCheckSize);
        DrawTick(tick.Cr());
        ctx.WriteColorKeyed(name, tick);
    }
}
