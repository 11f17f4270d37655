#include "RiverSounds.h"

#include "EffectKit.h"
#include "Reverb.h"

namespace river_sounds {

using kit::Add;

// The box snaps shut and water gushes in.
Buffer BoxDrown() {
    Buffer out = kit::NewEffect();
    Voice lid;
    lid.wave = Wave::Noise;
    lid.seed = 201;
    lid.attack = 0.001f;
    lid.gate = 0.01f;
    lid.release = 0.08f;
    lid.filter = Filter::Mode::Band;
    lid.cutoff = 1300.0f;
    lid.resonance = 2.0f;
    Add(out, lid, 0.0, 0.8f);
    kit::Thud(out, 0.0, 150.0f, 0.12f, 0.6f);
    Voice gush;
    gush.wave = Wave::Noise;
    gush.seed = 203;
    gush.attack = 0.05f;
    gush.gate = 0.5f;
    gush.release = 0.35f;
    gush.filter = Filter::Mode::Low;
    gush.cutoff = 3000.0f;
    gush.cutoffEnd = 350.0f;
    gush.tremoloHz = 6.0f;
    gush.tremoloDepth = 0.6f;
    Add(out, gush, 0.08, 0.6f);
    kit::Bubbles(out, 205, 0.2, 1.0, 18, 250.0f, 700.0f, 0.4f);
    return out;
}

// A hammer comes down: a heavy bonk and a cartoon ring of stars.
Buffer BoxHammer() {
    Buffer out = kit::NewEffect();
    kit::Thud(out, 0.0, 70.0f, 0.25f, 1.0f);
    Voice clack;
    clack.hz = 900.0f;
    clack.fmRatio = 1.6f;
    clack.fmIndex = 3.0f;
    clack.fmIndexEnd = 0.0f;
    clack.attack = 0.0005f;
    clack.gate = 0.005f;
    clack.release = 0.09f;
    Add(out, clack, 0.0, 0.5f);
    Voice dizzy;
    dizzy.hz = 1320.0f;
    dizzy.vibratoHz = 6.0f;
    dizzy.vibratoSemis = 1.0f;
    dizzy.attack = 0.02f;
    dizzy.gate = 0.2f;
    dizzy.release = 0.6f;
    dizzy.tremoloHz = 12.0f;
    dizzy.tremoloDepth = 0.5f;
    Add(out, dizzy, 0.12, 0.25f);
    Voice dizzy2 = dizzy;
    dizzy2.hz = 1760.0f;
    dizzy2.vibratoHz = 5.0f;
    Add(out, dizzy2, 0.16, 0.18f);
    return out;
}

// A red button: click, alarm beeps, then the trap springs with a falling electric zap.
Buffer BoxRedButton() {
    Buffer out = kit::NewEffect();
    Voice click;
    click.wave = Wave::Noise;
    click.seed = 211;
    click.attack = 0.0005f;
    click.gate = 0.003f;
    click.release = 0.02f;
    click.filter = Filter::Mode::Band;
    click.cutoff = 2500.0f;
    Add(out, click, 0.0, 0.8f);
    for (int i = 0; i < 3; ++i) {
        Voice beep;
        beep.wave = Wave::Square;
        beep.hz = 1050.0f;
        beep.attack = 0.003f;
        beep.gate = 0.07f;
        beep.release = 0.02f;
        beep.cutoff = 3500.0f;
        Add(out, beep, 0.06 + 0.12 * i, 0.3f);
    }
    Voice zap;
    zap.wave = Wave::Saw;
    zap.hz = 1400.0f;
    zap.hzEnd = 70.0f;
    zap.glide = 0.4f;
    zap.attack = 0.005f;
    zap.gate = 0.35f;
    zap.release = 0.12f;
    zap.cutoff = 4000.0f;
    zap.cutoffEnd = 600.0f;
    zap.drive = 1.5f;
    zap.tremoloHz = 40.0f;
    zap.tremoloDepth = 0.5f;
    Add(out, zap, 0.42, 0.55f);
    kit::Thud(out, 0.8, 90.0f, 0.15f, 0.6f);
    return out;
}

// The bomb: a short fizzing fuse, then a boom that rolls away.
Buffer BoxBomb() {
    Buffer out = kit::NewEffect();
    Voice fuse;
    fuse.wave = Wave::Noise;
    fuse.seed = 221;
    fuse.attack = 0.01f;
    fuse.gate = 0.22f;
    fuse.release = 0.03f;
    fuse.filter = Filter::Mode::High;
    fuse.cutoff = 4000.0f;
    fuse.tremoloHz = 35.0f;
    fuse.tremoloDepth = 0.7f;
    Add(out, fuse, 0.0, 0.25f);
    Voice blast;
    blast.wave = Wave::Noise;
    blast.seed = 223;
    blast.attack = 0.002f;
    blast.gate = 0.08f;
    blast.release = 1.3f;
    blast.cutoff = 5000.0f;
    blast.cutoffEnd = 180.0f;
    blast.filterTime = 0.6f;
    blast.drive = 1.5f;
    Add(out, blast, 0.25, 1.0f);
    kit::Thud(out, 0.25, 38.0f, 0.9f, 1.0f);
    kit::Crunch(out, 227, 0.35, 0.6f, 1800.0f, 0.2f);
    out.Resize(out.FrameAt(2.2));
    Reverb(0.7f, 0.5f).Apply(out, 0.3f, false);
    return out;
}

// The piranha: a splash and three snapping bites.
Buffer Piranha() {
    Buffer out = kit::NewEffect();
    kit::Splash(out, 0.0, 0.6f, 0.6f);
    for (int i = 0; i < 3; ++i) {
        const double at = 0.08 + 0.14 * i;
        Voice snap;
        snap.wave = Wave::Noise;
        snap.seed = 281u + static_cast<uint32_t>(i);
        snap.attack = 0.0005f;
        snap.gate = 0.012f;
        snap.release = 0.05f;
        snap.filter = Filter::Mode::Band;
        snap.cutoff = 1800.0f + 300.0f * static_cast<float>(i);
        snap.resonance = 1.5f;
        snap.drive = 1.0f;
        Add(out, snap, at, 0.9f);
        kit::Thud(out, at, 140.0f + 20.0f * static_cast<float>(i), 0.08f, 0.6f);
    }
    kit::Bubbles(out, 283, 0.45, 0.9, 8, 300.0f, 700.0f, 0.3f);
    return out;
}

// A water lily or a hippo goes under: a deep bloop and swirling water.
Buffer Dive() {
    Buffer out = kit::NewEffect();
    Voice bloop;
    bloop.hz = 650.0f;
    bloop.hzEnd = 130.0f;
    bloop.glide = 0.25f;
    bloop.attack = 0.005f;
    bloop.gate = 0.15f;
    bloop.release = 0.2f;
    Add(out, bloop, 0.0, 0.8f);
    Voice swirl;
    swirl.wave = Wave::Noise;
    swirl.seed = 291;
    swirl.attack = 0.05f;
    swirl.gate = 0.35f;
    swirl.release = 0.3f;
    swirl.filter = Filter::Mode::Band;
    swirl.cutoff = 900.0f;
    swirl.cutoffEnd = 300.0f;
    swirl.resonance = 1.2f;
    swirl.tremoloHz = 7.0f;
    swirl.tremoloDepth = 0.7f;
    Add(out, swirl, 0.05, 0.45f);
    kit::Bubbles(out, 293, 0.15, 0.75, 12, 350.0f, 900.0f, 0.35f);
    return out;
}

// The hippo: an angry snort and a rolling growl.
Buffer HippoAngry() {
    Buffer out = kit::NewEffect();
    for (double at : {0.0, 0.13}) {
        Voice snort;
        snort.wave = Wave::Noise;
        snort.seed = 301;
        snort.attack = 0.01f;
        snort.gate = 0.06f;
        snort.release = 0.07f;
        snort.filter = Filter::Mode::Band;
        snort.cutoff = 800.0f;
        snort.cutoffEnd = 500.0f;
        snort.resonance = 1.5f;
        Add(out, snort, at, 0.7f);
    }
    Voice growl;
    growl.wave = Wave::Saw;
    growl.hz = 82.0f;
    growl.hzEnd = 62.0f;
    growl.vibratoHz = 5.0f;
    growl.vibratoSemis = 0.7f;
    growl.attack = 0.06f;
    growl.gate = 0.6f;
    growl.release = 0.2f;
    growl.filter = Filter::Mode::Band;
    growl.cutoff = 520.0f;
    growl.cutoffEnd = 380.0f;
    growl.resonance = 2.5f;
    growl.tremoloHz = 19.0f;
    growl.tremoloDepth = 0.7f;
    growl.drive = 2.5f;
    Add(out, growl, 0.25, 1.0f);
    return out;
}

}  // namespace river_sounds
