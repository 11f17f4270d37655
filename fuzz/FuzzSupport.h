#pragma once

// Shared pieces of the fuzz targets: a data folder of this process that the file layer reads
// from, inputs that carry several files, a headless display for the sprite targets and pictures
// the harness makes itself. Only the fuzz build compiles this.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "settings/SettingsManager.h"

namespace fuzz {

// Files of one input are joined with this line, so the mutations of the fuzzer can grow and
// shrink each file on its own.
inline constexpr std::string_view kPartSeparator = "\n--rj-part--\n";

// A fresh folder under $TMPDIR for this process, made the file layer's data root and removed
// when the process ends normally.
class DataFolder {
public:
    static const std::string& Path() {
        static const std::string path = Make();
        return path;
    }

    static void Write(const std::string& name, std::string_view bytes) {
        const std::string file = Path() + "/" + name;
        std::FILE* out = std::fopen(file.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "%s: cannot write the fuzz input\n", file.c_str());
            std::abort();
        }
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }

    static void Remove(const std::string& name) { std::remove((Path() + "/" + name).c_str()); }

private:
    static std::string Make() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/rj-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        FileLoader::SetDataRoot(pattern);
        FileLoader::Instance().Reinitialize();
        // The name outlives the static string, whose destructor runs before this handler.
        static char removeAtExit[4096];
        std::snprintf(removeAtExit, sizeof removeAtExit, "%s", pattern.c_str());
        std::atexit([] { std::filesystem::remove_all(removeAtExit); });
        return pattern;
    }
};

inline std::string_view AsText(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// The input cut at every separator; always at least `minimum` parts (missing ones empty).
inline std::vector<std::string_view> SplitParts(const uint8_t* data, size_t size, size_t minimum) {
    std::vector<std::string_view> parts;
    std::string_view rest = AsText(data, size);
    for (;;) {
        const size_t at = rest.find(kPartSeparator);
        if (at == std::string_view::npos) break;
        parts.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kPartSeparator.size());
    }
    parts.push_back(rest);
    while (parts.size() < minimum) parts.emplace_back();
    return parts;
}

// The settings the drawing code reads, without a config.txt of the input's making.
inline void LoadFixedSettings(std::string_view text) {
    DataFolder::Write("config.txt", text);
    SettingsManager::Instance().Clear();
    SettingsManager::Instance().SetStrict(false);
    SettingsManager::Instance().Load("data\\config.txt");
}

// The display in memory, 800 × 600 at 16 bits, without a window; error boxes go to standard error.
inline void OpenHeadlessDisplay() {
    platform::SetHeadless(true);
    platform::ResetQuitState();
    if (!DirectDraw::Instance().IsInitialized() && !DirectDraw::Instance().Init(nullptr, 800, 600, 16, true)) {
        std::fprintf(stderr, "fuzz: the headless display does not open\n");
        std::abort();
    }
}

// A 24-bit bottom-up BMP whose pixels are given as blue, green, red per pixel from the top row.
inline std::string MakeBmp24(int width, int height, const std::vector<uint8_t>& bgrTopDown) {
    const int rowBytes = (width * 3 + 3) & ~3;
    std::string out(54, '\0');
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&out[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&out[at], &v, 2); };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(54 + rowBytes * height));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 24);
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(rowBytes), '\0');
        std::memcpy(row.data(), &bgrTopDown[static_cast<size_t>(y * width * 3)], static_cast<size_t>(width * 3));
        out += row;
    }
    return out;
}

// A picture with some black, some magenta (the transparent colour) and some colour, so trimming
// and keying both have work.
inline std::string MakePatternBmp(int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &pixels[static_cast<size_t>((y * width + x) * 3)];
            const int band = (x + y) % 4;
            if (band == 0) continue;  // black
            if (band == 1) {
                p[0] = 255;  // magenta
                p[2] = 255;
                continue;
            }
            p[0] = static_cast<uint8_t>(x * 7);
            p[1] = static_cast<uint8_t>(y * 13);
            p[2] = static_cast<uint8_t>(200);
        }
    }
    return MakeBmp24(width, height, pixels);
}

}  // namespace fuzz
