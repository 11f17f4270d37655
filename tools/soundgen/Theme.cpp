#include "Theme.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Drums.h"
#include "Reverb.h"
#include "Sequencer.h"
#include "SoundCatalog.h"
#include "ThemeScore.h"

namespace theme {
namespace {

Instrument Lead() {
    Instrument lead;
    lead.voice.wave = Wave::Square;
    lead.voice.pulse = 0.35f;
    lead.voice.detuneCents = 6.0f;
    lead.voice.attack = 0.005f;
    lead.voice.decay = 0.5f;
    lead.voice.sustain = 0.75f;
    lead.voice.release = 0.07f;
    lead.voice.cutoff = 5000.0f;
    lead.voice.vibratoHz = 5.5f;
    lead.voice.vibratoSemis = 0.15f;
    lead.voice.vibratoDelay = 0.15f;
    lead.legato = 0.85f;
    lead.gain = 0.3f;
    return lead;
}

Instrument Bass() {
    Instrument bass;
    bass.voice.wave = Wave::Saw;
    bass.voice.attack = 0.003f;
    bass.voice.decay = 0.4f;
    bass.voice.sustain = 0.5f;
    bass.voice.release = 0.05f;
    bass.voice.cutoff = 1100.0f;
    bass.voice.cutoffEnd = 260.0f;
    bass.voice.filterTime = 0.15f;
    bass.voice.resonance = 1.3f;
    bass.legato = 0.8f;
    bass.gain = 0.42f;
    return bass;
}

Instrument Stab() {
    Instrument stab;
    stab.voice.wave = Wave::Saw;
    stab.voice.detuneCents = 10.0f;
    stab.voice.attack = 0.003f;
    stab.voice.release = 0.08f;
    stab.voice.cutoff = 3200.0f;
    stab.voice.cutoffEnd = 900.0f;
    stab.voice.filterTime = 0.12f;
    stab.legato = 0.55f;
    stab.gain = 0.09f;
    return stab;
}

Instrument Pad() {
    Instrument pad;
    pad.voice.wave = Wave::Saw;
    pad.voice.detuneCents = 14.0f;
    pad.voice.attack = 0.12f;
    pad.voice.release = 0.35f;
    pad.voice.cutoff = 1500.0f;
    pad.legato = 1.0f;
    pad.gain = 0.07f;
    return pad;
}

Instrument Arp() {
    Instrument arp;
    arp.voice.wave = Wave::Square;
    arp.voice.pulse = 0.25f;
    arp.voice.attack = 0.002f;
    arp.voice.decay = 0.25f;
    arp.voice.sustain = 0.3f;
    arp.voice.release = 0.05f;
    arp.voice.cutoff = 3600.0f;
    arp.voice.cutoffEnd = 1500.0f;
    arp.voice.filterTime = 0.1f;
    arp.legato = 0.7f;
    arp.gain = 0.08f;
    arp.pan = 0.45f;
    return arp;
}

Instrument Glockenspiel() {
    Instrument bell;
    bell.voice.fmRatio = 3.5f;
    bell.voice.fmIndex = 1.2f;
    bell.voice.fmIndexEnd = 0.0f;
    bell.voice.attack = 0.001f;
    bell.voice.release = 0.6f;
    bell.legato = 0.15f;
    bell.gain = 0.07f;
    bell.pan = -0.35f;
    return bell;
}

class Band {
public:
    Band() : seq_(kBpm), chords_(Chords()) {}

    Buffer Play() const {
        const std::size_t frames = static_cast<std::size_t>(seq_.Seconds(kBars * kBeatsPerBar) * kStreamRate);
        Buffer main(kStreamRate, 2, frames);
        Buffer arpBus(kStreamRate, 2, frames);
        main.SetWrap(true);
        arpBus.SetWrap(true);
        for (const Section& section : Form()) {
            PlaySection(section, main, arpBus);
        }
        Echo(static_cast<float>(seq_.Seconds(0.75)), 0.35f, 0.4f).Apply(arpBus, 0.5f, true);
        main.Mix(arpBus, 0.0, 1.0f);
        Reverb(0.55f, 0.5f).Apply(main, 0.18f, true);
        return main;
    }

private:
    const Chord& ChordAt(int bar, int half) const { return chords_[static_cast<std::size_t>(bar * 2 + half)]; }

    void PlaySection(const Section& s, Buffer& main, Buffer& arpBus) const {
        const double start = s.firstBar * kBeatsPerBar;
        std::vector<Note> melody;
        const double end = Sequencer::Parse(s.melody, start, 1.0f, melody);
        if (end != start + s.bars * kBeatsPerBar) {
            std::fprintf(stderr, "rjsoundgen: theme melody of bar %d runs %.2f beats, not %d\n", s.firstBar,
                         end - start, s.bars * kBeatsPerBar);
        }
        seq_.Play(main, Lead(), melody);
        if (s.style == Style::Finale) {
            Instrument twin = Lead();
            twin.voice.wave = Wave::Saw;
            twin.voice.cutoff = 2400.0f;
            twin.gain = 0.13f;
            twin.pan = -0.25f;
            seq_.Play(main, twin, melody, -12.0f);
        }
        if (s.style == Style::Chorus) {
            seq_.Play(main, Glockenspiel(), melody, 12.0f);
        }
        for (int bar = s.firstBar; bar < s.firstBar + s.bars; ++bar) {
            PlayHarmony(s.style, bar, main, arpBus);
            PlayBass(s.style, bar, main);
            PlayDrums(s, bar, main);
        }
    }

