#include "world/objects/Background.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include "core/Randomizer.h"
#include "gfx/DirectDraw.h"
#include "gfx/DisplayTestSupport.h"
#include "gfx/Image.h"
#include "gfx/SpriteManager.h"
#include "world/objects/BackgroundSprite.h"
#include "platform/DisplayDevice.h"
#include "platform/DisplaySurface.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "WorldTestSupport.h"

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPicture = 1500;

// A 24-bit world picture whose row r (from the top) is red r & 0xFF, green r >> 8, blue 0x40.
std::string WorldBmp(int worldRows) {
    BmpBytes bmp;
    bmp.width = kWidth;
    bmp.height = worldRows;
    for (int row = worldRows - 1; row >= 0; --row) {  // stored bottom-up
        const auto green = static_cast<uint8_t>(row >> 8);
        const auto red = static_cast<uint8_t>(row & 0xFF);
        for (int x = 0; x < kWidth; ++x) bmp.rows.insert(bmp.rows.end(), {0x40, green, red});
    }
    const std::vector<uint8_t> bytes = bmp.Build();
    return {bytes.begin(), bytes.end()};
}

class BackgroundTest : public testing::Test {
protected:
    void SetUp() override { Open(16); }
    void TearDown() override {
        background.reset();
        SpriteManager::Instance().Clear();
        DirectDraw::Instance().Release();
        platform::DisplayDevice::ResetTestHooks();
        platform::ResetQuitState();
    }
    void Open(int bits) {
        platform::SetHeadless(true);
        DirectDraw::Instance().Release();
        platform::DisplayDevice::ResetTestHooks();
        ASSERT_TRUE(DirectDraw::Instance().Init(nullptr, kWidth, kHeight, bits, true));
    }
    // A 16-bit level picture whose every row holds its own row number.
    static std::unique_ptr<Image> NumberedPicture(int height) {
        auto image = std::make_unique<Image>();
        image->Create(kWidth, height, 16);
        for (int row = 0; row < height; ++row) {
            auto* pixels = reinterpret_cast<uint16_t*>(image->PixelAddress(0, row));
            for (int x = 0; x < kWidth; ++x) pixels[x] = static_cast<uint16_t>(row);
        }
        return image;
    }
    // Row numbers shown on the screen, checked across each row at three columns.
    static std::vector<int> ScreenRows() {
        const platform::DisplaySurface& target = *DirectDraw::Instance().GetDrawTarget();
        std::vector<int> rows;
        for (int y = 0; y < kHeight; ++y) {
            const auto* line =
                reinterpret_cast<const uint16_t*>(target.Pixels() + static_cast<size_t>(y) * target.Pitch());
            rows.push_back(line[0] == line[400] && line[0] == line[799] ? line[0] : -1);
        }
        return rows;
    }
    void ExpectShows(int scrollY) {
        background->Draw();
        const std::vector<int> rows = ScreenRows();
        for (int k = 0; k < kHeight; ++k) {
            ASSERT_EQ(rows[static_cast<size_t>(k)], kPicture - kHeight - scrollY + k)
                << "screen row " << k << " at scroll " << scrollY << ", ring offset " << background->GetRingOffset();
        }
    }

    // The ring shows the bottom of the installed level picture, row for row.
    void ExpectShowsPicture(int pictureHeight) {
        background->Draw();
        const auto* sprite = static_cast<const BackgroundSprite*>(SpriteManager::Instance().FindSprite("background"));
        ASSERT_NE(sprite, nullptr);
        const platform::DisplaySurface& target = *DirectDraw::Instance().GetDrawTarget();
        for (int k : {0, 299, 599}) {
            const auto* line =
                reinterpret_cast<const uint32_t*>(target.Pixels() + static_cast<size_t>(k) * target.Pitch());
            EXPECT_EQ(line[5] & 0xFFFFFFu, sprite->GetPicture()->GetPixel(5, pictureHeight - kHeight + k) & 0xFFFFFFu)
                << "screen row " << k;
        }
    }

