// The start-up's picture work and the level banner's darkening, each beside a reference measured in
// the same run:
// - every sprite of the catalogue built as the loading builds it (read, transparent colour,
//   dithered to the display, trimmed, run-length encoded, mirrored variants too), beside reading
//   the bytes of the same picture files;
// - an 800 × 3750 picture (the world picture's size) dithered to RGB565 on the game's path and on
//   the general path of any 16-bit format, beside a memcpy of its 24-bit bytes;
// - a whole 800 × 600 RGB565 frame darkened on the game's path and by the per-pixel rule of any
//   format, beside a memcpy of the frame.
// Processor time of the thread; each figure is the median of several rounds with the lowest and
// highest beside it.
//
//   bench_picture_loading DATA_DIR

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "files/FileLoader.h"
#include "game/ScreenPaint.h"
#include "gfx/DirectDraw.h"
#include "gfx/ImageConverter.h"
#include "gfx/PixelFormat.h"
#include "gfx/SpriteManager.h"
#include "platform/Headless.h"
#include "settings/SettingsManager.h"
#include "world/GameSprites.h"

namespace {

constexpr int kCatalogueRounds = 5;
constexpr int kRounds = 15;
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 3750;
constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
constexpr int kDarkenKeep = 140;

struct Figure {
    double median = 0;
    double low = 0;
    double high = 0;
};

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Figure Measure(int rounds, const std::function<void()>& work) {
    std::vector<double> seconds;
    for (int round = 0; round < rounds; ++round) {
        const double start = ThreadSeconds();
        work();
        seconds.push_back(ThreadSeconds() - start);
    }
    std::sort(seconds.begin(), seconds.end());
    return Figure{seconds[seconds.size() / 2], seconds.front(), seconds.back()};
}

void Print(const char* what, const Figure& f, const Figure& reference, const char* referenceName) {
    std::printf("%-44s %8.2f ms (%.2f … %.2f) = %5.2f × %s (%.2f ms)\n", what, f.median * 1e3, f.low * 1e3,
                f.high * 1e3, f.median / reference.median, referenceName, reference.median * 1e3);
}

// The picture file of each sprite, as the loading looks for it.
std::vector<std::string> PictureFiles() {
    std::vector<std::string> files;
    FileLoader& loader = FileLoader::Instance();
    SpriteManager::Instance().ForEachSpec([&](const SpriteSpec& spec) {
        for (const char* extension : {".bmp", ".jpg"}) {
            if (loader.FileExistsWithExtension(spec.name, extension)) {
                files.push_back(FileLoader::DiskPath(FileLoader::kDataFolder + spec.name + extension));
                break;
            }
        }
    });
    return files;
}

size_t ReadAll(const std::vector<std::string>& files, std::vector<uint8_t>& buffer) {
    size_t total = 0;
    for (const std::string& path : files) {
        FILE* f = std::fopen(path.c_str(), "rb");
        if (!f) continue;
        size_t got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += got;
        std::fclose(f);
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_picture_loading DATA_DIR\n");
        return 2;
    }
    FileLoader::SetDataRoot(argv[1]);
    platform::SetHeadless(true);
    if (!SettingsManager::Instance().Load("data\\config.txt") ||
        !DirectDraw::Instance().Init(nullptr, kFrameWidth, kFrameHeight, 16, true) ||
        !RegisterGameSprites(SpriteManager::Instance())) {
        std::fprintf(stderr, "picture_loading: no settings, display or sprite catalogue in %s\n", argv[1]);
        return 1;
    }

    // The catalogue as the loading builds it, beside reading its picture files.
    const std::vector<std::string> files = PictureFiles();
    std::vector<uint8_t> buffer(1 << 20);
    size_t bytes = 0;
    const Figure read = Measure(kCatalogueRounds, [&] { bytes = ReadAll(files, buffer); });
    SpriteManager& sprites = SpriteManager::Instance();
    int built = 0;
    const Figure catalogue = Measure(kCatalogueRounds, [&] {
        sprites.ReleaseAll();
        built = 0;
        sprites.ForEachSpec([&](const SpriteSpec& spec) {
            built += sprites.GetSprite(spec.name, false) != nullptr;
            if (spec.hasMirrored) built += sprites.GetSprite(spec.name, true) != nullptr;
        });
    });
    std::printf("sprite catalogue: %d sprites from %zu picture files, %.1f MB\n", built, files.size(), bytes / 1e6);
    Print("every sprite built as the loading builds it", catalogue, read, "reading the files");
    sprites.ReleaseAll();

    // Dithering the world picture's size, both paths, beside a memcpy of its bytes.
    const size_t rowBytes = static_cast<size_t>(kPictureWidth) * 3;
    std::vector<uint8_t> bgr(rowBytes * kPictureHeight);
    for (size_t i = 0; i < bgr.size(); ++i) bgr[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    std::vector<uint8_t> out(static_cast<size_t>(kPictureWidth) * 2 * kPictureHeight);
    std::vector<uint8_t> copy(bgr.size());
    const Figure copied = Measure(kRounds, [&] { std::memcpy(copy.data(), bgr.data(), bgr.size()); });
    const PixelFormat rgb565 = PixelFormat::Rgb565();
    auto dither = [&](bool fast) {
        for (int y = 0; y < kPictureHeight; ++y) {
            ImageConverter::DitherError error{static_cast<uint32_t>(y) % 8, 3, 5};
            const uint8_t* in = bgr.data() + rowBytes * y;
            uint8_t* to = out.data() + static_cast<size_t>(kPictureWidth) * 2 * y;
            if (fast) {
                ImageConverter::DitherRow565(in, to, kPictureWidth, error);
            } else {
                ImageConverter::DitherRow(in, to, kPictureWidth, rgb565, error);
            }
        }
    };
    const Figure general = Measure(kRounds, [&] { dither(false); });
    const Figure fast = Measure(kRounds, [&] { dither(true); });
    Print("800 x 3750 dithered, general path", general, copied, "a memcpy of its bytes");
    Print("800 x 3750 dithered, RGB565 path", fast, copied, "a memcpy of its bytes");

    // A whole frame darkened as the level banner does it, both paths, beside a frame memcpy (the
    // cost does not depend on the colours, which darken towards black round after round).
    const size_t pixels = static_cast<size_t>(kFrameWidth) * kFrameHeight;
    std::vector<uint16_t> frame(pixels), frameCopy(pixels);
    for (size_t i = 0; i < pixels; ++i) frame[i] = static_cast<uint16_t>(i * 40503u);
    const Figure frameCopied = Measure(kRounds, [&] { std::memcpy(frameCopy.data(), frame.data(), pixels * 2); });
    const platform::DisplayPixelFormat display;  // RGB565
    const Figure perPixel = Measure(kRounds, [&] {
        for (uint16_t& p : frame) p = static_cast<uint16_t>(ScreenPaint::DarkenPixel(p, display, kDarkenKeep));
    });
    const Figure rows = Measure(kRounds, [&] {
        for (int y = 0; y < kFrameHeight; ++y) {
            ScreenPaint::DarkenRow565(frame.data() + static_cast<size_t>(y) * kFrameWidth, kFrameWidth, kDarkenKeep);
        }
    });
    Print("800 x 600 frame darkened, per-pixel rule", perPixel, frameCopied, "a frame memcpy");
    Print("800 x 600 frame darkened, RGB565 rows", rows, frameCopied, "a frame memcpy");

    DirectDraw::Instance().Release();
    return 0;
}
