#include "FrogSounds.h"

#include "EffectKit.h"
#include "Reverb.h"

namespace frog_sounds {

using kit::Add;

// Played on every step: short, soft and round, so the hundredth hop does not grate.
Buffer Move() {
    Buffer out = kit::NewEffect();
    Voice hop;
    hop.wave = Wave::Triangle;
    hop.hz = 240.0f;
    hop.hzEnd = 560.0f;
    hop.glide = 0.07f;
    hop.attack = 0.004f;
    hop.gate = 0.05f;
    hop.release = 0.06f;
    hop.cutoff = 2200.0f;
    Add(out, hop, 0.0);
    Voice push;
    push.wave = Wave::Noise;
    push.seed = 3;
    push.attack = 0.003f;
    push.gate = 0.015f;
    push.release = 0.05f;
    push.cutoff = 1600.0f;
    push.cutoffEnd = 500.0f;
    Add(out, push, 0.0, 0.35f);
    return out;
}

// The rocket jump: a spring that boings and wobbles up.
Buffer Jump() {
    Buffer out = kit::NewEffect();
    Voice spring;
    spring.hz = 150.0f;
    spring.hzEnd = 620.0f;
    spring.glide = 0.28f;
    spring.vibratoHz = 16.0f;
    spring.vibratoSemis = 1.5f;
    spring.fmRatio = 2.0f;
    spring.fmIndex = 1.8f;
    spring.fmIndexEnd = 0.2f;
    spring.attack = 0.004f;
    spring.gate = 0.2f;
    spring.release = 0.2f;
    Add(out, spring, 0.0);
    Voice whoosh;
    whoosh.wave = Wave::Noise;
    whoosh.seed = 5;
    whoosh.attack = 0.05f;
    whoosh.gate = 0.12f;
    whoosh.release = 0.15f;
    whoosh.filter = Filter::Mode::Band;
    whoosh.cutoff = 600.0f;
    whoosh.cutoffEnd = 3000.0f;
    Add(out, whoosh, 0.02, 0.35f);
    return out;
}

// A dull knock: the frog bumps into something that does not give.
Buffer BlockedMove() {
    Buffer out = kit::NewEffect();
    kit::Thud(out, 0.0, 95.0f, 0.12f, 1.0f);
    Voice wood;
    wood.hz = 310.0f;
    wood.hzEnd = 260.0f;
    wood.attack = 0.001f;
    wood.gate = 0.005f;
    wood.release = 0.07f;
    wood.cutoff = 900.0f;
    Add(out, wood, 0.0, 0.5f);
    kit::Thud(out, 0.075, 90.0f, 0.08f, 0.35f);
    return out;
}

// Run over: a squashy splat and a dizzy, falling whistle.
Buffer KnockedOver() {
    Buffer out = kit::NewEffect();
    Voice splat;
    splat.wave = Wave::Noise;
    splat.seed = 9;
    splat.attack = 0.002f;
    splat.gate = 0.03f;
    splat.release = 0.15f;
    splat.filter = Filter::Mode::Band;
    splat.cutoff = 1100.0f;
    splat.cutoffEnd = 400.0f;
    splat.resonance = 1.2f;
    splat.drive = 1.5f;
    Add(out, splat, 0.0, 0.9f);
    kit::Thud(out, 0.0, 80.0f, 0.15f, 0.6f);
    Voice whistle;
    whistle.hz = 1100.0f;
    whistle.hzEnd = 240.0f;
    whistle.vibratoHz = 7.0f;
    whistle.vibratoSemis = 0.8f;
    whistle.attack = 0.03f;
    whistle.gate = 0.45f;
    whistle.release = 0.12f;
    Add(out, whistle, 0.08, 0.45f);
    kit::Croak(out, 0.12, 110.0f, 0.18f, 700.0f, 0.5f);
    return out;
}

// A splash, then the gurgle of a frog going under.
Buffer Drown() {
    Buffer out = kit::NewEffect();
    kit::Splash(out, 0.0, 1.0f, 1.0f);
    kit::Bubbles(out, 17, 0.12, 1.1, 28, 280.0f, 900.0f, 0.45f);
    Voice glug;
    glug.wave = Wave::Saw;
    glug.hz = 160.0f;
    glug.hzEnd = 70.0f;
    glug.attack = 0.02f;
    glug.gate = 0.5f;
    glug.release = 0.2f;
    glug.tremoloHz = 9.0f;
    glug.tremoloDepth = 1.0f;
    glug.filter = Filter::Mode::Band;
    glug.cutoff = 500.0f;
    glug.cutoffEnd = 250.0f;
    glug.resonance = 2.0f;
    Add(out, glug, 0.18, 0.5f);
    return out;
}

// The tongue flicks out, then a gulp.
Buffer Eat() {
    Buffer out = kit::NewEffect();
    Voice tongue;
    tongue.hz = 500.0f;
    tongue.hzEnd = 2200.0f;
    tongue.glide = 0.045f;
    tongue.attack = 0.002f;
    tongue.gate = 0.03f;
    tongue.release = 0.03f;
    Add(out, tongue, 0.0, 0.4f);
    Voice gulp;
    gulp.wave = Wave::Triangle;
    gulp.hz = 360.0f;
    gulp.hzEnd = 110.0f;
    gulp.glide = 0.14f;
    gulp.attack = 0.01f;
    gulp.gate = 0.1f;
    gulp.release = 0.1f;
    gulp.filter = Filter::Mode::Band;
    gulp.cutoff = 700.0f;
    gulp.cutoffEnd = 300.0f;
    gulp.resonance = 1.5f;
    gulp.drive = 1.0f;
    Add(out, gulp, 0.09, 1.0f);
    kit::Thud(out, 0.1, 120.0f, 0.08f, 0.4f);
    return out;
}

// An insect's sting: a sharp metallic zing and a startled croak.
Buffer Pierced() {
    Buffer out = kit::NewEffect();
    Voice zing;
    zing.hz = 1500.0f;
    zing.hzEnd = 2100.0f;
    zing.fmRatio = 1.41f;
    zing.fmIndex = 2.5f;
    zing.fmIndexEnd = 0.3f;
    zing.attack = 0.001f;
    zing.gate = 0.03f;
    zing.release = 0.28f;
    Add(out, zing, 0.0, 0.55f);
    Voice ouch;
    ouch.wave = Wave::Square;
    ouch.pulse = 0.3f;
    ouch.hz = 520.0f;
    ouch.hzEnd = 260.0f;
    ouch.attack = 0.005f;
    ouch.gate = 0.14f;
    ouch.release = 0.08f;
    ouch.cutoff = 1800.0f;
    ouch.vibratoHz = 12.0f;
    ouch.vibratoSemis = 0.6f;
    Add(out, ouch, 0.05, 0.5f);
    return out;
}

// The idle frog croaks as its throat swells early in the idle animation and breathes in near
// its end. The game starts the sound with the animation and again whenever it has ended, so it
// lasts just under one pass of the animation (2.4 s) and opens with a moment of quiet: a
// restart a few frames early or late is never heard.
Buffer Idle() {
    constexpr double kLength = 2.38;
    Buffer out = kit::NewEffect();
    kit::Croak(out, 0.22, 120.0f, 0.2f, 620.0f, 0.7f);
    kit::Croak(out, 0.52, 150.0f, 0.1f, 760.0f, 0.55f);
    // Breathing out after the croak and in again before the next one.
    for (double at : {0.75, 1.75}) {
        Voice breath;
        breath.wave = Wave::Noise;
        breath.seed = 19;
        breath.attack = 0.2f;
        breath.gate = 0.3f;
        breath.release = 0.3f;
        breath.filter = Filter::Mode::Band;
        breath.cutoff = 700.0f;
        breath.cutoffEnd = 450.0f;
        breath.resonance = 0.8f;
        Add(out, breath, at, 1.0f);
    }
    out.Resize(out.FrameAt(kLength));
    return out;
}

// A star: a bright rising chime with a sparkle that echoes away.
Buffer PickStar() {
    Buffer out = kit::NewEffect();
    const float notes[] = {79.0f, 84.0f, 88.0f, 91.0f, 96.0f};  // g5 c6 e6 g6 c7
    double at = 0.0;
    for (float note : notes) {
        Voice bell;
        bell.hz = MidiHz(note);
        bell.fmRatio = 2.0f;
        bell.fmIndex = 1.2f;
        bell.fmIndexEnd = 0.1f;
        bell.attack = 0.001f;
        bell.gate = 0.01f;
        bell.release = 0.5f;
        Add(out, bell, at, 0.5f);
        at += 0.055;
    }
    Voice sparkle;
    sparkle.wave = Wave::Noise;
    sparkle.seed = 29;
    sparkle.attack = 0.05f;
    sparkle.gate = 0.1f;
    sparkle.release = 0.3f;
    sparkle.filter = Filter::Mode::High;
    sparkle.cutoff = 8000.0f;
    sparkle.tremoloHz = 30.0f;
    sparkle.tremoloDepth = 0.8f;
    Add(out, sparkle, 0.1, 0.15f);
    out.Resize(out.FrameAt(0.9));
    Echo(0.11f, 0.35f, 0.3f).Apply(out, 0.35f, false);
    return out;
}

}  // namespace frog_sounds
