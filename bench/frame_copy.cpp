// The reference the game's own figures are set beside: a hot memcpy of one 800 × 600 16-bit frame
// (960,000 bytes), the least any frame can cost. Prints the median of several rounds in
// microseconds, then the lowest and highest round, on one line, for scripts/bench.sh.
//
//   bench_frame_copy

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kFrameBytes = 800 * 600 * 2;
constexpr int kRounds = 15;
constexpr int kCopiesPerRound = 200;

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace

int main() {
    std::vector<uint8_t> from(kFrameBytes), to(kFrameBytes);
    for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<uint8_t>(i * 31);
    std::memcpy(to.data(), from.data(), kFrameBytes);  // both hot in the cache from here on
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        const double start = CpuSeconds();
        for (int i = 0; i < kCopiesPerRound; ++i) {
            std::memcpy(to.data(), from.data(), kFrameBytes);
            from[i] = to[kFrameBytes - 1 - static_cast<size_t>(i)];  // each copy is used
        }
        rounds.push_back((CpuSeconds() - start) / kCopiesPerRound);
    }
    std::sort(rounds.begin(), rounds.end());
    std::printf("%.2f %.2f %.2f\n", rounds[rounds.size() / 2] * 1e6, rounds.front() * 1e6, rounds.back() * 1e6);
    return 0;
}
