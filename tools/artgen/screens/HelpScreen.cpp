// HELP: the keys and the rules in German, with the buttons "Credits" and "Zurück" and their
// highlights.
#include <string>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "ScreenStyle.h"
#include "ScreenText.h"
#include "WorldLayout.h"
#include "core/StringUtil.h"

namespace {

using paint::Hex;

constexpr screen::Rect kBack{416, 522, 497, 560};
constexpr screen::Rect kCredits{281, 522, 378, 560};

struct KeyLine {
    const char* keys;
    const char* meaning;
};

// Latin-1 texts, as the game's own strings.
const KeyLine kKeys[] = {
    {"Pfeiltasten", "springen"},
    {"Leertaste", "Insekten fangen"},
    {"P", "Pause"},
    {"Esc",
     "zur\xfc"
     "ck zum Titel"},
    {"M",
     "zur\xfc"
     "ck zum Men\xfc"},
    {"C", "Credits"},
};

const KeyLine kMenuKeys[] = {
    {"S", "Start"}, {"H", "Hilfe"}, {"G", "Highscores"}, {"U", "Musik"}, {"T", "Schatten"}, {"E", "Ende"},
};

void KeyCap(cairo_t* cr, const ScreenText& bold, const std::string& key, double x, double y) {
    cairo_save(cr);
    bold.Use(cr, 14);
    const double w = ScreenText::Width(cr, key) + 14;
    cairo_restore(cr);
    paint::RoundedRect(cr, x, y + 3, w, 22, 5);
    paint::FillOutlined(cr, Hex(0xb9b2a2));
    paint::RoundedRect(cr, x, y, w, 21, 5);
    paint::ShadedOutlined(cr, Hex(0xfcfaf2), x, y, w, 21);
    bold.DrawPlain(cr, key, x + 7, y + 16, 14, screen::kInk);
}

}  // namespace

RJ_ART_GENERATOR(DrawHelpScreen) {
    const WorldLayout layout(ctx);
    const ScreenText bold;
    const ScreenText regular(ScreenText::kRegularFace);
    Canvas canvas(screen::kWidth, screen::kHeight);
    cairo_t* cr = canvas.Cr();
    screen::Backdrop(cr, layout, 0, 0, 11);
    screen::TitleLettering(cr, bold, "Hilfe", 400, 62, 52);

    // Keys.
    screen::Panel(cr, 24, 84, 300, 424);
    bold.DrawOutlined(cr, "Tasten", 44, 122, 22, screen::kButton, screen::kLettersOutline);
    double y = 138;
    for (const KeyLine& line : kKeys) {
        KeyCap(cr, bold, line.keys, 44, y);
        regular.DrawPlain(cr, line.meaning, 162, y + 16, 15, screen::kInk);
        y += 28;
    }
    bold.DrawOutlined(cr, "Im Titelmen\xfc", 44, y + 24, 18, screen::kButton, screen::kLettersOutline);
    y += 36;
    for (int i = 0; i < 6; ++i) {
        const double x = i % 2 == 0 ? 44 : 184;
        KeyCap(cr, bold, kMenuKeys[i].keys, x, y);
        regular.DrawPlain(cr, kMenuKeys[i].meaning, x + 32, y + 16, 14, screen::kInk);
        if (i % 2 == 1) y += 28;
    }

    bold.DrawOutlined(cr, "Tipp", 44, y + 20, 18, screen::kButton, screen::kLettersOutline);
    regular.DrawPlain(cr, "Das Heck eines Lasters tr\xe4gt", 44, y + 42, 15, screen::kInk);
    regular.DrawPlain(cr, "dich, seine Front ist gef\xe4hrlich!", 44, y + 62, 15, screen::kInk);

    // Rules.
    screen::Panel(cr, 340, 84, 436, 424);
    bold.DrawOutlined(cr, "So wird gespielt", 360, 122, 22, screen::kButton, screen::kLettersOutline);
    const int starsForLife = static_cast<int>(ctx.Float("numStarsForBonusLife"));
    const int frogs = ctx.Int("numFrogsToGoal");
    const std::string rules[] = {
        StringFormat("Bring %d Fr\xf6sche pro Level heil zur Seerose", frogs),
        "am oberen Rand. Die Zeit l\xe4uft f\xfcr jeden Frosch.",
        "",
        "Stra\xdf"
        "e: Autos ausweichen! Hinten auf einen",
        "Lastwagen springen und mitfahren - aber",
        "nicht zu lange. Von Laster zu Laster: Bonus!",
        "",
        "Fluss: Auf St\xe4mmen, F\xe4ssern, Seerosen und",
        "Nilpferden reiten - ins Wasser fallen ist aus.",
        "Seerosen und Nilpferde tauchen ab, Kisten",
        "sind t\xfc"
        "ckisch, sp\xe4ter lauern Piranhas.",
        "",
        StringFormat("Sterne auf Lastwagen: %d Sterne = Bonusleben.", starsForLife),
        "Insekten schnappen gibt Punkte - nur Taxi-",
        "und Riesenk\xe4"
        "fer stechen! Restzeit z\xe4hlt mit.",
    };
    y = 150;
    for (const std::string& line : rules) {
        if (!line.empty()) regular.DrawPlain(cr, line, 360, y, 15, screen::kInk);
        y += line.empty() ? 10 : 22;
    }
    screen::Frog(cr, 720, 470, 20);

    screen::Panel(cr, 262, 510, 256, 70, 16);
    screen::ButtonPlate(cr, bold, kCredits.left, kCredits.top, kCredits.Width(), kCredits.Height(), "Credits", false);
    screen::ButtonPlate(cr, bold, kBack.left, kBack.top, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        false);
    ctx.WriteColorKeyed("HELP", canvas);

    Canvas back(kBack.Width(), kBack.Height());
    screen::ButtonPlate(back.Cr(), bold, 0, 0, kBack.Width(), kBack.Height(),
                        "Zur\xfc"
                        "ck",
                        true);
    ctx.WriteColorKeyed("BUTTON_BACK_HELP_HIGH_LIGHT", back);
    Canvas credits(kCredits.Width(), kCredits.Height());
    screen::ButtonPlate(credits.Cr(), bold, 0, 0, kCredits.Width(), kCredits.Height(), "Credits", true);
    ctx.WriteColorKeyed("BUTTON_CREDITS_HIGH_LIGHT", credits);
}
