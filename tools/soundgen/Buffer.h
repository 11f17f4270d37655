#pragma once

#include <cstddef>
#include <vector>

using Mono = std::vector<float>;

// Float samples, one vector per channel, at one sample rate. Sounds are built by mixing voices
// into a buffer; a loop buffer (wrap) folds whatever runs past its end back onto its start, so
// tails of late notes sound at the beginning and the loop joins without a seam.
class Buffer final {
public:
    Buffer(int rate, int channels, std::size_t frames = 0);

    int Rate() const { return rate_; }
    int Channels() const { return static_cast<int>(data_.size()); }
    std::size_t Frames() const { return data_[0].size(); }
    double Seconds() const { return static_cast<double>(Frames()) / rate_; }
    std::size_t FrameAt(double seconds) const;

    Mono& Channel(int c) { return data_[static_cast<std::size_t>(c)]; }
    const Mono& Channel(int c) const { return data_[static_cast<std::size_t>(c)]; }

    void SetWrap(bool wrap) { wrap_ = wrap; }
    void Resize(std::size_t frames);

    // Adds a mono sound starting at `seconds`, with equal-power panning (−1 left … +1 right;
    // a mono buffer ignores the pan). Without wrap the buffer grows to hold it.
    void Mix(const Mono& sound, double seconds, float gain, float pan = 0.0f);
    // As Mix, with the pan moving linearly over the sound (a car passing from one side to the other).
    void MixMoving(const Mono& sound, double seconds, float gain, float panFrom, float panTo);
    // Adds another buffer of the same rate; mono sources go to every channel.
    void Mix(const Buffer& other, double seconds, float gain);

    void Scale(float gain);
    float Peak() const;
    float Rms() const;

private:
    void MixChannel(int c, const Mono& sound, std::size_t start, float gain);

    int rate_;
    bool wrap_ = false;
    std::vector<Mono> data_;
};

// Decibels to amplitude and back.
float DbToGain(float db);
float GainToDb(float gain);