    std::unique_ptr<Background> background = std::make_unique<Background>();
};
}  // namespace

TEST_F(BackgroundTest, InstallShowsTheBottomOfThePicture) {
    ASSERT_TRUE(background->Install(NumberedPicture(kPicture)));
    EXPECT_NE(SpriteManager::Instance().FindSprite("background"), nullptr);
    ExpectShows(0);
}

TEST_F(BackgroundTest, UpThenDownReturnsTheSamePictureCopyingOnlyTheExposedRows) {
    background->Install(NumberedPicture(kPicture));
    background->Draw();
    const std::vector<int> first = ScreenRows();
    const long before = background->GetRowsCopied();
    background->SetScroll(0, 3);
    ExpectShows(3);
    background->SetScroll(0, 0);
    background->Draw();
    EXPECT_EQ(ScreenRows(), first);
    EXPECT_EQ(background->GetRowsCopied() - before, 6);
}

TEST_F(BackgroundTest, AScrollOfOneScreenHeightIsAFullRefresh) {
    background->Install(NumberedPicture(kPicture));
    background->SetScroll(0, 5);
    long before = background->GetRowsCopied();
    background->SetScroll(0, 5 + kHeight - 1);
    EXPECT_EQ(background->GetRowsCopied() - before, kHeight - 1);
    EXPECT_NE(background->GetRingOffset(), 0);
    ExpectShows(5 + kHeight - 1);
    background->SetScroll(0, 5);
    before = background->GetRowsCopied();
    background->SetScroll(0, 5 + kHeight);
    EXPECT_EQ(background->GetRowsCopied() - before, kHeight);
    EXPECT_EQ(background->GetRingOffset(), 0);
    ExpectShows(5 + kHeight);
}

TEST_F(BackgroundTest, ASidewaysChangeAloneChangesNothing) {
    background->Install(NumberedPicture(kPicture));
    background->SetScroll(0, 40);
    background->Draw();
    const std::vector<int> shown = ScreenRows();
    const long before = background->GetRowsCopied();
    background->SetScroll(7, 40);
    background->Draw();
    EXPECT_EQ(ScreenRows(), shown);
    EXPECT_EQ(background->GetRowsCopied(), before);
}

TEST_F(BackgroundTest, EveryScrollSequenceKeepsTheScreenRight) {
    background->Install(NumberedPicture(kPicture));
    Randomizer::Instance().Seed(99);
    // Single rows at both ends of the ring included: ring offsets 1 and 599 draw one-row bands.
    const int steps[] = {1, -1, 599, -598, 1, 0, 3, 250, -7, 600, -300, 12, 1, 1, -2};
    int y = 0;
    for (int step : steps) {
        y = std::clamp(y + step, 0, kPicture - kHeight);
        background->SetScroll(0, y);
        ExpectShows(y);
    }
    for (int i = 0; i < 60; ++i) {
        y = std::clamp(y + Randomizer::Instance().Range(-40, 40), 0, kPicture - kHeight);
        background->SetScroll(0, y);
        ExpectShows(y);
    }
}

TEST_F(BackgroundTest, ASurfaceLossIsRepairedByTheCatalogue) {
    background->Install(NumberedPicture(kPicture));
    background->SetScroll(0, 77);
    platform::DisplayDevice* device = DirectDraw::Instance().GetDevice();
    ASSERT_NE(device, nullptr);
    device->LoseAllSurfaces();
    background->Draw();
    SpriteManager::Instance().CheckInvalidSprites();
    ExpectShows(77);
}

