// Streaming costs, measured on the theme music: how many times faster than real time Ogg Vorbis
// decodes on one core, and what one refill tick of a streamed sound costs against its 1 ms budget
// (CPU time of the thread; a refill tick in steady state decodes the 100 ms of sound just played).
//
// Usage: bench_sound_streaming [file.ogg]. Without an argument the generated theme
// (data/soundtheme.ogg beside the build's bench folder or in the current folder) is used, else a
// 30-second stand-in made with sox and oggenc.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/FileLoader.h"
#include "platform/Clock.h"
#include "platform/Mixer.h"
#include "sound/OggStreaming.h"
#include "sound/SoundData.h"
#include "sound/SoundEngine.h"
#include "sound/StreamingSoundFx.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr double kRefillBudgetMs = 1.0;
constexpr int kRefillTicks = 300;  // 30 seconds of streaming
constexpr int kTickFrames = platform::Mixer::kRate / 10;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// CPU time of this thread: what the work costs, without the time other programs of a busy
// machine take the core away.
double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

fs::path FindTheme(const char* argv0, const char* given) {
    if (given) return fs::absolute(given);
    const fs::path exeDir = fs::absolute(argv0).parent_path();
    for (const fs::path& candidate : {exeDir / ".." / "data" / "soundtheme.ogg", fs::path("data/soundtheme.ogg")}) {
        if (fs::exists(candidate)) return fs::canonical(candidate);
    }
    const fs::path dir = fs::temp_directory_path() / "rj_bench_sound";
    fs::create_directories(dir);
    const std::string wav = (dir / "theme.wav").string();
    const std::string ogg = (dir / "soundtheme.ogg").string();
    const std::string make = "sox -n -r 44100 -c 2 -b 16 '" + wav +
                             "' synth 30 pluck C3 pluck E3 tremolo 3 40 vol 0.5 2>/dev/null && oggenc -Q -o '" + ogg +
                             "' '" + wav + "'";
    if (std::system(make.c_str()) != 0) return {};
    return ogg;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path theme = FindTheme(argv[0], argc > 1 ? argv[1] : nullptr);
    if (theme.empty()) {
        std::fprintf(stderr, "bench_sound_streaming: no theme music and no sox/oggenc to make one\n");
        return 1;
    }
    FileLoader::SetDataRoot(theme.parent_path().string());
    FileLoader::Instance().Reinitialize();
    const std::string dataPath = std::string(FileLoader::kDataFolder) + theme.filename().string();
    std::printf("theme %s\n", theme.string().c_str());

    // Decoding: one whole pass, as the stream decodes it.
    OggStreaming decoder;
    SoundData format;
    if (!decoder.Open(dataPath, format)) return 1;
    std::vector<char> chunk(StreamingSoundFx::kScratchBytes);
    long long bytes = 0;
    const Clock::time_point start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    for (int got; (got = decoder.Read(chunk.data(), static_cast<int>(chunk.size()))) > 0;) bytes += got;
    const double decodeSeconds = ThreadCpuSeconds() - cpuStart;
    const double decodeWall = Seconds(Clock::now() - start);
    const double audioSeconds = static_cast<double>(bytes) / (format.rate * format.channels * 2);
    std::printf("ogg_decode_realtime_factor %.1f (%.1f s of audio in %.3f s of CPU, %.3f s wall)\n",
                audioSeconds / decodeSeconds, audioSeconds, decodeSeconds, decodeWall);

    // Refill ticks: the mixer plays 100 ms, then one refill runs, as on the timer thread.
    platform::UseVirtualClock(true);  // the stream's own timer stays still; the ticks run here
    SoundEngine& engine = SoundEngine::Instance();
    engine.Init(platform::SoundOutput::Manual);
    engine.SetEnabled(true);
    if (!engine.LoadSound("SOUND_THEME", dataPath, SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false))
        return 1;
    auto* stream = static_cast<StreamingSoundFx*>(engine.GetSound("SOUND_THEME"));
    stream->PlayLooped();
    std::vector<int16_t> out(static_cast<size_t>(kTickFrames) * platform::Mixer::kChannels);
    platform::Mixer* mixer = engine.GetDevice()->GetManualMixer();
    std::vector<double> ticks;
    double worstWallMs = 0;
    for (int i = 0; i < kRefillTicks; ++i) {
        mixer->Mix(out.data(), kTickFrames);
        const Clock::time_point t0 = Clock::now();
        const double cpu0 = ThreadCpuSeconds();
        stream->Refill();
        ticks.push_back((ThreadCpuSeconds() - cpu0) * 1000.0);
        worstWallMs = std::max(worstWallMs, Seconds(Clock::now() - t0) * 1000.0);
    }
    engine.Shutdown();
    std::sort(ticks.begin(), ticks.end());
    double sum = 0;
    for (double t : ticks) sum += t;
    const double mean = sum / static_cast<double>(ticks.size());
    const double p99 = ticks[ticks.size() * 99 / 100];
    std::printf("refill_tick_mean_over_budget %.3f (mean %.3f ms, budget %.1f ms)\n", mean / kRefillBudgetMs, mean,
                kRefillBudgetMs);
    std::printf("refill_tick_p99_over_budget %.3f (p99 %.3f ms, max %.3f ms of CPU, worst wall %.3f ms)\n",
                p99 / kRefillBudgetMs, p99, ticks.back(), worstWallMs);
    return 0;
}
