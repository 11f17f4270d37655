#include "KillSounds.h"

#include "EffectKit.h"
#include "Reverb.h"
#include "Rng.h"

namespace kill_sounds {

using kit::Add;

// The box snaps shut and water gushes in.
Buffer BoxDrown()
{
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
Buffer BoxHammer()
{
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
Buffer BoxRedButton()
{
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
Buffer BoxBomb()
{
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

// The snack van: a service bell, then the frog sizzles on the griddle.
Buffer ChezFred()
{
    Buffer out = kit::NewEffect();
    Voice bell;
    bell.hz = 1568.0f;
    bell.fmRatio = 2.4f;
    bell.fmIndex = 3.0f;
    bell.fmIndexEnd = 0.2f;
    bell.attack = 0.001f;
    bell.gate = 0.01f;
    bell.release = 0.9f;
    Add(out, bell, 0.0, 0.45f);
    Rng rng(231);
    for (double t = 0.15; t < 1.3; t += rng.Range(0.004f, 0.02f)) {
        Voice pop;
        pop.wave = Wave::Noise;
        pop.seed = rng.Next();
        pop.attack = 0.0005f;
        pop.gate = 0.002f;
        pop.release = rng.Range(0.008f, 0.03f);
        pop.filter = Filter::Mode::High;
        pop.cutoff = rng.Range(2500.0f, 6000.0f);
        const float fade = t > 1.0 ? static_cast<float>((1.3 - t) / 0.3) : 1.0f;
        Add(out, pop, t, rng.Range(0.1f, 0.45f) * fade);
    }
    Voice hiss;
    hiss.wave = Wave::Noise;
    hiss.seed = 233;
    hiss.attack = 0.1f;
    hiss.gate = 0.9f;
    hiss.release = 0.3f;
    hiss.filter = Filter::Mode::High;
    hiss.cutoff = 5000.0f;
    Add(out, hiss, 0.15, 0.2f);
    return out;
}

// The garbage truck's compactor grinds and the bins clatter.
Buffer Garbage()
{
    Buffer out = kit::NewEffect();
    Voice motor;
    motor.wave = Wave::Saw;
    motor.hz = 55.0f;
    motor.hzEnd = 62.0f;
    motor.attack = 0.08f;
    motor.gate = 1.1f;
    motor.release = 0.25f;
    motor.cutoff = 420.0f;
    motor.resonance = 1.5f;
    motor.tremoloHz = 11.0f;
    motor.tremoloDepth = 0.6f;
    motor.drive = 2.0f;
    Add(out, motor, 0.0, 0.8f);
    Voice whine;
    whine.wave = Wave::Saw;
    whine.hz = 300.0f;
    whine.hzEnd = 470.0f;
    whine.attack = 0.2f;
    whine.gate = 0.9f;
    whine.release = 0.2f;
    whine.cutoff = 900.0f;
    Add(out, whine, 0.1, 0.2f);
    kit::Crunch(out, 241, 0.2, 1.0f, 1000.0f, 0.5f);
    kit::Clang(out, 0.05, 260.0f, 0.3f, 0.3f);
    kit::Clang(out, 0.5, 330.0f, 0.25f, 0.25f);
    return out;
}

// The aquarium truck: glass clinks, a big splash, and the frog swims among the bubbles.
Buffer Aquarium()
{
    Buffer out = kit::NewEffect();
    for (double at : {0.0, 0.07}) {
        Voice clink;
        clink.hz = 3100.0f;
        clink.fmRatio = 1.5f;
        clink.fmIndex = 1.2f;
        clink.fmIndexEnd = 0.0f;
        clink.attack = 0.0005f;
        clink.gate = 0.003f;
        clink.release = 0.25f;
        Add(out, clink, at, 0.4f);
    }
    kit::Splash(out, 0.12, 1.3f, 1.0f);
    kit::Bubbles(out, 251, 0.2, 1.4, 40, 400.0f, 1300.0f, 0.4f);
    return out;
}

// The cement mixer: the drum turns, the motor labours, wet cement slops round.
Buffer CementMixer()
{
    Buffer out = kit::NewEffect();
    Voice drum;
    drum.wave = Wave::Noise;
    drum.seed = 261;
    drum.attack = 0.1f;
    drum.gate = 1.3f;
    drum.release = 0.3f;
    drum.filter = Filter::Mode::Band;
    drum.cutoff = 260.0f;
    drum.resonance = 1.5f;
    drum.tremoloHz = 3.0f;
    drum.tremoloDepth = 0.7f;
    Add(out, drum, 0.0, 1.0f);
    Voice motor;
    motor.wave = Wave::Saw;
    motor.hz = 68.0f;
    motor.attack = 0.1f;
    motor.gate = 1.3f;
    motor.release = 0.3f;
    motor.cutoff = 350.0f;
    motor.tremoloHz = 17.0f;
    motor.tremoloDepth = 0.4f;
    Add(out, motor, 0.0, 0.4f);
    for (double at : {0.1, 0.43, 0.76, 1.09}) {
        Voice slop;
        slop.wave = Wave::Triangle;
        slop.hz = 220.0f;
        slop.hzEnd = 90.0f;
        slop.glide = 0.12f;
        slop.attack = 0.01f;
        slop.gate = 0.08f;
        slop.release = 0.12f;
        slop.filter = Filter::Mode::Band;
        slop.cutoff = 500.0f;
        slop.resonance = 2.0f;
        slop.noiseMix = 0.3f;
        Add(out, slop, at, 0.6f);
    }
    return out;
}

// The electric truck: a buzzing arc with crackling sparks.
Buffer Electric()
{
    Buffer out = kit::NewEffect();
    Voice arc;
    arc.wave = Wave::Saw;
    arc.hz = 100.0f;
    arc.detuneCents = 25.0f;
    arc.attack = 0.005f;
    arc.gate = 0.9f;
    arc.release = 0.25f;
    arc.filter = Filter::Mode::Band;
    arc.cutoff = 3000.0f;
    arc.cutoffEnd = 900.0f;
    arc.resonance = 1.2f;
    arc.tremoloHz = 50.0f;
    arc.tremoloDepth = 0.6f;
    arc.drive = 3.0f;
    Add(out, arc, 0.0, 0.6f);
    Rng rng(271);
    for (double t = 0.0; t < 0.95; t += rng.Range(0.02f, 0.09f)) {
        Voice spark;
        spark.wave = Wave::Noise;
        spark.seed = rng.Next();
        spark.attack = 0.0005f;
        spark.gate = rng.Range(0.003f, 0.015f);
        spark.release = 0.02f;
        spark.filter = Filter::Mode::High;
        spark.cutoff = 2000.0f;
        spark.drive = 2.0f;
        Add(out, spark, t, rng.Range(0.3f, 0.7f));
    }
    Voice whine;
    whine.hz = 3200.0f;
    whine.hzEnd = 2400.0f;
    whine.attack = 0.02f;
    whine.gate = 0.8f;
    whine.release = 0.2f;
    Add(out, whine, 0.0, 0.06f);
    return out;
}

// The piranha: a splash and three snapping bites.
Buffer Piranha()
{
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
Buffer Dive()
{
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
Buffer HippoAngry()
{
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

} // namespace kill_sounds
