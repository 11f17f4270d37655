#include "game/ScreenMessage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

#include "files/FileLoader.h"
#include "gfx/DrawParams.h"
#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "settings/SettingsManager.h"
#include "TempFolder.h"

namespace {

// A glyph picture that records where each glyph is drawn.
class GlyphRecorder final : public Sprite {
public:
    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override { drawn.push_back({params.dstX, params.dstY}); }
    int GetWidth() const override { return 64; }
    int GetHeight() const override { return 32; }
    void Restore() override {}
    struct At {
        int x, y;
    };
    std::vector<At> drawn;
};

// Both fonts: 'A' and '5' are 8 wide with the spacing, a space 8.
constexpr const char* kFnt =
    "0 7\n"
    "64 32\n"
    "5 10\n"
    "2\n"
    "1 2\n"
    "41 0 20 12 27 0\n"
    "35 0 30 12 37 0\n";

class ScreenMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(folder_.File("config.txt")) << "messageInterval 2.0\n"
                                                     "vertOffsetMessageLine1 250\n"
                                                     "vertOffsetMessageLine2 290\n"
                                                     "scoreDisplayTime 2\n"
                                                     "scoreScrollSpeed 40\n"
                                                     "starScoreBonus 500\n";
        std::ofstream(folder_.File("Test.fnt")) << kFnt;
        FileLoader::SetDataRoot(folder_.Path().string());
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load("data\\config.txt"));
        ASSERT_TRUE(HUDFont::Instance().Load("data\\Test.fnt", "testhudfont"));
        ASSERT_TRUE(ScoreFont::Instance().Load("data\\Test.fnt", "testscorefont"));
        hud_ = Record("testhudfont");
        digits_ = Record("testscorefont");
        ASSERT_TRUE(message().Init());
        message().Clear();
    }
    void TearDown() override {
        message().Clear();
        SpriteManager::Instance().Clear();
        SettingsManager::Instance().Clear();
    }
    static GlyphRecorder* Record(const std::string& key) {
        auto sprite = std::make_unique<GlyphRecorder>();
        GlyphRecorder* recorder = sprite.get();
        SpriteManager::Instance().AddSprite(key, std::move(sprite));
        return recorder;
    }
    static ScreenMessage& message() { return ScreenMessage::Instance(); }

    TempFolder folder_{"rj-screen-message"};
    GlyphRecorder* hud_ = nullptr;
    GlyphRecorder* digits_ = nullptr;
};

}  // namespace

TEST_F(ScreenMessageTest, EachLineIsCentredOnTheScreenAtItsOwnHeight) {
    message().Show("AAAA", "A");
    EXPECT_EQ(message().Line1X(), (800 - 32) / 2);
    message().Update(0.02f);
    ASSERT_EQ(hud_->drawn.size(), 5u);
    EXPECT_EQ(hud_->drawn[0].x, 384);
    EXPECT_EQ(hud_->drawn[0].y, 250);
    EXPECT_EQ(hud_->drawn[3].x, 384 + 3 * 8);
    EXPECT_EQ(hud_->drawn[4].x, (800 - 8) / 2);
    EXPECT_EQ(hud_->drawn[4].y, 290);
}

TEST_F(ScreenMessageTest, ASecondMessageReplacesTheFirstAndIsShownItsFullTime) {
    message().Show("AAAA", "AAAA");
    message().Update(1.5f);
    message().Show("A", "");
    hud_->drawn.clear();
    message().Update(1.9f);  // 3.4 s after the first, 1.9 s after the second
    ASSERT_TRUE(message().Visible());
    EXPECT_EQ(message().Line1(), "A");
    ASSERT_EQ(hud_->drawn.size(), 1u) << "only the second message is drawn";
    EXPECT_EQ(hud_->drawn[0].x, 396);
}

TEST_F(ScreenMessageTest, AMessageLastsItsIntervalAndThenIsNeitherShownNorDrawn) {
    message().Show("A", "A");
    message().Update(1.0f);
    message().Update(1.0f);  // exactly the interval: still there
    EXPECT_TRUE(message().Visible());
    hud_->drawn.clear();
    message().Update(0.02f);
    EXPECT_FALSE(message().Visible());
    EXPECT_TRUE(message().Line1().empty());
    EXPECT_TRUE(hud_->drawn.empty());
}

TEST_F(ScreenMessageTest, ScorePopupsDriftRightAndUpAtHalfThatSpeedThenVanish) {
    message().AddScorePopup(100, 200, 55);
    message().Update(0.5f);
    ASSERT_EQ(message().Popups().size(), 1u);
    EXPECT_FLOAT_EQ(message().Popups().front().x, 120.0f);
    EXPECT_FLOAT_EQ(message().Popups().front().y, 210.0f);
    // Drawn from the view position, y upwards, at screen row 600 − y; one glyph per digit.
    ASSERT_EQ(digits_->drawn.size(), 2u);
    EXPECT_EQ(digits_->drawn[0].x, 120);
    EXPECT_EQ(digits_->drawn[0].y, 600 - 210);
    EXPECT_EQ(digits_->drawn[1].x, 128);
    message().Update(1.5f);  // 2 s old: its last frame
    EXPECT_EQ(message().Popups().size(), 1u);
    digits_->drawn.clear();
    message().Update(0.02f);
    EXPECT_TRUE(message().Popups().empty());
    EXPECT_TRUE(digits_->drawn.empty());
}
