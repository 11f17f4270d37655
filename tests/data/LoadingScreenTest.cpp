// The loading screen through the game's own loading of every sprite from the generated data, with a
// progress bar only ten rows tall, far fewer than the things loaded: a frame is presented only when
// the bar has grown, so each presented frame differs from the one before it, and no sooner than a
// frame's time after the one before it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/FileLoader.h"
#include "game/Game.h"
#include "gfx/DisplayTestSupport.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Present.h"

namespace {

using Frame = std::vector<uint8_t>;
namespace fs = std::filesystem;

constexpr int kBarWidth = 800;
constexpr int kBarRows = 10;

// A 24-bit BMP of kBarWidth × kBarRows, all orange.
std::string ShortBar() {
    BmpBytes bmp;
    bmp.width = kBarWidth;
    bmp.height = kBarRows;
    for (int i = 0; i < kBarWidth * kBarRows; ++i) bmp.rows.insert(bmp.rows.end(), {0x10, 0x80, 0xF0});
    const std::vector<uint8_t> bytes = bmp.Build();
    return {bytes.begin(), bytes.end()};
}

TEST(LoadingScreenTest, PresentsAFrameOnlyWhenTheBarHasGrown) {
    // The generated data folder, but for the progress bar.
    const fs::path folder = fs::temp_directory_path() / ("rj-loading-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(RJ_DATA_DIR)) {
        if (entry.path().filename() != "progressbar.bmp")
            fs::create_symlink(entry.path(), folder / entry.path().filename());
    }
    std::ofstream(folder / "progressbar.bmp", std::ios::binary) << ShortBar();

    platform::SetHeadless(true);
    FileLoader::SetDataRoot(folder.string());
    FileLoader::Instance().Reinitialize();
    FileLoader::Instance().Open();
    ASSERT_TRUE(DirectDraw::Instance().Init(nullptr, 800, 600, 16, true));
    std::vector<Frame> frames;
    std::vector<uint64_t> presentedAt;
    platform::SetPresentHook([&frames, &presentedAt](const platform::FrameView& view) {
        presentedAt.push_back(platform::TimeGetMicroseconds());
        Frame frame(static_cast<size_t>(view.width) * 2 * static_cast<size_t>(view.height));
        for (int y = 0; y < view.height; ++y) {
            std::memcpy(&frame[static_cast<size_t>(y) * view.width * 2],
                        static_cast<const uint8_t*>(view.pixels) + static_cast<ptrdiff_t>(y) * view.pitch,
                        static_cast<size_t>(view.width) * 2);
        }
        frames.push_back(std::move(frame));
    });
    Game& game = Game::Instance();
    ASSERT_TRUE(game.LoadSettings());
    EXPECT_TRUE(game.LoadResources());
    platform::SetPresentHook({});

    ASSERT_GE(frames.size(), 2u);
    EXPECT_LE(frames.size(), static_cast<size_t>(kBarRows));
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_TRUE(frames[i] != frames[i - 1]) << "frame " << i;
        EXPECT_GE(presentedAt[i] - presentedAt[i - 1], uint64_t{Game::kMinFrameMs} * 1000) << "frame " << i;
    }

    SpriteManager::Instance().ReleaseAll();
    DirectDraw::Instance().Release();
    FileLoader::Instance().Close();
    platform::ResetQuitState();
    fs::remove_all(folder);
}

}  // namespace
