#pragma once

#include <string_view>
#include <vector>

#include "Buffer.h"
#include "Voice.h"

struct Note {
    double beat;     // start, in beats from the start of the piece
    double beats;    // length
    float midi;      // MIDI note number (c4 = 60)
    float velocity;  // 0 … 1
};

// How one part sounds: the voice it plays (its pitch and gate are set per note), how much of
// each note's length it holds, and where it sits in the mix.
struct Instrument {
    Voice voice;
    float legato = 0.9f;
    float gain = 1.0f;
    float pan = 0.0f;
};

// The note sequencer of the music: melodies are written as text, one token per note —
// "c5/2" is c in octave 5 for two eighths, "f#4" one eighth, "r/4" a rest of four eighths —
// and rendered at a fixed tempo.
class Sequencer final {
public:
    explicit Sequencer(float bpm) : bpm_(bpm) {}

    double Seconds(double beats) const { return beats * 60.0 / bpm_; }

    // The notes of `line` from `startBeat` on, appended to `notes`; returns the beat after them.
    // A token that is not a note is reported on standard error and skipped as a rest.
    static double Parse(std::string_view line, double startBeat, float velocity, std::vector<Note>& notes);

    void Play(Buffer& out, const Instrument& instrument, const std::vector<Note>& notes, float transpose = 0.0f) const;
    void Hit(Buffer& out, const Mono& sound, double beat, float gain, float pan = 0.0f) const;

private:
    float bpm_;
};
