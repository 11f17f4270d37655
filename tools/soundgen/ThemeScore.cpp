#include "ThemeScore.h"

#include <array>
#include <string>
#include <string_view>

namespace theme {
namespace {

constexpr const char* kVerseOpening =
    "g4 c5 e5 g5/2 e5 c5 e5 a5/2 g5 e5 c5/2 a4/2 "
    "f5 a5 c6/2 a5 f5 a5/2 g5/3 f5 e5 d5 b4/2 "
    "g4 c5 e5 g5/2 e5 g5 c6 e6/2 d6 c6 a5/2 e5/2 ";

const std::string kVerse = std::string(kVerseOpening) + "f5 a5 c6 a5 g5 b5 d6/2 c6/3 g5 c6/2 r/2";
const std::string kVerseAgain = std::string(kVerseOpening) + "a5 c6 f6 e6 d6/2 b5/2 c6/4 r/4";
const std::string kVerseLast = std::string(kVerseOpening) + "f5 a5 c6 a5 g5 b5 d6/2 g5/2 f5 e5 d5/2 b4/2";

constexpr const char* kChorus =
    "a5/3 c6/3 a5/2 b5/3 d6/3 b5/2 g5/2 b5/2 e6/4 c6/2 b5 a5 e5/4 "
    "f5/3 a5/3 d6/2 d6/2 c6 b5 g5/4 e5/2 g5/2 g#5/2 b5/2 a5/3 c6 b5/2 g5/2";

constexpr const char* kBreak = "r/4 e5 a5 c6/2 r/4 f5 a5 c6/2 r/4 d5 f5 a5/2 g5/2 f5/2 d5/2 b4/2";

// Two chords per bar, bar by bar.
constexpr const char* kChords =
    "C C Am Am F F G G C C Am Am F G C C "
    "C C Am Am F F G G C C Am Am F G C C "
    "F F G G Em Em Am Am Dm Dm G G C E7 Am G "
    "Am Am F F Dm Dm G G7 "
    "C C Am Am F F G G C C Am Am F G G7 G7";

struct ChordShape {
    std::string_view name;
    int root;                  // pitch class, c = 0
    std::array<int, 4> tones;  // semitones above the root; −1: none
};

constexpr std::array<ChordShape, 9> kShapes = {{
    {"C", 0, {0, 4, 7, -1}},
    {"Am", 9, {0, 3, 7, -1}},
    {"F", 5, {0, 4, 7, -1}},
    {"G", 7, {0, 4, 7, -1}},
    {"G7", 7, {0, 4, 7, 10}},
    {"Em", 4, {0, 3, 7, -1}},
    {"Dm", 2, {0, 3, 7, -1}},
    {"E7", 4, {0, 4, 7, 10}},
    {"A7", 9, {0, 4, 7, 10}},
}};

}  // namespace

std::vector<Chord> Chords() {
    std::vector<Chord> chords;
    std::string_view text = kChords;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view name = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        for (const ChordShape& shape : kShapes) {
            if (shape.name == name) {
                Chord chord{shape.root, {}};
                for (int tone : shape.tones) {
                    if (tone >= 0) {
                        chord.tones.push_back((shape.root + tone) % 12);
                    }
                }
                chords.push_back(chord);
            }
        }
    }
    return chords;
}

int Place(int pc, int low) {
    int note = low + ((pc - low) % 12 + 12) % 12;
    return note;
}

std::span<const Section> Form() {
    static const std::array<Section, 5> form = {{
        {Style::Verse, 0, 8, kVerse.c_str()},
        {Style::Verse, 8, 8, kVerseAgain.c_str()},
        {Style::Chorus, 16, 8, kChorus},
        {Style::Break, 24, 4, kBreak},
        {Style::Finale, 28, 8, kVerseLast.c_str()},
    }};
    return form;
}

}  // namespace theme
