// rjsoundgen: synthesizes every sound of the game into the data folder.
//   rjsoundgen --out DIR [--only KEY[,KEY…]] [--verbose]

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "Mastering.h"
#include "OggWriter.h"
#include "SoundCatalog.h"
#include "WavWriter.h"
#include "core/StringUtil.h"

namespace {

constexpr float kPeakCeilingDb = -1.0f;
// Vorbis can overshoot the input's peaks a little; the streams leave room for that.
constexpr float kStreamCeilingDb = -2.0f;
constexpr float kMaxPeakReductionDb = 9.0f;
constexpr float kFadeInSeconds = 0.002f;
constexpr float kFadeOutSeconds = 0.012f;
constexpr float kTailThresholdDb = -66.0f;
constexpr float kStreamQuality = 0.4f;

struct Options {
    std::string out;
    std::set<std::string> only;
    bool verbose = false;
};

int Usage()
{
    std::fprintf(stderr, "usage: rjsoundgen --out DIR [--only KEY[,KEY...]] [--verbose]\n");
    return 2;
}

void Finish(Buffer& buffer, const SoundRecipe& recipe)
{
    const bool loop = recipe.form != SoundForm::Effect;
    if (recipe.form != SoundForm::Stream && buffer.Rate() == kEffectRenderRate) {
        mastering::Downsample(buffer, loop);
    }
    mastering::RemoveDc(buffer, loop);
    if (!loop) {
        mastering::TrimTail(buffer, kTailThresholdDb, 0.02f);
        mastering::Fade(buffer, kFadeInSeconds, kFadeOutSeconds);
    }
    const float ceiling = recipe.form == SoundForm::Stream ? kStreamCeilingDb : kPeakCeilingDb;
    mastering::Normalize(buffer, recipe.loudnessDb, ceiling, kMaxPeakReductionDb, loop);
}

uint32_t SerialFor(const std::string& key)
{
    uint32_t h = 2166136261u;
    for (char c : key) {
        h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return h;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            options.out = argv[++i];
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            std::stringstream list(argv[++i]);
            for (std::string key; std::getline(list, key, ',');) {
                options.only.insert(key);
            }
        } else if (std::strcmp(argv[i], "--verbose") == 0) {
            options.verbose = true;
        } else {
            std::fprintf(stderr, "rjsoundgen: unknown argument \"%s\"\n", argv[i]);
            return Usage();
        }
    }
    if (options.out.empty()) {
        return Usage();
    }
    std::error_code error;
    std::filesystem::create_directories(options.out, error);
    if (error) {
        std::fprintf(stderr, "rjsoundgen: cannot create %s: %s\n", options.out.c_str(), error.message().c_str());
        return 1;
    }

    bool ok = true;
    std::size_t written = 0;
    for (const SoundRecipe& recipe : SoundCatalog()) {
        const std::string key = MakeAssetKey(recipe.name);
        if (!options.only.empty() && options.only.count(key) == 0) {
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        Buffer buffer = recipe.render();
        Finish(buffer, recipe);
        const bool stream = recipe.form == SoundForm::Stream;
        const std::string path = (std::filesystem::path(options.out) / (key + (stream ? ".ogg" : ".wav"))).string();
        const bool fileOk = stream ? WriteOgg(path, buffer, kStreamQuality, SerialFor(key)) : WriteWav(path, buffer);
        ok = ok && fileOk;
        written += fileOk ? 1 : 0;
        if (options.verbose) {
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::printf("%-36s %7.2f s  rms %6.1f dB  peak %5.1f dB  %7.0f ms\n", path.c_str(), buffer.Seconds(),
                        GainToDb(buffer.Rms()), GainToDb(buffer.Peak()), ms);
        }
    }
    if (!options.only.empty() && written < options.only.size()) {
        std::fprintf(stderr, "rjsoundgen: --only names a sound the game does not have\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
