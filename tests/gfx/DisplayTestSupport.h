#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "platform/DisplayDevice.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Present.h"

// The display up in memory, headless (error boxes go to standard error), in the asked format;
// everything is put back afterwards so tests do not leak state into each other.
class HeadlessDisplay {
public:
    enum Format { k565, k555, k32 };

    explicit HeadlessDisplay(Format format = k565) {
        platform::SetHeadless(true);
        platform::ResetQuitState();
        platform::DisplayDevice::ResetTestHooks();
        platform::DisplayDevice::SetUse555(format == k555);
        ok_ = DirectDraw::Instance().Init(nullptr, kWidth, kHeight, format == k32 ? 32 : 16, true);
    }
    ~HeadlessDisplay() {
        DirectDraw::Instance().Release();
        platform::DisplayDevice::ResetTestHooks();
        platform::SetPresentHook({});
        platform::ResetQuitState();
    }
    bool ok() const { return ok_; }

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

private:
    bool ok_ = false;
};

// A folder of its own for files made by a test. The file layer is pointed at it, so paths are read
// as loose files whatever an earlier test left behind.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("rj-gfx-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        FileLoader::Instance().Close();
        FileLoader::SetDataRoot(path_.string());
        FileLoader::Instance().Reinitialize();
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<uint8_t> Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
    static inline int counter_ = 0;
};

// A BMP built byte by byte, so headers can also be wrong on purpose.
struct BmpBytes {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> palette;  // 4 bytes per entry
    std::vector<uint8_t> rows;     // as stored: bottom-up, padded

    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> out(54, 0);
        auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&out[at], &v, 4); };
        auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&out[at], &v, 2); };
        out[0] = 'B';
        out[1] = 'M';
        put32(2, static_cast<uint32_t>(54 + palette.size() + rows.size()));
        put32(10, static_cast<uint32_t>(54 + palette.size()));
        put32(14, 40);
        put32(18, static_cast<uint32_t>(width));
        put32(22, static_cast<uint32_t>(height));
        put16(26, 1);
        put16(28, bitCount);
        put32(30, compression);
        put32(46, coloursUsed);
        out.insert(out.end(), palette.begin(), palette.end());
        out.insert(out.end(), rows.begin(), rows.end());
        return out;
    }
};

// ImageMagick makes fixtures nobody here wrote, and reports the pixels it reads from them.
namespace imagemagick {

constexpr const char* kConvert = "/usr/bin/convert";

inline bool Available() {
    static const bool available = [] {
        if (::access(kConvert, X_OK) != 0) return false;
        return std::system((std::string(kConvert) + " -version 2>/dev/null | grep -q ImageMagick").c_str()) == 0;
    }();
    return available;
}

// Runs convert with the arguments; true when it succeeded.
inline bool Convert(const std::string& arguments) {
    return std::system((std::string(kConvert) + " " + arguments + " 2>/dev/null").c_str()) == 0;
}

// A plain PPM picture (written by the test, so its content is known).
inline std::vector<uint8_t> Ppm(int width, int height, const std::vector<uint8_t>& rgb) {
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<uint8_t> bytes(header.begin(), header.end());
    bytes.insert(bytes.end(), rgb.begin(), rgb.end());
    return bytes;
}

// The picture's pixels as ImageMagick reads them: red, green, blue bytes row by row.
inline std::vector<uint8_t> Pixels(const ScratchFolder& folder, const std::string& name) {
    const std::string out = name + ".rgb";
    if (!Convert(folder.File(name) + " -depth 8 RGB:" + folder.File(out))) return {};
    return folder.Read(out);
}

}  // namespace imagemagick

#define RJ_REQUIRE_IMAGEMAGICK()                                                                          \
    do {                                                                                                  \
        if (!imagemagick::Available()) GTEST_SKIP() << "ImageMagick (/usr/bin/convert) is not installed"; \
    } while (0)
