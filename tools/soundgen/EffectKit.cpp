#include "EffectKit.h"

#include "Rng.h"
#include "SoundCatalog.h"

namespace kit {

Buffer NewEffect() { return Buffer(kEffectRenderRate, 1); }

void Add(Buffer& out, const Voice& voice, double at, float gain) { out.Mix(Render(voice, out.Rate()), at, gain); }

void Bubbles(Buffer& out, uint32_t seed, double from, double to, int count, float lowHz, float highHz, float gain) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        // Squaring the position crowds the bubbles towards the start, as a gurgle dies away.
        const float u = rng.Uniform();
        const double at = from + (to - from) * u * u;
        Voice b;
        b.hz = rng.Range(lowHz, highHz);
        b.hzEnd = b.hz * rng.Range(1.5f, 2.2f);
        b.attack = 0.003f;
        b.gate = rng.Range(0.015f, 0.035f);
        b.release = 0.03f;
        b.gain = gain * rng.Range(0.5f, 1.0f) * (1.0f - 0.5f * u);
        Add(out, b, at);
    }
}

void Splash(Buffer& out, double at, float size, float gain) {
    Voice n;
    n.wave = Wave::Noise;
    n.seed = 501;
    n.attack = 0.004f;
    n.gate = 0.06f * size;
    n.release = 0.45f * size;
    n.filter = Filter::Mode::Band;
    n.cutoff = 3200.0f;
    n.cutoffEnd = 500.0f;
    n.resonance = 0.8f;
    Add(out, n, at, gain);
    Voice plop;
    plop.hz = 420.0f;
    plop.hzEnd = 140.0f;
    plop.glide = 0.08f;
    plop.attack = 0.002f;
    plop.gate = 0.03f;
    plop.release = 0.12f;
    Add(out, plop, at, gain * 0.6f);
}

void Clang(Buffer& out, double at, float hz, float ring, float gain) {
    Voice a;
    a.hz = hz;
    a.fmRatio = 1.414f;
    a.fmIndex = 7.0f;
    a.fmIndexEnd = 1.0f;
    a.attack = 0.001f;
    a.gate = 0.01f;
    a.release = ring;
    Add(out, a, at, gain);
    Voice b = a;
    b.hz = hz * 2.76f;
    b.fmRatio = 1.17f;
    b.release = ring * 0.6f;
    Add(out, b, at, gain * 0.5f);
}

void Glass(Buffer& out, uint32_t seed, double at, float length, float gain) {
    Rng rng(seed);
    Voice hiss;
    hiss.wave = Wave::Noise;
    hiss.seed = seed;
    hiss.attack = 0.001f;
    hiss.gate = 0.02f;
    hiss.release = length * 0.6f;
    hiss.filter = Filter::Mode::High;
    hiss.cutoff = 5000.0f;
    Add(out, hiss, at, gain * 0.5f);
    for (int i = 0; i < 26; ++i) {
        const float u = rng.Uniform();
        Voice ping;
        ping.hz = rng.Range(2500.0f, 7000.0f);
        ping.fmRatio = 1.73f;
        ping.fmIndex = 1.5f;
        ping.fmIndexEnd = 0.0f;
        ping.attack = 0.0005f;
        ping.gate = 0.003f;
        ping.release = rng.Range(0.05f, 0.18f);
        Add(out, ping, at + length * u * u, gain * rng.Range(0.2f, 0.6f));
    }
}

void Crunch(Buffer& out, uint32_t seed, double at, float length, float hz, float gain) {
    Rng rng(seed);
    double t = 0.0;
    while (t < length) {
        Voice grain;
        grain.wave = Wave::Noise;
        grain.seed = rng.Next();
        grain.attack = 0.001f;
        grain.gate = rng.Range(0.005f, 0.03f);
        grain.release = rng.Range(0.02f, 0.06f);
        grain.filter = Filter::Mode::Band;
        grain.cutoff = hz * rng.Range(0.6f, 1.6f);
        grain.resonance = 1.5f;
        grain.drive = 2.0f;
        const float fall = 1.0f - static_cast<float>(t / length);
        Add(out, grain, at + t, gain * rng.Range(0.4f, 1.0f) * (0.3f + 0.7f * fall));
        t += rng.Range(0.012f, 0.05f);
    }
}

void Thud(Buffer& out, double at, float hz, float length, float gain) {
    Voice body;
    body.hz = hz * 2.0f;
    body.hzEnd = hz;
    body.glide = 0.05f;
    body.attack = 0.001f;
    body.gate = 0.01f;
    body.release = length;
    body.drive = 1.0f;
    Add(out, body, at, gain);
    Voice click;
    click.wave = Wave::Noise;
    click.seed = 77;
    click.attack = 0.0005f;
    click.gate = 0.004f;
    click.release = 0.03f;
    click.cutoff = 1800.0f;
    Add(out, click, at, gain * 0.5f);
}

void Croak(Buffer& out, double at, float hz, float length, float formantHz, float gain) {
    Voice c;
    c.wave = Wave::Saw;
    c.hz = hz;
    c.hzEnd = hz * 0.85f;
    c.attack = 0.015f;
    c.gate = length;
    c.release = 0.06f;
    c.tremoloHz = 32.0f;
    c.tremoloDepth = 0.9f;
    c.filter = Filter::Mode::Band;
    c.cutoff = formantHz;
    c.resonance = 2.5f;
    c.drive = 0.8f;
    Add(out, c, at, gain);
    Voice low = c;
    low.filter = Filter::Mode::Low;
    low.cutoff = formantHz * 0.5f;
    low.resonance = 0.7f;
    Add(out, low, at, gain * 0.5f);
}

void Horn(Buffer& out, double at, float hz, float length, float gain) {
    for (float ratio : {1.0f, 1.26f}) {
        Voice h;
        h.wave = Wave::Square;
        h.pulse = 0.4f;
        h.hz = hz * ratio;
        h.attack = 0.01f;
        h.gate = length;
        h.release = 0.05f;
        h.cutoff = 2200.0f;
        h.resonance = 1.2f;
        Add(out, h, at, gain * 0.5f);
    }
}

}  // namespace kit
