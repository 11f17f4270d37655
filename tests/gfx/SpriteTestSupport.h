#pragma once

// Shared fixtures of the sprite tests: a software display opened in one of its formats, pictures
// built in code, tiny BMP files written into a data folder, and a sprite that records requests.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/DirectDraw.h"
#include "gfx/DrawParams.h"
#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"
#include "platform/DisplaySurface.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "TempFolder.h"

namespace spritetest {

struct Format {
    const char* name;
    int bits;
    bool use555;
};
inline const Format kFormats[] = {{"565", 16, false}, {"555", 16, true}, {"32-bit", 32, false}};

using RgbFunction = std::function<uint32_t(int x, int y)>;  // 0x00RRGGBB

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetHeadless(true);
        platform::ResetQuitState();
    }
    void TearDown() override {
        SpriteManager::Instance().Clear();
        SpriteManager::Instance().SetRestoreHook({});
        DirectDraw::Instance().Release();
        platform::DisplayDevice::ResetTestHooks();
        platform::ResetQuitState();
    }

    void Open(const Format& format) {
        DirectDraw::Instance().Release();
        platform::DisplayDevice::ResetTestHooks();
        platform::DisplayDevice::SetUse555(format.use555);
        ASSERT_TRUE(DirectDraw::Instance().Init(nullptr, 800, 600, format.bits, true)) << format.name;
    }

    static platform::DisplaySurface& Target() { return *DirectDraw::Instance().GetDrawTarget(); }

    static uint32_t At(int x, int y) {
        const platform::DisplaySurface& t = Target();
        const int bpp = t.GetPixelFormat().BytesPerPixel();
        uint32_t value = 0;
        std::memcpy(&value, t.Pixels() + static_cast<size_t>(y) * t.Pitch() + static_cast<size_t>(x) * bpp, bpp);
        return value;
    }

    // A display pixel of the colour, converted as pictures are (5 bits per channel on 16 bits).
    static uint32_t Pixel(uint32_t rgb) {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        if (f.bitsPerPixel == 16) {
            return ((r >> 3) << f.redShift & f.redMask) | ((g >> 3) << f.greenShift & f.greenMask) |
                   ((b >> 3) << f.blueShift & f.blueMask);
        }
        return (r << f.redShift & f.redMask) | (g << f.greenShift & f.greenMask) | (b << f.blueShift & f.blueMask);
    }

    // Channel c (0 red, 1 green, 2 blue) of a display pixel, shifted down.
    static int Channel(uint32_t pixel, int c) {
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        const uint32_t masks[3] = {f.redMask, f.greenMask, f.blueMask};
        const int shifts[3] = {f.redShift, f.greenShift, f.blueShift};
        return static_cast<int>((pixel & masks[c]) >> shifts[c]);
    }

    static void Fill(uint32_t rgb) { Target().ColorFill(nullptr, Pixel(rgb)); }

    // A picture in the display's format.
    static std::unique_ptr<Image> Picture(int width, int height, const RgbFunction& rgb) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, DirectDraw::Instance().GetBitsPerPixel()));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) image->SetPixel(x, y, rgb(x, y));
        }
        return image;
    }

    static std::unique_ptr<Image> AlphaPicture(int width, int height, const std::function<uint8_t(int, int)>& a) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, 8));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) *image->PixelAddress(x, y) = a(x, y);
        }
        return image;
    }

    static std::unique_ptr<Image> BitPicture(int width, int height, const std::function<bool(int, int)>& set) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, 1));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) image->SetBit(x, y, set(x, y));
        }
        return image;
    }
};

// Collects what the shortcuts and the fonts ask a sprite to draw.
class RecordingSprite final : public Sprite {
public:
    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override { seen.push_back(params); }
    int GetWidth() const override { return 10; }
    int GetHeight() const override { return 10; }
    void Restore() override { ++restores; }
    std::vector<DrawParams> seen;
    int restores = 0;
};

// A folder of data files for one test, its own and removed again at the end.
class DataFolder {
public:
    explicit DataFolder(const std::string& name) : folder_("rj_" + name), path_(folder_.Path()) {}
    std::string Path() const { return path_.string(); }

    void WriteText(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }

    // A bottom-up BMP with rows padded to four bytes: 24 bits from 0x00RRGGBB colours, or
    // 1 bit (palette black, white) from colours that are 0 or not.
    void WriteBmp(const std::string& name, int width, int height, int bits, const RgbFunction& rgb) const {
        const int rowBytes = ((width * bits + 31) / 32) * 4;
        const int paletteBytes = bits == 1 ? 8 : 0;
        const int offset = 14 + 40 + paletteBytes;
        std::vector<uint8_t> file(offset + static_cast<size_t>(rowBytes) * height, 0);
        auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
        auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&file[at], &v, 2); };
        file[0] = 'B';
        file[1] = 'M';
        put32(2, static_cast<uint32_t>(file.size()));
        put32(10, offset);
        put32(14, 40);
        put32(18, width);
        put32(22, height);
        put16(26, 1);
        put16(28, static_cast<uint16_t>(bits));
        if (bits == 1) {
            put32(54 + 4, 0x00FFFFFF);
        }
        for (int y = 0; y < height; ++y) {
            uint8_t* row = &file[offset + static_cast<size_t>(height - 1 - y) * rowBytes];
            for (int x = 0; x < width; ++x) {
                const uint32_t c = rgb(x, y);
                if (bits == 24) {
                    row[x * 3] = c & 0xFF;
                    row[x * 3 + 1] = (c >> 8) & 0xFF;
                    row[x * 3 + 2] = (c >> 16) & 0xFF;
                } else if (c != 0) {
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                }
            }
        }
        std::ofstream(path_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }

private:
    TempFolder folder_;
    std::filesystem::path path_;
};

}  // namespace spritetest
