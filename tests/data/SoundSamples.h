#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <vorbis/vorbisfile.h>

#include "core/StringUtil.h"
#include "game/SoundList.h"

// Reading the generated sounds back for the data tests: WAVs parsed here byte by byte, Ogg
// files through libvorbisfile, both to float samples in −1 … 1, one vector per channel.
namespace sound_test {

struct Samples {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    int formatTag = 0;
    long long declaredFrames = -1;  // Ogg: the length the stream declares (its last granule)
    std::vector<std::vector<float>> data;
    std::string error;  // empty when read

    std::size_t Frames() const { return data.empty() ? 0 : data[0].size(); }
    double Seconds() const { return rate == 0 ? 0.0 : static_cast<double>(Frames()) / rate; }
};

inline bool IsStreamed(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".ogg") == 0;
}

inline uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

// Any RIFF layout: chunks are walked, not assumed at fixed places.
inline Samples ReadWav(const std::string& path) {
    Samples s;
    std::ifstream in(path, std::ios::binary);
    const std::string b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        s.error = path + ": not a RIFF WAVE file";
        return s;
    }
    std::size_t pos = 12;
    std::size_t dataAt = 0;
    std::size_t dataSize = 0;
    while (pos + 8 <= b.size()) {
        const std::string tag = b.substr(pos, 4);
        const std::size_t size = Le(b, pos + 4, 4);
        if (tag == "fmt " && pos + 8 + 16 <= b.size()) {
            s.formatTag = static_cast<int>(Le(b, pos + 8, 2));
            s.channels = static_cast<int>(Le(b, pos + 10, 2));
            s.rate = static_cast<int>(Le(b, pos + 12, 4));
            s.bits = static_cast<int>(Le(b, pos + 22, 2));
        } else if (tag == "data") {
            dataAt = pos + 8;
            dataSize = std::min(size, b.size() - dataAt);
        }
        pos += 8 + size + (size & 1);
    }
    if (s.channels < 1 || s.bits != 16 || dataAt == 0) {
        s.error = path + ": no 16-bit PCM format and data chunk";
        return s;
    }
    const std::size_t frames = dataSize / (2 * static_cast<std::size_t>(s.channels));
    s.data.assign(static_cast<std::size_t>(s.channels), std::vector<float>(frames));
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < s.channels; ++c) {
            const auto v = static_cast<int16_t>(
                Le(b, dataAt + (i * static_cast<std::size_t>(s.channels) + static_cast<std::size_t>(c)) * 2, 2));
            s.data[static_cast<std::size_t>(c)][i] = static_cast<float>(v) / 32768.0f;
        }
    }
    return s;
}

inline Samples ReadOgg(const std::string& path) {
    Samples s;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        s.error = path + ": not an Ogg Vorbis file";
        return s;
    }
    const vorbis_info* info = ov_info(&file, -1);
    s.rate = static_cast<int>(info->rate);
    s.channels = info->channels;
    s.bits = 16;
    s.declaredFrames = ov_pcm_total(&file, -1);
    s.data.assign(static_cast<std::size_t>(s.channels), {});
    char chunk[8192];
    int section = 0;
    long got = 0;
    while ((got = ov_read(&file, chunk, sizeof chunk, 0, 2, 1, &section)) > 0) {
        const std::size_t frames = static_cast<std::size_t>(got) / (2 * static_cast<std::size_t>(s.channels));
        for (std::size_t i = 0; i < frames; ++i) {
            for (int c = 0; c < s.channels; ++c) {
                int16_t v = 0;
                std::memcpy(&v, chunk + (i * static_cast<std::size_t>(s.channels) + static_cast<std::size_t>(c)) * 2,
                            2);
                s.data[static_cast<std::size_t>(c)].push_back(static_cast<float>(v) / 32768.0f);
            }
        }
    }
    if (got < 0) {
        s.error = path + ": decoding failed";
    }
    ov_clear(&file);
    return s;
}

// The file the game loads for a sound name, in the generated data folder.
inline std::string SoundPath(const std::string& folder, const char* name, bool streamed) {
    return folder + "/" + MakeAssetKey(name) + (streamed ? ".ogg" : ".wav");
}

inline Samples Read(const std::string& path) { return IsStreamed(path) ? ReadOgg(path) : ReadWav(path); }

inline float Db(double amplitude) { return static_cast<float>(20.0 * std::log10(std::max(amplitude, 1e-9))); }

inline float PeakDb(const Samples& s) {
    float peak = 0.0f;
    for (const auto& ch : s.data) {
        for (float v : ch) {
            peak = std::max(peak, std::fabs(v));
        }
    }
    return Db(peak);
}

// RMS over every channel and the whole sound, as sox reports it.
inline float RmsDb(const Samples& s, std::size_t from = 0, std::size_t count = SIZE_MAX) {
    double sum = 0.0;
    std::size_t n = 0;
    for (const auto& ch : s.data) {
        const std::size_t end = std::min(ch.size(), count == SIZE_MAX ? ch.size() : from + count);
        for (std::size_t i = from; i < end; ++i) {
            sum += static_cast<double>(ch[i]) * ch[i];
            ++n;
        }
    }
    return n == 0 ? -180.0f : Db(std::sqrt(sum / static_cast<double>(n)));
}

struct GameSound {
    const char* name;
    bool streamed;
    std::string path;
};

// The game's own list of sounds, each with the file the build generated for it.
inline std::vector<GameSound> GameSounds(bool streamed) {
    std::vector<GameSound> sounds;
    for (const char* name : streamed ? StreamedSoundNames() : EffectSoundNames()) {
        sounds.push_back({name, streamed, SoundPath(RJ_DATA_DIR, name, streamed)});
    }
    return sounds;
}

// Decoded once per test run: the theme alone is a minute of stereo Vorbis.
inline const Samples& Load(const GameSound& sound) {
    static std::map<std::string, Samples> cache;
    auto it = cache.find(sound.path);
    if (it == cache.end()) {
        it = cache.emplace(sound.path, Read(sound.path)).first;
    }
    return it->second;
}

}  // namespace sound_test
