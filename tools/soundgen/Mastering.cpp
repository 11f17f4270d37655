#include "Mastering.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

namespace mastering {
namespace {

constexpr float kDcCutoffHz = 12.0f;
constexpr float kLookAheadSeconds = 0.002f;

}  // namespace

void RemoveDc(Buffer& buffer, bool loop) {
    const float r = 1.0f - 2.0f * std::numbers::pi_v<float> * kDcCutoffHz / static_cast<float>(buffer.Rate());
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& x = buffer.Channel(c);
        if (x.empty()) {
            continue;
        }
        float prevIn = loop ? x.back() : 0.0f;
        float prevOut = 0.0f;
        Mono out(x.size());
        const int passes = loop ? 3 : 1;
        for (int pass = 0; pass < passes; ++pass) {
            for (std::size_t i = 0; i < x.size(); ++i) {
                prevOut = x[i] - prevIn + r * prevOut;
                prevIn = x[i];
                out[i] = prevOut;
            }
        }
        x.swap(out);
    }
}

void RemoveMean(Buffer& buffer) {
    // A short sound's mean is not DC a filter can see; it is taken out as one smooth bump
    // (a Hann window over the whole sound, far below hearing), which leaves its ends at rest.
    const std::size_t n = buffer.Frames();
    if (n < 3) {
        return;
    }
    std::vector<float> bump(n);
    double bumpSum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        bump[i] = 0.5f -
                  0.5f * std::cos(2.0f * std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(n - 1));
        bumpSum += bump[i];
    }
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& x = buffer.Channel(c);
        double sum = 0.0;
        for (float v : x) {
            sum += v;
        }
        const float scale = static_cast<float>(sum / bumpSum);
        for (std::size_t i = 0; i < n; ++i) {
            x[i] -= scale * bump[i];
        }
    }
}

void Downsample(Buffer& buffer, bool loop) {
    // 10 kHz of a 22050 Hz file: the band just below its Nyquist limit.
    constexpr int kHalfTaps = 48;
    constexpr double kCutoff = 10000.0 / 44100.0;
    std::vector<float> taps(2 * kHalfTaps + 1);
    for (int n = -kHalfTaps; n <= kHalfTaps; ++n) {
        const double x = 2.0 * kCutoff * n;
        const double sinc = n == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double w = 0.42 + 0.5 * std::cos(std::numbers::pi * n / kHalfTaps) +
                         0.08 * std::cos(2.0 * std::numbers::pi * n / kHalfTaps);
        taps[static_cast<std::size_t>(n + kHalfTaps)] = static_cast<float>(2.0 * kCutoff * sinc * w);
    }
    const std::size_t inFrames = buffer.Frames();
    Buffer out(buffer.Rate() / 2, buffer.Channels(), inFrames / 2);
    for (int c = 0; c < buffer.Channels(); ++c) {
        const Mono& x = buffer.Channel(c);
        Mono& y = out.Channel(c);
        for (std::size_t k = 0; k < y.size(); ++k) {
            float sum = 0.0f;
            for (int n = -kHalfTaps; n <= kHalfTaps; ++n) {
                long i = static_cast<long>(2 * k) + n;
                if (loop) {
                    i = (i + static_cast<long>(inFrames)) % static_cast<long>(inFrames);
                }
                if (i >= 0 && i < static_cast<long>(inFrames)) {
                    sum += taps[static_cast<std::size_t>(n + kHalfTaps)] * x[static_cast<std::size_t>(i)];
                }
            }
            y[k] = sum;
        }
    }
    buffer = std::move(out);
}

void Fade(Buffer& buffer, float fadeIn, float fadeOut) {
    const std::size_t frames = buffer.Frames();
    const std::size_t in = std::min(frames, static_cast<std::size_t>(fadeIn * static_cast<float>(buffer.Rate())));
    const std::size_t out = std::min(frames, static_cast<std::size_t>(fadeOut * static_cast<float>(buffer.Rate())));
    auto shape = [](std::size_t i, std::size_t n) {
        return 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(n));
    };
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& x = buffer.Channel(c);
        for (std::size_t i = 0; i < in; ++i) {
            x[i] *= shape(i, in);
        }
        for (std::size_t i = 0; i < out; ++i) {
            x[frames - 1 - i] *= shape(i, out);
        }
    }
}

