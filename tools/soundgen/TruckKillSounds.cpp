#include "TruckKillSounds.h"

#include "EffectKit.h"
#include "Rng.h"

namespace truck_kill_sounds {

using kit::Add;

// The snack van: a service bell, then the frog sizzles on the griddle.
Buffer ChezFred() {
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
    for (double t = 0.15; t < 1.3; t += rng.Range(0.008f, 0.03f)) {
        Voice pop;
        pop.wave = Wave::Noise;
        pop.seed = rng.Next();
        pop.attack = 0.0005f;
        pop.gate = 0.002f;
        pop.release = rng.Range(0.008f, 0.03f);
        pop.filter = Filter::Mode::High;
        pop.cutoff = rng.Range(2500.0f, 6000.0f);
        const float fade = t > 1.0 ? static_cast<float>((1.3 - t) / 0.3) : 1.0f;
        Add(out, pop, t, rng.Range(0.06f, 0.3f) * fade);
    }
    Voice hiss;
    hiss.wave = Wave::Noise;
    hiss.seed = 233;
    hiss.attack = 0.1f;
    hiss.gate = 0.9f;
    hiss.release = 0.3f;
    hiss.filter = Filter::Mode::High;
    hiss.cutoff = 5000.0f;
    Add(out, hiss, 0.15, 0.08f);
    return out;
}

// The garbage truck's compactor grinds and the bins clatter.
Buffer Garbage() {
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
Buffer Aquarium() {
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
Buffer CementMixer() {
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
Buffer Electric() {
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

}  // namespace truck_kill_sounds
