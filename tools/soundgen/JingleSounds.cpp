#include "JingleSounds.h"

#include <vector>

#include "Drums.h"
#include "EffectKit.h"
#include "Reverb.h"
#include "Sequencer.h"
#include "SoundCatalog.h"

namespace jingle_sounds {
namespace {

Instrument Brass() {
    Instrument brass;
    brass.voice.wave = Wave::Saw;
    brass.voice.detuneCents = 9.0f;
    brass.voice.attack = 0.025f;
    brass.voice.decay = 0.6f;
    brass.voice.sustain = 0.75f;
    brass.voice.release = 0.12f;
    brass.voice.cutoff = 700.0f;
    brass.voice.cutoffEnd = 2600.0f;
    brass.voice.filterTime = 0.06f;
    brass.voice.vibratoHz = 5.5f;
    brass.voice.vibratoSemis = 0.12f;
    brass.voice.vibratoDelay = 0.2f;
    brass.legato = 0.92f;
    return brass;
}

Instrument Bell() {
    Instrument bell;
    bell.voice.fmRatio = 3.0f;
    bell.voice.fmIndex = 1.6f;
    bell.voice.fmIndexEnd = 0.0f;
    bell.voice.attack = 0.001f;
    bell.voice.release = 0.5f;
    bell.legato = 0.2f;
    return bell;
}

Instrument Bass() {
    Instrument bass;
    bass.voice.wave = Wave::Triangle;
    bass.voice.attack = 0.004f;
    bass.voice.decay = 0.5f;
    bass.voice.sustain = 0.6f;
    bass.voice.release = 0.06f;
    bass.legato = 0.85f;
    return bass;
}

Instrument Lead() {
    Instrument lead;
    lead.voice.wave = Wave::Square;
    lead.voice.pulse = 0.3f;
    lead.voice.attack = 0.005f;
    lead.voice.decay = 0.4f;
    lead.voice.sustain = 0.7f;
    lead.voice.release = 0.08f;
    lead.voice.cutoff = 3500.0f;
    lead.voice.vibratoHz = 6.0f;
    lead.voice.vibratoSemis = 0.2f;
    lead.voice.vibratoDelay = 0.15f;
    lead.legato = 0.85f;
    return lead;
}

std::vector<Note> Line(const char* text, double startBeat = 0.0, float velocity = 1.0f) {
    std::vector<Note> notes;
    Sequencer::Parse(text, startBeat, velocity, notes);
    return notes;
}

}  // namespace

// One frog home: a short bright brass call.
Buffer LevelFinished() {
    Buffer out = kit::NewEffect();
    const Sequencer seq(160.0f);
    seq.Play(out, Brass(), Line("g4 c5 e5 g5/4"));
    seq.Play(out, Brass(), Line("r/3 c5/4"));
    seq.Play(out, Brass(), Line("r/3 e4/4"));
    seq.Play(out, Bass(), Line("r/3 c3/4"));
    seq.Play(out, Bell(), Line("r/3 c6/2"));
    seq.Hit(out, drums::Tom(out.Rate(), 110.0f), 1.5, 0.5f);
    seq.Hit(out, drums::Crash(out.Rate()), 1.5, 0.35f);
    out.Resize(out.FrameAt(2.0));
    Reverb(0.5f, 0.5f).Apply(out, 0.35f, false);
    return out;
}

// The whole level done: a bigger fanfare with a drum roll and a held final chord.
Buffer LevelFinishedFullLevel() {
    Buffer out = kit::NewEffect();
    const Sequencer seq(150.0f);
    const Instrument brass = Brass();
    seq.Play(out, brass, Line("g4 c5 e5 g5/2 e5 g5/2 a5 g5 f5 e5 d5/2 g5/2 c6/8"));
    seq.Play(out, brass, Line("r/3 e4/3 c5/2 f4/4 g4/4 e5/8"));
    seq.Play(out, brass, Line("r/3 g4/3 e4/2 a4/4 b4/4 g4/8"));
    seq.Play(out, Bass(), Line("c3/2 c3/2 c3/2 g2/2 f2/2 f2/2 g2/2 g2/2 c3/8"));
    seq.Play(out, Bell(), Line("r/16 c6/2 e6/2 g6/2 c7/2"));
    const Mono snare = drums::Snare(out.Rate());
    for (int i = 0; i < 12; ++i) {
        seq.Hit(out, snare, 6.5 + i * 0.125, 0.15f + 0.04f * static_cast<float>(i));
    }
    seq.Hit(out, drums::Kick(out.Rate()), 8.0, 0.8f);
    seq.Hit(out, drums::Crash(out.Rate()), 8.0, 0.5f);
    out.Resize(out.FrameAt(4.6));
    Reverb(0.6f, 0.5f).Apply(out, 0.35f, false);
    return out;
}

// The last life lost: a slow, sinking tune that ends on a sagging note.
Buffer GameOver() {
    Buffer out = kit::NewEffect();
    const Sequencer seq(100.0f);
    Instrument brass = Brass();
    brass.voice.cutoffEnd = 1500.0f;
    seq.Play(out, brass, Line("c5/2 g4/2 eb4/2 d4/2 c4/6"));
    seq.Play(out, Bass(), Line("c3/2 c3/2 ab2/2 g2/2 c2/6"));
    seq.Play(out, Bell(), Line("r/8 g4/2 eb4/2 c4/2"), -12.0f);
    out.Resize(out.FrameAt(3.4));
    Reverb(0.6f, 0.5f).Apply(out, 0.3f, false);
    return out;
}

// A bonus life: a quick arpeggio up, doubled by bells.
Buffer BonusLife() {
    Buffer out = kit::NewEffect();
    const Sequencer seq(200.0f);
    seq.Play(out, Lead(), Line("c5 e5 g5 c6 e6 g6 c7/3"));
    seq.Play(out, Bell(), Line("c5 e5 g5 c6 e6 g6 c7/3"), 12.0f);
    seq.Play(out, Bass(), Line("r/6 c3/3"));
    out.Resize(out.FrameAt(1.5));
    Echo(0.12f, 0.3f, 0.4f).Apply(out, 0.3f, false);
    return out;
}

// A life lost: a short sad fall with a wobbling last note.
Buffer LoseLife() {
    Buffer out = kit::NewEffect();
    const Sequencer seq(140.0f);
    Instrument lead = Lead();
    lead.voice.vibratoSemis = 0.45f;
    lead.voice.vibratoHz = 5.0f;
    lead.voice.cutoff = 2200.0f;
    seq.Play(out, lead, Line("a4 g#4 g4 f#4/5"));
    seq.Play(out, Bass(), Line("a2 g#2 g2 f#2/5"));
    out.Resize(out.FrameAt(1.9));
    Reverb(0.4f, 0.5f).Apply(out, 0.25f, false);
    return out;
}

// The count-down: a clock tick, dry and short.
Buffer CountDown() {
    Buffer out = kit::NewEffect();
    Voice tick;
    tick.hz = 2400.0f;
    tick.fmRatio = 1.5f;
    tick.fmIndex = 2.5f;
    tick.fmIndexEnd = 0.0f;
    tick.attack = 0.0005f;
    tick.gate = 0.004f;
    tick.release = 0.06f;
    kit::Add(out, tick, 0.0, 0.8f);
    Voice body;
    body.hz = 1200.0f;
    body.attack = 0.0005f;
    body.gate = 0.005f;
    body.release = 0.05f;
    kit::Add(out, body, 0.0, 0.5f);
    Voice click;
    click.wave = Wave::Noise;
    click.seed = 401;
    click.attack = 0.0003f;
    click.gate = 0.002f;
    click.release = 0.01f;
    click.filter = Filter::Mode::High;
    click.cutoff = 3000.0f;
    kit::Add(out, click, 0.0, 0.5f);
    out.Resize(out.FrameAt(0.1));
    return out;
}

// A menu button: a soft, woody click, lower and rounder than the clock tick.
Buffer MenuClick() {
    Buffer out = kit::NewEffect();
    Voice wood;
    wood.hz = 900.0f;
    wood.hzEnd = 750.0f;
    wood.fmRatio = 2.1f;
    wood.fmIndex = 1.0f;
    wood.fmIndexEnd = 0.0f;
    wood.attack = 0.0005f;
    wood.gate = 0.006f;
    wood.release = 0.05f;
    kit::Add(out, wood, 0.0, 0.8f);
    Voice click;
    click.wave = Wave::Noise;
    click.seed = 409;
    click.attack = 0.0003f;
    click.gate = 0.002f;
    click.release = 0.012f;
    click.filter = Filter::Mode::Band;
    click.cutoff = 2200.0f;
    kit::Add(out, click, 0.0, 0.4f);
    out.Resize(out.FrameAt(0.08));
    return out;
}

// The high-score screen: a cheerful four-bar jingle that loops for as long as the screen
// stays, so it is rendered round its own loop point.
Buffer HighScore() {
    const Sequencer seq(128.0f);
    const double beats = 16.0;
    Buffer out(kEffectRenderRate, 1, static_cast<std::size_t>(seq.Seconds(beats) * kEffectRenderRate));
    out.SetWrap(true);
    Instrument bell = Bell();
    bell.legato = 0.5f;
    seq.Play(out, bell,
             Line("c6 e6 g6 e6 c6/2 g5/2 a5 c6 f6 c6 a5/2 f5/2 "
                  "g5 b5 d6 b5 g5/2 d6/2 e6 d6 c6 b5 c6/2 g5/2"));
    Instrument lead = Lead();
    lead.gain = 0.5f;
    seq.Play(out, lead, Line("e5/4 g5/4 f5/4 a5/4 d5/4 f5/4 e5/4 g5/4"));
    seq.Play(out, Bass(), Line("c3/2 g3/2 c3/2 g3/2 f2/2 c3/2 f2/2 c3/2 g2/2 d3/2 g2/2 d3/2 c3/2 g3/2 g2/2 b2/2"));
    const Mono kick = drums::Kick(out.Rate());
    const Mono snare = drums::Snare(out.Rate());
    const Mono hat = drums::HatClosed(out.Rate());
    for (int beat = 0; beat < 16; ++beat) {
        seq.Hit(out, beat % 2 == 0 ? kick : snare, beat, beat % 2 == 0 ? 0.55f : 0.3f);
        seq.Hit(out, hat, beat + 0.5, 0.25f);
    }
    Echo(static_cast<float>(seq.Seconds(0.75)), 0.3f, 0.4f).Apply(out, 0.25f, true);
    Reverb(0.5f, 0.5f).Apply(out, 0.2f, true);
    return out;
}

}  // namespace jingle_sounds
