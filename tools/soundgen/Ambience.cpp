#include "Ambience.h"

#include <cmath>
#include <numbers>

#include "Filter.h"
#include "Reverb.h"
#include "Rng.h"
#include "SoundCatalog.h"
#include "Voice.h"

namespace ambience {
namespace {

constexpr double kLoopSeconds = 24.0;
constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr int kFilterUpdateSamples = 8;

Buffer NewLoop() {
    Buffer out(kStreamRate, 2, static_cast<std::size_t>(kLoopSeconds * kStreamRate));
    out.SetWrap(true);
    return out;
}

// A filtered noise bed that repeats exactly with the loop: the noise is one loop long and the
// filter runs over it twice, keeping the settled second pass. The cutoff and the level move
// with slow waves of a whole number of cycles per loop.
struct Bed {
    uint32_t seed;
    Filter::Mode mode;
    float hz;
    float resonance;
    int cutoffCycles = 0;  // per loop
    float cutoffOctaves = 0.0f;
    int levelCycles = 0;
    float levelDepth = 0.0f;
    float phase = 0.0f;  // of both waves, in cycles
};

Mono LoopNoise(const Bed& bed, std::size_t frames) {
    Rng rng(bed.seed);
    Mono raw(frames);
    for (float& s : raw) {
        s = rng.Bipolar();
    }
    Filter filter(bed.mode, bed.resonance);
    Mono out(frames);
    const float n = static_cast<float>(frames);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < frames; ++i) {
            const float x = static_cast<float>(i) / n;
            if (i % kFilterUpdateSamples == 0) {
                const float wave = std::sin(kTwoPi * (static_cast<float>(bed.cutoffCycles) * x + bed.phase));
                filter.SetCutoff(bed.hz * std::pow(2.0f, bed.cutoffOctaves * wave), kStreamRate);
            }
            const float level =
                1.0f - bed.levelDepth * 0.5f *
                           (1.0f + std::sin(kTwoPi * (static_cast<float>(bed.levelCycles) * x + bed.phase)));
            out[i] = filter.Process(raw[i]) * level;
        }
    }
    return out;
}

void AddBed(Buffer& out, Bed bed, float gain, float width) {
    // Two independent beds, one per side, partly blended: a wide but not hollow stereo image.
    const Mono left = LoopNoise(bed, out.Frames());
    bed.seed = bed.seed * 2654435761u + 1u;
    bed.phase += 0.25f;
    const Mono right = LoopNoise(bed, out.Frames());
    const float same = 1.0f - width;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        out.Channel(0)[i] += gain * (left[i] + same * right[i]) / (1.0f + same);
        out.Channel(1)[i] += gain * (right[i] + same * left[i]) / (1.0f + same);
    }
}

// A vehicle passing: engine note and tyre noise swelling and fading, its pitch falling as it
// goes by, moving across the stereo field.
void PassingCar(Buffer& out, Rng& rng, double at, float gain, float cutoff) {
    const float engineHz = rng.Range(70.0f, 150.0f);
    const float seconds = rng.Range(2.5f, 4.0f);
    Voice engine;
    engine.wave = Wave::Saw;
    engine.hz = engineHz * 1.05f;
    engine.hzEnd = engineHz * 0.93f;
    engine.attack = seconds * 0.5f;
    engine.gate = seconds * 0.5f;
    engine.release = seconds * 0.9f;
    engine.cutoff = cutoff;
    engine.tremoloHz = engineHz / 4.0f;
    engine.tremoloDepth = 0.3f;
    Voice tyres;
    tyres.wave = Wave::Noise;
    tyres.seed = rng.Next();
    tyres.attack = engine.attack;
    tyres.gate = engine.gate;
    tyres.release = engine.release;
    tyres.filter = Filter::Mode::Band;
    tyres.cutoff = cutoff * 1.4f;
    tyres.cutoffEnd = cutoff * 0.9f;
    tyres.resonance = 0.6f;
    const bool leftToRight = rng.Uniform() < 0.5f;
    const float from = leftToRight ? -0.9f : 0.9f;
    out.MixMoving(Render(engine, kStreamRate), at, gain * 0.35f, from, -from);
    out.MixMoving(Render(tyres, kStreamRate), at, gain, from, -from);
}

void DistantHorn(Buffer& out, Rng& rng, double at, float gain) {
    const float hz = rng.Range(330.0f, 480.0f);
    const int toots = rng.Uniform() < 0.5f ? 1 : 2;
    const float pan = rng.Range(-0.8f, 0.8f);
    for (int t = 0; t < toots; ++t) {
        for (float ratio : {1.0f, 1.26f}) {
            Voice h;
            h.wave = Wave::Square;
            h.pulse = 0.4f;
            h.hz = hz * ratio;
            h.attack = 0.02f;
            h.gate = toots == 1 ? 0.35f : 0.14f;
            h.release = 0.08f;
            h.cutoff = 1100.0f;
            out.Mix(Render(h, kStreamRate), at + 0.22 * t, gain * 0.5f, pan);
        }
    }
}

// Water: small chirps of rising pitch, the sound of bubbles and a babbling current.
void Trickle(Buffer& out, uint32_t seed, int count, float lowHz, float highHz, float gain) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        Voice b;
        b.hz = rng.Range(lowHz, highHz);
        b.hzEnd = b.hz * rng.Range(1.3f, 2.0f);
        b.attack = 0.003f;
        b.gate = rng.Range(0.01f, 0.04f);
        b.release = 0.03f;
        out.Mix(Render(b, kStreamRate), rng.Range(0.0f, static_cast<float>(kLoopSeconds)), gain * rng.Range(0.3f, 1.0f),
                rng.Range(-0.9f, 0.9f));
    }
}

}  // namespace