void TrimTail(Buffer& buffer, float thresholdDb, float minSeconds) {
    const float threshold = DbToGain(thresholdDb) * buffer.Peak();
    std::size_t last = 0;
    for (int c = 0; c < buffer.Channels(); ++c) {
        const Mono& x = buffer.Channel(c);
        for (std::size_t i = x.size(); i > last; --i) {
            if (std::fabs(x[i - 1]) > threshold) {
                last = i;
                break;
            }
        }
    }
    buffer.Resize(std::max(last, buffer.FrameAt(minSeconds)));
}

void Limit(Buffer& buffer, float ceiling, float releaseSeconds, bool loop) {
    const std::size_t n = buffer.Frames();
    if (n == 0) {
        return;
    }
    std::vector<float> need(n, 1.0f);
    for (int c = 0; c < buffer.Channels(); ++c) {
        const Mono& x = buffer.Channel(c);
        for (std::size_t i = 0; i < n; ++i) {
            const float a = std::fabs(x[i]);
            if (a > ceiling) {
                need[i] = std::min(need[i], ceiling / a);
            }
        }
    }
    const std::size_t window =
        std::max<std::size_t>(1, static_cast<std::size_t>(kLookAheadSeconds * static_cast<float>(buffer.Rate())));
    // Minimum over the window ahead, then a moving average over the same window: the averaged
    // gain is at or below what each peak needs, and it moves without steps. Only the few
    // samples over the ceiling spread their need backwards, so this stays linear in time.
    std::vector<float> ahead(n, 1.0f);
    for (std::size_t i = 0; i < n; ++i) {
        if (need[i] >= 1.0f) {
            continue;
        }
        for (std::size_t k = 0; k < window; ++k) {
            if (k > i && !loop) {
                break;
            }
            const std::size_t j = (i + n - k) % n;
            ahead[j] = std::min(ahead[j], need[i]);
        }
    }
    std::vector<float> gain(n);
    double sum = 0.0;
    for (std::size_t k = 1; k < window; ++k) {
        sum += loop ? ahead[(n - k % n) % n] : 1.0;
    }
    for (std::size_t i = 0; i < n; ++i) {
        sum += ahead[i];
        gain[i] = static_cast<float>(sum / static_cast<double>(window));
        const std::size_t leaving = i + 1 >= window ? i + 1 - window : n + i + 1 - window;
        sum -= (i + 1 >= window || loop) ? ahead[leaving % n] : 1.0;
    }
    // Slow recovery after each reduction; a loop runs twice so the recovery crosses its seam.
    const float recover = 1.0f / std::max(1.0f, releaseSeconds * static_cast<float>(buffer.Rate()));
    float g = 1.0f;
    const int passes = loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t i = 0; i < n; ++i) {
            g = std::min(gain[i], g + (1.0f - g) * recover);
            gain[i] = g;
        }
    }
    for (int c = 0; c < buffer.Channels(); ++c) {
        Mono& x = buffer.Channel(c);
        for (std::size_t i = 0; i < n; ++i) {
            x[i] *= gain[i];
        }
    }
}

void Normalize(Buffer& buffer, float targetRmsDb, float ceilingDb, float maxReductionDb, bool loop) {
    const float rms = buffer.Rms();
    const float peak = buffer.Peak();
    if (rms <= 0.0f || peak <= 0.0f) {
        return;
    }
    const float ceiling = DbToGain(ceilingDb);
    float gain = DbToGain(targetRmsDb) / rms;
    gain = std::min(gain, ceiling * DbToGain(maxReductionDb) / peak);
    buffer.Scale(gain);
    // The limiter settles in a few passes; a final hard bound catches rounding.
    for (int i = 0; i < 3 && buffer.Peak() > ceiling; ++i) {
        Limit(buffer, ceiling, 0.08f, loop);
    }
    const float over = buffer.Peak() / ceiling;
    if (over > 1.0f) {
        buffer.Scale(1.0f / over);
    }
}

}  // namespace mastering
