#pragma once

#include <span>
#include <vector>

// The written music of the theme: tempo, form, melodies and chords. The band that plays it is
// in Theme.cpp.
namespace theme {

constexpr float kBpm = 140.0f;
constexpr int kBars = 36;
constexpr int kBeatsPerBar = 4;

enum class Style { Verse, Chorus, Break, Finale };

// One section of the form: its bars, its melody (sequencer text) and how the band plays it.
struct Section {
    Style style;
    int firstBar;
    int bars;
    const char* melody;
};

struct Chord {
    int root;                // pitch class, c = 0
    std::vector<int> tones;  // pitch classes
};

std::span<const Section> Form();

// Two chords per bar, bar by bar, for all the bars of the form.
std::vector<Chord> Chords();

// The note of pitch class `pc` in the octave starting at MIDI note `low`.
int Place(int pc, int low);

}  // namespace theme
