// rjsoundgen: synthesizes every sound of the game into the data folder.
//   rjsoundgen --out DIR [--only KEY[,KEY…]] [--verbose]

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Mastering.h"
#include "OggWriter.h"
#include "SoundCatalog.h"
#include "WavWriter.h"
#include "core/StringUtil.h"

namespace {

// Effects peak 6 dB below full scale, so two of them at their loudest still fit together; the
// mixer's limiter bends the rare larger pile-up instead of clipping it.
constexpr float kPeakCeilingDb = -6.0f;
// Vorbis can overshoot the input's peaks a little; the streams leave room for that too.
constexpr float kStreamCeilingDb = -4.0f;
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

int Usage() {
    std::fprintf(stderr, "usage: rjsoundgen --out DIR [--only KEY[,KEY...]] [--verbose]\n");
    return 2;
}

void Finish(Buffer& buffer, const SoundRecipe& recipe) {
    const bool loop = recipe.form != SoundForm::Effect;
    if (recipe.form != SoundForm::Stream && buffer.Rate() == kEffectRenderRate) {
        mastering::Downsample(buffer, loop);
    }
    mastering::RemoveDc(buffer, loop);
    if (!loop) {
        mastering::TrimTail(buffer, kTailThresholdDb, 0.02f);
        mastering::Fade(buffer, kFadeInSeconds, kFadeOutSeconds);
        mastering::RemoveMean(buffer);
    }
    const float ceiling = recipe.form == SoundForm::Stream ? kStreamCeilingDb : kPeakCeilingDb;
    mastering::Normalize(buffer, recipe.loudnessDb, ceiling, kMaxPeakReductionDb, loop);
}

uint32_t SerialFor(const std::string& key) {
    uint32_t h = 2166136261u;
    for (char c : key) {
        h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return h;
}

// Renders, finishes and writes one sound; `report` gets its line for --verbose.
bool Make(const SoundRecipe& recipe, const std::string& folder, std::string& report) {
    const auto start = std::chrono::steady_clock::now();
    Buffer buffer = recipe.render();
    Finish(buffer, recipe);
    const std::string key = MakeAssetKey(recipe.name);
    const bool stream = recipe.form == SoundForm::Stream;
    const std::string path = (std::filesystem::path(folder) / (key + (stream ? ".ogg" : ".wav"))).string();
    const bool ok = stream ? WriteOgg(path, buffer, kStreamQuality, SerialFor(key), true) : WriteWav(path, buffer);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    report = StringFormat("%-40s %6.2f s  rms %6.1f dB  peak %5.1f dB  %6.0f ms\n", path.c_str(), buffer.Seconds(),
                          GainToDb(buffer.Rms()), GainToDb(buffer.Peak()), ms);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
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

    std::vector<const SoundRecipe*> work;
    for (const SoundRecipe& recipe : SoundCatalog()) {
        if (options.only.empty() || options.only.count(MakeAssetKey(recipe.name)) != 0) {
            work.push_back(&recipe);
        }
    }
    // The theme takes most of the time: two workers, the longest sounds first, so the build
    // machine's second core does the rest meanwhile.
    std::stable_sort(work.begin(), work.end(), [](const SoundRecipe* a, const SoundRecipe* b) {
        return a->form == SoundForm::Stream && b->form != SoundForm::Stream;
    });
    std::vector<std::string> reports(work.size());
    std::vector<char> results(work.size(), 0);
    std::atomic<std::size_t> next{0};
    auto worker = [&]() {
        for (std::size_t i = next++; i < work.size(); i = next++) {
            results[i] = Make(*work[i], options.out, reports[i]) ? 1 : 0;
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();

    bool ok = true;
    for (std::size_t i = 0; i < work.size(); ++i) {
        ok = ok && results[i] != 0;
        if (options.verbose) {
            std::fputs(reports[i].c_str(), stdout);
        }
    }
    for (const std::string& key : options.only) {
        const bool known =
            std::any_of(work.begin(), work.end(), [&](const SoundRecipe* r) { return MakeAssetKey(r->name) == key; });
        if (!known) {
            std::fprintf(stderr, "rjsoundgen: --only: the game has no sound \"%s\"\n", key.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
