#include "TrafficSounds.h"

#include "EffectKit.h"
#include "Reverb.h"

namespace traffic_sounds {

using kit::Add;

// The open convertible: a honk, a soft-bodied thump and loose parts rattling.
Buffer RagtopOpenCrash() {
    Buffer out = kit::NewEffect();
    kit::Horn(out, 0.0, 392.0f, 0.12f, 0.6f);
    kit::Thud(out, 0.12, 85.0f, 0.3f, 1.0f);
    kit::Crunch(out, 101, 0.12, 0.35f, 1400.0f, 0.35f);
    Voice rattle;
    rattle.wave = Wave::Noise;
    rattle.seed = 103;
    rattle.attack = 0.005f;
    rattle.gate = 0.25f;
    rattle.release = 0.2f;
    rattle.filter = Filter::Mode::Band;
    rattle.cutoff = 2500.0f;
    rattle.tremoloHz = 22.0f;
    rattle.tremoloDepth = 1.0f;
    Add(out, rattle, 0.16, 0.3f);
    return out;
}

// The closed car: a heavier metal body that clangs, and its windows break.
Buffer RagtopClosedCrash() {
    Buffer out = kit::NewEffect();
    kit::Thud(out, 0.0, 70.0f, 0.35f, 1.0f);
    kit::Clang(out, 0.0, 190.0f, 0.6f, 0.5f);
    kit::Crunch(out, 107, 0.0, 0.3f, 900.0f, 0.4f);
    kit::Glass(out, 109, 0.05, 0.6f, 0.5f);
    return out;
}

// The small car: a light, tinny clank and a squeaky little horn.
Buffer SmallCarCrash() {
    Buffer out = kit::NewEffect();
    kit::Horn(out, 0.0, 660.0f, 0.07f, 0.4f);
    kit::Horn(out, 0.1, 660.0f, 0.07f, 0.4f);
    kit::Thud(out, 0.18, 120.0f, 0.18f, 0.8f);
    kit::Clang(out, 0.18, 440.0f, 0.35f, 0.35f);
    kit::Crunch(out, 113, 0.18, 0.2f, 2200.0f, 0.3f);
    return out;
}

// A truck: an air horn, a deep boom and a long grinding crunch.
Buffer TruckCrash() {
    Buffer out = kit::NewEffect();
    for (float hz : {185.0f, 233.0f, 277.0f}) {
        Voice horn;
        horn.wave = Wave::Saw;
        horn.hz = hz;
        horn.detuneCents = 7.0f;
        horn.attack = 0.03f;
        horn.gate = 0.38f;
        horn.release = 0.12f;
        horn.cutoff = 1800.0f;
        horn.resonance = 1.1f;
        Add(out, horn, 0.0, 0.25f);
    }
    kit::Thud(out, 0.25, 48.0f, 0.7f, 1.0f);
    kit::Clang(out, 0.25, 110.0f, 0.9f, 0.4f);
    kit::Crunch(out, 127, 0.25, 0.7f, 700.0f, 0.45f);
    out.Resize(out.FrameAt(1.8));
    Reverb(0.5f, 0.4f).Apply(out, 0.25f, false);
    return out;
}

// The brake: a squeal that wavers and sinks, then the air brakes sigh.
Buffer TruckBrake() {
    Buffer out = kit::NewEffect();
    Voice squeal;
    squeal.wave = Wave::Saw;
    squeal.hz = 2300.0f;
    squeal.hzEnd = 1850.0f;
    squeal.vibratoHz = 9.0f;
    squeal.vibratoSemis = 0.35f;
    squeal.attack = 0.04f;
    squeal.gate = 0.65f;
    squeal.release = 0.1f;
    squeal.filter = Filter::Mode::Band;
    squeal.cutoff = 2300.0f;
    squeal.cutoffEnd = 1900.0f;
    squeal.resonance = 4.0f;
    squeal.tremoloHz = 13.0f;
    squeal.tremoloDepth = 0.35f;
    Add(out, squeal, 0.0, 0.7f);
    Voice tyres;
    tyres.wave = Wave::Noise;
    tyres.seed = 131;
    tyres.attack = 0.03f;
    tyres.gate = 0.6f;
    tyres.release = 0.1f;
    tyres.filter = Filter::Mode::Band;
    tyres.cutoff = 1200.0f;
    Add(out, tyres, 0.0, 0.25f);
    Voice air;
    air.wave = Wave::Noise;
    air.seed = 137;
    air.attack = 0.01f;
    air.gate = 0.15f;
    air.release = 0.35f;
    air.filter = Filter::Mode::High;
    air.cutoff = 3500.0f;
    air.cutoffEnd = 2000.0f;
    Add(out, air, 0.72, 0.5f);
    return out;
}

}  // namespace traffic_sounds