    void PlayHarmony(Style style, int bar, Buffer& main, Buffer& arpBus) const {
        const double barBeat = bar * kBeatsPerBar;
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = ChordAt(bar, half);
            const double at = barBeat + half * 2.0;
            std::vector<Note> notes;
            if (style == Style::Chorus || style == Style::Break) {
                for (int pc : chord.tones) {
                    notes.push_back({at, 2.0, static_cast<float>(Place(pc, 55)), 1.0f});
                }
                seq_.Play(main, Pad(), notes);
            } else {
                // Off-beat stabs: the bouncy arcade shuffle under the verse.
                for (double off : {0.5, 1.5}) {
                    for (int pc : chord.tones) {
                        notes.push_back({at + off, 0.5, static_cast<float>(Place(pc, 57)), 1.0f});
                    }
                }
                seq_.Play(main, Stab(), notes);
            }
            if (style == Style::Verse && bar < 8) {
                continue;
            }
            // Sixteenth-note arpeggio over the chord, up and back down.
            std::vector<int> tones;
            for (int pc : chord.tones) {
                tones.push_back(Place(pc, 72));
            }
            tones.push_back(tones.front() + 12);
            const int pattern[8] = {0, 1, 2, 3, 2, 1, 0, 1};
            std::vector<Note> arp;
            for (int step = 0; step < 8; ++step) {
                const int index = std::min(pattern[step], static_cast<int>(tones.size()) - 1);
                arp.push_back({at + step * 0.25, 0.25, static_cast<float>(tones[static_cast<std::size_t>(index)]),
                               step % 2 == 0 ? 1.0f : 0.7f});
            }
            seq_.Play(arpBus, Arp(), arp);
        }
    }

    void PlayBass(Style style, int bar, Buffer& main) const {
        const double barBeat = bar * kBeatsPerBar;
        std::vector<Note> notes;
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = ChordAt(bar, half);
            const float root = static_cast<float>(Place(chord.root, 36));
            const double at = barBeat + half * 2.0;
            switch (style) {
            case Style::Verse:
            case Style::Finale:
                for (int step = 0; step < 4; ++step) {
                    notes.push_back(
                        {at + step * 0.5, 0.5, root + (step % 2 == 1 ? 12.0f : 0.0f), step % 2 == 0 ? 1.0f : 0.8f});
                }
                break;
            case Style::Chorus:
                notes.push_back({at, 1.0, root, 1.0f});
                notes.push_back({at + 1.0, 1.0, root + 7.0f, 0.85f});
                break;
            case Style::Break: notes.push_back({at, 2.0, root, 0.9f}); break;
            }
        }
        seq_.Play(main, Bass(), notes);
    }

    void PlayDrums(const Section& s, int bar, Buffer& main) const {
        const double b = bar * kBeatsPerBar;
        if (bar == s.firstBar && s.style != Style::Break) {
            seq_.Hit(main, crash_, b, 0.22f, -0.3f);
        }
        const bool lastBar = bar == s.firstBar + s.bars - 1;
        switch (s.style) {
        case Style::Verse:
        case Style::Finale:
            for (double k : {0.0, 2.0, 2.5}) {
                seq_.Hit(main, kick_, b + k, 0.6f);
            }
            for (int eighth = 0; eighth < 8; ++eighth) {
                seq_.Hit(main, hat_, b + eighth * 0.5, eighth % 2 == 0 ? 0.16f : 0.1f, 0.3f);
            }
            if (lastBar && s.style == Style::Finale) {
                seq_.Hit(main, snare_, b + 1.0, 0.35f);
                for (int i = 0; i < 4; ++i) {
                    seq_.Hit(main, tomHigh_, b + 2.0 + i * 0.25, 0.3f, 0.3f);
                    seq_.Hit(main, tomLow_, b + 3.0 + i * 0.25, 0.35f, -0.3f);
                }
            } else {
                seq_.Hit(main, snare_, b + 1.0, 0.35f);
                seq_.Hit(main, snare_, b + 3.0, 0.35f);
            }
            break;
        case Style::Chorus:
            for (int beat = 0; beat < 4; ++beat) {
                seq_.Hit(main, kick_, b + beat, 0.55f);
                seq_.Hit(main, hatOpen_, b + beat + 0.5, 0.1f, 0.3f);
            }
            seq_.Hit(main, snare_, b + 1.0, 0.35f);
            seq_.Hit(main, snare_, b + 3.0, 0.35f);
            break;
        case Style::Break:
            seq_.Hit(main, kick_, b, 0.5f);
            for (int eighth = 0; eighth < 8; ++eighth) {
                seq_.Hit(main, hat_, b + eighth * 0.5, 0.08f, 0.3f);
            }
            if (lastBar) {
                for (int i = 0; i < 8; ++i) {
                    seq_.Hit(main, snare_, b + 2.0 + i * 0.25, 0.12f + 0.03f * static_cast<float>(i));
                }
            }
            break;
        }
    }

    Sequencer seq_;
    std::vector<Chord> chords_;
    Mono kick_ = drums::Kick(kStreamRate);
    Mono snare_ = drums::Snare(kStreamRate);
    Mono hat_ = drums::HatClosed(kStreamRate);
    Mono hatOpen_ = drums::HatOpen(kStreamRate);
    Mono crash_ = drums::Crash(kStreamRate);
    Mono tomHigh_ = drums::Tom(kStreamRate, 150.0f);
    Mono tomLow_ = drums::Tom(kStreamRate, 100.0f);
};

}  // namespace

Buffer Compose() { return Band().Play(); }

}  // namespace theme