Buffer River() {
    Buffer out = NewLoop();
    AddBed(out, {301, Filter::Mode::Low, 700.0f, 0.7f, 3, 0.6f, 4, 0.4f, 0.0f}, 0.5f, 0.7f);
    AddBed(out, {303, Filter::Mode::Band, 1800.0f, 1.2f, 5, 0.5f, 7, 0.6f, 0.3f}, 0.25f, 0.9f);
    Trickle(out, 305, 520, 500.0f, 1600.0f, 0.14f);
    Trickle(out, 307, 80, 250.0f, 600.0f, 0.2f);
    Reverb(0.5f, 0.6f).Apply(out, 0.3f, true);
    return out;
}

Buffer Road() {
    Buffer out = NewLoop();
    AddBed(out, {311, Filter::Mode::Low, 180.0f, 0.8f, 2, 0.4f, 3, 0.3f, 0.0f}, 0.55f, 0.5f);
    AddBed(out, {313, Filter::Mode::Band, 900.0f, 0.7f, 4, 0.3f, 5, 0.4f, 0.5f}, 0.12f, 0.8f);
    Rng rng(317);
    for (double at = 0.0; at < kLoopSeconds; at += rng.Range(1.6f, 3.2f)) {
        PassingCar(out, rng, at, rng.Range(0.1f, 0.22f), rng.Range(700.0f, 1400.0f));
    }
    for (double at : {3.5, 11.0, 15.2, 21.0}) {
        DistantHorn(out, rng, at, 0.1f);
    }
    Reverb(0.6f, 0.5f).Apply(out, 0.35f, true);
    return out;
}

Buffer RoadUnderground() {
    Buffer out = NewLoop();
    AddBed(out, {321, Filter::Mode::Low, 110.0f, 1.0f, 2, 0.5f, 3, 0.4f, 0.0f}, 1.0f, 0.4f);
    AddBed(out, {323, Filter::Mode::Band, 190.0f, 3.0f, 3, 0.3f, 2, 0.5f, 0.7f}, 0.5f, 0.6f);
    Rng rng(327);
    for (double at = 0.5; at < kLoopSeconds; at += rng.Range(3.0f, 5.0f)) {
        PassingCar(out, rng, at, rng.Range(0.12f, 0.2f), rng.Range(450.0f, 800.0f));
    }
    // Water dripping from the tunnel roof, far apart.
    for (double at : {2.3, 9.7, 13.1, 19.4}) {
        Voice drip;
        drip.hz = rng.Range(900.0f, 1400.0f);
        drip.hzEnd = drip.hz * 1.8f;
        drip.attack = 0.002f;
        drip.gate = 0.02f;
        drip.release = 0.06f;
        out.Mix(Render(drip, kStreamRate), at, 0.2f, rng.Range(-0.7f, 0.7f));
    }
    Echo(0.23f, 0.45f, 0.5f).Apply(out, 0.4f, true);
    Reverb(0.92f, 0.45f).Apply(out, 0.9f, true);
    return out;
}

Buffer Insects() {
    Buffer out = NewLoop();
    AddBed(out, {331, Filter::Mode::Band, 6000.0f, 0.7f, 3, 0.3f, 4, 0.5f, 0.0f}, 0.006f, 0.9f);
    Rng rng(333);
    // Crickets: each chirps in short pulse trains at its own pitch, pace and place.
    struct Cricket {
        float hz;
        float period;
        float pan;
    };
    const Cricket crickets[] = {{4300.0f, 0.75f, -0.6f}, {4700.0f, 1.0f, 0.5f}, {3900.0f, 1.2f, 0.1f}};
    for (const Cricket& c : crickets) {
        for (double at = rng.Range(0.0f, 0.5f); at < kLoopSeconds; at += c.period * rng.Range(0.9f, 1.1f)) {
            Voice chirp;
            chirp.hz = c.hz;
            chirp.attack = 0.004f;
            chirp.gate = 0.1f;
            chirp.release = 0.02f;
            chirp.tremoloHz = 30.0f;
            chirp.tremoloDepth = 1.0f;
            out.Mix(Render(chirp, kStreamRate), at, 0.08f * rng.Range(0.6f, 1.0f), c.pan);
        }
    }
    // Flies and bees buzzing past.
    for (double at = 0.8; at < kLoopSeconds; at += rng.Range(2.5f, 4.5f)) {
        Voice buzz;
        buzz.wave = Wave::Saw;
        buzz.hz = rng.Range(150.0f, 240.0f);
        buzz.vibratoHz = rng.Range(4.0f, 9.0f);
        buzz.vibratoSemis = 1.0f;
        buzz.attack = 0.8f;
        buzz.gate = 0.9f;
        buzz.release = 1.6f;
        buzz.filter = Filter::Mode::Band;
        buzz.cutoff = rng.Range(900.0f, 1500.0f);
        buzz.resonance = 1.0f;
        buzz.tremoloHz = rng.Range(11.0f, 19.0f);
        buzz.tremoloDepth = 0.3f;
        const float from = rng.Range(-1.0f, 1.0f);
        out.MixMoving(Render(buzz, kStreamRate), at, 0.06f, from, -from);
    }
    Reverb(0.4f, 0.6f).Apply(out, 0.2f, true);
    return out;
}

}  // namespace ambience
