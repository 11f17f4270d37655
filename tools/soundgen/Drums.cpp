#include "Drums.h"

#include <algorithm>

#include "Voice.h"

namespace drums {
namespace {

Mono Sum(const Mono& a, const Mono& b) {
    Mono out(std::max(a.size(), b.size()), 0.0f);
    for (std::size_t i = 0; i < a.size(); ++i) {
        out[i] += a[i];
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        out[i] += b[i];
    }
    return out;
}

}  // namespace

Mono Kick(int rate) {
    Voice body;
    body.hz = 150.0f;
    body.hzEnd = 48.0f;
    body.glide = 0.09f;
    body.attack = 0.001f;
    body.gate = 0.02f;
    body.release = 0.32f;
    body.drive = 0.6f;
    Voice click;
    click.wave = Wave::Noise;
    click.seed = 11;
    click.attack = 0.0005f;
    click.gate = 0.002f;
    click.release = 0.012f;
    click.cutoff = 3000.0f;
    click.gain = 0.25f;
    return Sum(Render(body, rate), Render(click, rate));
}

Mono Snare(int rate) {
    Voice tone;
    tone.wave = Wave::Triangle;
    tone.hz = 240.0f;
    tone.hzEnd = 180.0f;
    tone.attack = 0.001f;
    tone.gate = 0.01f;
    tone.release = 0.09f;
    tone.gain = 0.55f;
    Voice rattle;
    rattle.wave = Wave::Noise;
    rattle.seed = 23;
    rattle.attack = 0.001f;
    rattle.gate = 0.015f;
    rattle.release = 0.2f;
    rattle.filter = Filter::Mode::Band;
    rattle.cutoff = 4200.0f;
    rattle.cutoffEnd = 2600.0f;
    rattle.resonance = 0.6f;
    rattle.gain = 0.9f;
    return Sum(Render(tone, rate), Render(rattle, rate));
}

Mono HatClosed(int rate) {
    Voice v;
    v.wave = Wave::Noise;
    v.seed = 31;
    v.attack = 0.0008f;
    v.gate = 0.005f;
    v.release = 0.05f;
    v.filter = Filter::Mode::High;
    v.cutoff = 7500.0f;
    v.gain = 0.5f;
    return Render(v, rate);
}

Mono HatOpen(int rate) {
    Voice v;
    v.wave = Wave::Noise;
    v.seed = 37;
    v.attack = 0.001f;
    v.gate = 0.03f;
    v.release = 0.28f;
    v.filter = Filter::Mode::High;
    v.cutoff = 6800.0f;
    v.gain = 0.45f;
    return Render(v, rate);
}

Mono Crash(int rate) {
    Voice v;
    v.wave = Wave::Noise;
    v.seed = 41;
    v.attack = 0.001f;
    v.gate = 0.05f;
    v.release = 1.6f;
    v.filter = Filter::Mode::High;
    v.cutoff = 4200.0f;
    v.cutoffEnd = 6500.0f;
    v.gain = 0.5f;
    Voice shimmer;
    shimmer.hz = 523.0f;
    shimmer.fmRatio = 2.76f;
    shimmer.fmIndex = 9.0f;
    shimmer.fmIndexEnd = 3.0f;
    shimmer.attack = 0.001f;
    shimmer.gate = 0.02f;
    shimmer.release = 1.1f;
    shimmer.filter = Filter::Mode::High;
    shimmer.cutoff = 3000.0f;
    shimmer.gain = 0.12f;
    return Sum(Render(v, rate), Render(shimmer, rate));
}

Mono Tom(int rate, float hz) {
    Voice v;
    v.hz = hz * 1.5f;
    v.hzEnd = hz;
    v.glide = 0.06f;
    v.attack = 0.001f;
    v.gate = 0.02f;
    v.release = 0.35f;
    v.noiseMix = 0.08f;
    v.drive = 0.3f;
    return Render(v, rate);
}

}  // namespace drums
