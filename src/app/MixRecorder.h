#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {
class Mixer;
}

// Writes what the sound mixer puts out during a headless run into a 16-bit stereo WAVE file, as a
// sound card would have played it, and keeps the figures of the whole recording: peak, loudness
// (RMS) and how many samples stand at full scale.
class MixRecorder final {
public:
    struct Figures {
        uint64_t samples = 0;  // single-channel samples
        int peak = 0;          // largest magnitude, 0 … 32768
        double rms = 0.0;      // fraction of full scale
        uint64_t clipped = 0;  // samples at −32768 or 32767
        double sumSquares = 0.0;
        // Takes interleaved stereo samples into the figures.
        void Add(const int16_t* samples, size_t count);
        double Seconds() const;
        double PeakDb() const;
        double RmsDb() const;
    };

    MixRecorder() = default;
    ~MixRecorder();
    MixRecorder(const MixRecorder&) = delete;
    MixRecorder& operator=(const MixRecorder&) = delete;

    // False with one line on standard error when the file cannot be written.
    bool Open(const std::string& path);
    // Mixes `seconds` of output (fractions of a frame carry over to the next call) and writes it.
    void Record(platform::Mixer& mixer, double seconds);
    // Completes the file's header. False when writing failed at any point (said on standard error).
    bool Close();

    const Figures& GetFigures() const { return figures_; }
    // "mix FILE: 12.00 s, peak -3.1 dBFS, RMS -21.4 dBFS, 0 clipped samples"
    std::string Summary() const;

private:
    std::string path_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    double pendingFrames_ = 0.0;
    std::vector<int16_t> block_;
    Figures figures_;
};
