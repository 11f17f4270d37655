#pragma once

#include <cstdint>

#include "Buffer.h"
#include "Filter.h"

enum class Wave { Sine, Triangle, Saw, Square, Noise };

// One synthesized voice: an oscillator with a pitch sweep, vibrato, optional phase modulation
// (bells, clangs) and a detuned twin (width), through a swept filter, shaped by an envelope.
// Times are seconds; every "…End" value is reached by an exponential sweep over the voice's
// length (or over `glide` / `filterTime` when those are set).
struct Voice {
    Wave wave = Wave::Sine;
    float hz = 440.0f;
    float hzEnd = 0.0f;        // 0: no pitch sweep
    float glide = 0.0f;        // pitch sweep time; 0: the whole voice
    float pulse = 0.5f;        // duty cycle of Square
    float detuneCents = 0.0f;  // a second oscillator this far up; 0: none
    float vibratoHz = 0.0f;
    float vibratoSemis = 0.0f;
    float vibratoDelay = 0.0f;
    float fmRatio = 0.0f;  // modulator frequency / carrier (Sine only); 0: none
    float fmIndex = 0.0f;
    float fmIndexEnd = -1.0f;  // < 0: constant index
    float noiseMix = 0.0f;     // share of white noise added to the oscillator
    uint32_t seed = 1;

    float attack = 0.002f;
    float decay = 0.0f;  // time to fall 60 dB towards sustain; 0: no decay stage
    float sustain = 1.0f;
    float gate = 0.1f;      // note-on time
    float release = 0.05f;  // time to fall 60 dB after the gate

    Filter::Mode filter = Filter::Mode::Low;
    float cutoff = 0.0f;      // 0: no filter
    float cutoffEnd = 0.0f;   // 0: fixed cutoff
    float filterTime = 0.0f;  // 0: the whole voice
    float resonance = 0.707f;

    float tremoloHz = 0.0f;  // amplitude modulation (croaks, buzz, flutter)
    float tremoloDepth = 0.0f;
    float drive = 0.0f;  // tanh saturation; 0: clean
    float gain = 1.0f;

    float Length() const { return gate + release; }
};

// Renders the voice at `rate` samples per second; the last milliseconds fade to zero.
Mono Render(const Voice& voice, int rate);

// Semitone arithmetic for the sequencer and the jingles: MIDI note 69 is 440 Hz.
float MidiHz(float note);