TEST_F(BackgroundTest, LoadCutsEachLevelFromItsWorldPicture) {
    Open(32);  // 24-bit pictures convert exactly on a 32-bit display
    worldtest::UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    // Level pictures are (2 × 5 + 1 + 1) × 75 = 900 rows; level 4 starts 4 × 375 higher.
    const int worldRows = 900 + 4 * 375 + 10;
    const std::string bmp = WorldBmp(worldRows);
    for (int l : {0, 4}) {
        std::ofstream(worldtest::DataDir() + StringFormat("/backgroundworld%02d.bmp", l), std::ios::binary) << bmp;
    }
    for (int l : {0, 4}) {
        level.levelIndex = l;
        ASSERT_TRUE(background->Load(level, 75));
        EXPECT_EQ(background->GetPictureHeight(), 900);
        const auto* sprite = static_cast<const BackgroundSprite*>(SpriteManager::Instance().FindSprite("background"));
        ASSERT_NE(sprite, nullptr);
        const Image& picture = *sprite->GetPicture();
        for (int r : {0, 450, 899}) {
            const int worldRow = worldRows - l * 375 - 900 + r;
            EXPECT_EQ(picture.GetPixel(5, r), (static_cast<uint32_t>(worldRow & 0xFF) << 16) |
                                                  (static_cast<uint32_t>(worldRow >> 8) << 8) | 0x40u)
                << "level " << l << " row " << r;
        }
    }
    // A level without a picture of its own (the closing scroll) is cut from the one loaded.
    level.levelIndex = 5;
    ASSERT_TRUE(background->Load(level, 75));
    EXPECT_EQ(background->GetPictureHeight(), 825);
    EXPECT_FALSE(platform::IsQuitPosted());
}

TEST_F(BackgroundTest, TheWorldPictureIsDecodedOnceAndTheSpriteTakesEachLevelOver) {
    Open(32);
    worldtest::UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    const int worldRows = 900 + 4 * 375;
    const std::string bmp = WorldBmp(worldRows);
    const std::string path = worldtest::DataDir() + "/backgroundworld00.bmp";
    std::ofstream(path, std::ios::binary) << bmp;
    level.levelIndex = 0;
    ASSERT_TRUE(background->Load(level, 75));
    const Sprite* first = SpriteManager::Instance().FindSprite("background");
    ASSERT_NE(first, nullptr);
    // The files of the later levels are never read: the picture already decoded serves them all.
    std::remove(path.c_str());
    for (int l : {1, 2, 3, 4, 0, 4}) {
        level.levelIndex = l;
        ASSERT_TRUE(background->Load(level, 75)) << "level " << l;
        EXPECT_EQ(SpriteManager::Instance().FindSprite("background"), first) << "level " << l;
        ExpectShowsPicture(background->GetPictureHeight());
    }
}

TEST_F(BackgroundTest, TheWorldPictureDecodedDuringTheLoadingServesTheFirstLevelStart) {
    Open(32);
    worldtest::UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    const std::string path = worldtest::DataDir() + "/backgroundworld00.bmp";
    std::ofstream(path, std::ios::binary) << WorldBmp(900 + 4 * 375);
    Background::PreloadWorldPicture(0);
    // The level start reads no file: the picture of the loading is taken over.
    std::remove(path.c_str());
    level.levelIndex = 0;
    ASSERT_TRUE(background->Load(level, 75));
    ExpectShowsPicture(background->GetPictureHeight());
    // Taken once: a new background (a later game after the world was made anew) decodes again.
    auto later = std::make_unique<Background>();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(later->Load(level, 75));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("backgroundworld00"), std::string::npos);
}

TEST_F(BackgroundTest, NoWorldPictureAtAllLeavesTheGameRunningWithoutBackground) {
    worldtest::UseConfig();
    LevelInfo level;
    level.LoadLevelSettings();
    level.levelIndex = 3;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(background->Load(level, 75));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("backgroundworld03"), std::string::npos);
    EXPECT_FALSE(background->IsLoaded());
    EXPECT_FALSE(platform::IsQuitPosted());
    background->SetScroll(0, 10);
    background->Draw();  // nothing to draw, nothing breaks
}
