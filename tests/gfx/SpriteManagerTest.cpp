#include "gfx/SpriteManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SpriteTestSupport.h"
#include "files/FileLoader.h"
#include "gfx/AlphaSprite.h"
#include "gfx/AnimatedRLESprite.h"
#include "gfx/AnimatedSprite.h"
#include "gfx/ShadowSprite.h"
#include "gfx/SurfaceSprite.h"

namespace {

using spritetest::DataFolder;
using spritetest::DisplayTest;
using spritetest::kFormats;

constexpr uint32_t kMagenta = 0xFF00FF;

// Colours in steps of 8, so the conversion to 16 bits needs no dithering.
uint32_t Coded(int x, int y) {
    return static_cast<uint32_t>((x + 1) * 16) << 16 | static_cast<uint32_t>((y + 1) * 16) << 8 | 0x40;
}

SpriteSpec Spec(const std::string& name, SpriteKind kind, int frames = 1, bool trim = false, bool loop = false) {
    SpriteSpec spec;
    spec.name = name;
    spec.kind = kind;
    spec.frameCount = frames;
    spec.trim = trim;
    spec.loop = loop;
    spec.duration = 1.0f;
    return spec;
}

class SpriteManagerTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        // A still picture with a magenta border, its alpha-blended twin, a shadow, a three-frame
        // strip with a frames file, and a run-length strip.
        data_.WriteBmp("still.bmp", 6, 4, 24, [](int x, int y) { return x == 0 || y == 0 ? kMagenta : Coded(x, y); });
        data_.WriteBmp("blend.bmp", 4, 4, 24, Coded);
        data_.WriteBmp("blendAlpha.bmp", 4, 4, 24, [](int, int) { return 0xFFFFFFu; });
        data_.WriteBmp("shadow.bmp", 8, 4, 1, [](int x, int y) { return x >= 2 && y >= 1 ? 1u : 0u; });
        data_.WriteBmp("frogidle.bmp", 4, 6, 24, Coded);
        data_.WriteText("frogidleFrames.txt", "2\n0\n7\n");
        data_.WriteBmp("rle.bmp", 5, 6, 24, [](int x, int y) { return x == 4 ? kMagenta : Coded(x, y); });
        FileLoader::SetDataRoot(data_.Path());
        FileLoader::Instance().Reinitialize();
        Open(kFormats[0]);

        SpriteManager& m = SpriteManager::Instance();
        m.RegisterSpec(Spec("still", SpriteKind::Still, 1, true));
        m.RegisterSpec(Spec("blend", SpriteKind::Still));
        m.RegisterSpec(Spec("shadow", SpriteKind::Shadow));
        m.RegisterSpec(Spec("frogidle", SpriteKind::Animated, 3, false, true));
        m.RegisterSpec(Spec("rle", SpriteKind::RunLength, 2, true));
    }

    DataFolder data_{"sprite_manager"};
};

TEST_F(SpriteManagerTest, SharedSpritesAndMirroredKeys) {
    SpriteManager& m = SpriteManager::Instance();
    Sprite* idle = m.GetSprite("frogidle");
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(m.GetSprite("frogidle"), idle);
    Sprite* mirrored = m.GetSprite("frogidle", true);
    ASSERT_NE(mirrored, nullptr);
    EXPECT_NE(mirrored, idle);
    EXPECT_EQ(m.FindSprite("frogidlemirrored"), mirrored);
    EXPECT_EQ(SpriteManager::SpriteKey("frogidle", true), "frogidlemirrored");
}

TEST_F(SpriteManagerTest, EachKindBuildsItsClass) {
    SpriteManager& m = SpriteManager::Instance();
    EXPECT_NE(dynamic_cast<SurfaceSprite*>(m.GetSprite("still")), nullptr);
    EXPECT_NE(dynamic_cast<AlphaSprite*>(m.GetSprite("blend")), nullptr);
    EXPECT_NE(dynamic_cast<ShadowSprite*>(m.GetSprite("shadow")), nullptr);
    EXPECT_NE(dynamic_cast<AnimatedRLESprite*>(m.GetSprite("rle")), nullptr);
    ::testing::internal::CaptureStderr();
    auto* idle = dynamic_cast<AnimatedSprite*>(m.GetSprite("frogidle"));
    const std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->GetFrameCount(), 3);
    // The frames file's 7 names no frame of three: dropped, with a line naming the file.
    EXPECT_EQ(idle->GetFrameList(), (std::vector<int>{2, 0}));
    EXPECT_NE(err.find("frogidleFrames.txt"), std::string::npos);
    EXPECT_FALSE(platform::IsQuitPosted());
}

TEST_F(SpriteManagerTest, TrimmedStillAndItsMirror) {
    SpriteManager& m = SpriteManager::Instance();
    Sprite* still = m.GetSprite("still");
    Sprite* mirrored = m.GetSprite("still", true);
    ASSERT_NE(still, nullptr);
    ASSERT_NE(mirrored, nullptr);
    EXPECT_EQ(still->GetWidth(), 5);
    EXPECT_EQ(still->GetHeight(), 3);
    Fill(0);
    still->Draw(0, 0);
    mirrored->Draw(0, 10);
    // The magenta border became transparent black; the content keeps its place.
    EXPECT_EQ(At(0, 0), 0u);
    EXPECT_EQ(At(1, 1), Pixel(Coded(1, 1)));
    EXPECT_EQ(At(5, 3), Pixel(Coded(5, 3)));
    // Mirrored: column x shows column 5 − x; the border is now on the right.
    EXPECT_EQ(At(0, 11), Pixel(Coded(5, 1)));
    EXPECT_EQ(At(4, 13), Pixel(Coded(1, 3)));
    EXPECT_EQ(At(5, 11), 0u);
}

TEST_F(SpriteManagerTest, LaterRegistrationReplacesAndSpecsComeInNameOrder) {
    SpriteManager& m = SpriteManager::Instance();
    SpriteSpec replaced = Spec("still", SpriteKind::RunLength, 2);
    m.RegisterSpec(replaced);
    ASSERT_NE(m.FindSpec("still"), nullptr);
    EXPECT_EQ(m.FindSpec("still")->kind, SpriteKind::RunLength);
    EXPECT_EQ(m.FindSpec("still")->frameCount, 2);
    std::vector<std::string> names;
    m.ForEachSpec([&](const SpriteSpec& s) { names.push_back(s.name); });
    EXPECT_EQ(names, (std::vector<std::string>{"blend", "frogidle", "rle", "shadow", "still"}));
    EXPECT_EQ(m.FindSpec("nothing"), nullptr);
}

TEST_F(SpriteManagerTest, MissingSpecPictureOrKindAsksToQuitWithAReason) {
    SpriteManager& m = SpriteManager::Instance();
    m.RegisterSpec(Spec("nopicture", SpriteKind::Still));
    m.RegisterSpec(Spec("strange", static_cast<SpriteKind>(7)));
    struct Case {
        const char* name;
        const char* reason;
    };
    const Case cases[] = {{"unknownname", "unknownname"}, {"nopicture", "nopicture"}, {"strange", "kind 7"}};
    for (const Case& c : cases) {
        platform::ResetQuitState();
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(m.GetSprite(c.name), nullptr) << c.name;
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(platform::GetQuitExitCode(), -1) << c.name;
        EXPECT_NE(err.find(c.reason), std::string::npos) << c.name << ": " << err;
    }
}

// A sprite that cannot be built is named once: not again every frame (nor read from disk again),
// and not a second time for its mirrored variant.
TEST_F(SpriteManagerTest, AFailedSpriteIsNamedOnceForBothVariants) {
    data_.WriteBmp("deepshadow.bmp", 4, 4, 24, Coded);
    SpriteManager& m = SpriteManager::Instance();
    m.RegisterSpec(Spec("deepshadow", SpriteKind::Shadow));
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_EQ(m.GetSprite("deepshadow", false), nullptr);
        EXPECT_EQ(m.GetSprite("deepshadow", true), nullptr);
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("deepshadow.bmp: a shadow must be a 1-bit picture"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // A reload (every sprite released) tries again.
    m.ReleaseAll();
    data_.WriteBmp("deepshadow.bmp", 8, 4, 1, [](int x, int) { return x > 3 ? 1u : 0u; });
    EXPECT_NE(m.GetSprite("deepshadow", true), nullptr);
}

TEST_F(SpriteManagerTest, InvalidSpritesAreAnnouncedAndNoLongerHandedOut) {
    SpriteManager& m = SpriteManager::Instance();
    Sprite* still = m.GetSprite("still");
    Sprite* blend = m.GetSprite("blend");
    m.MarkInvalid(still);
    m.MarkInvalid(still);
    ::testing::internal::CaptureStderr();
    m.CheckInvalidSprites();
    const std::string err = ::testing::internal::GetCapturedStderr();
    size_t boxes = 0;
    for (size_t at = err.find("invalid sprite"); at != std::string::npos; at = err.find("invalid sprite", at + 1)) {
        ++boxes;
    }
    EXPECT_EQ(boxes, 4u);  // two boxes, each with caption and text "invalid sprite"
    EXPECT_EQ(m.FindSprite("still"), nullptr);
    EXPECT_EQ(m.FindSprite("blend"), blend);
    // Whoever still holds the dropped sprite may draw it without harm.
    still->Draw(0, 0);
}

TEST_F(SpriteManagerTest, SurfaceLossFollowedByRestoreGivesTheSamePicture) {
    SpriteManager& m = SpriteManager::Instance();
    Sprite* still = m.GetSprite("still");
    Sprite* rle = m.GetSprite("rle");
    ASSERT_NE(still, nullptr);
    ASSERT_NE(rle, nullptr);
    auto compose = [&] {
        Fill(0x303030);
        still->Draw(10, 10);
        rle->SetTime(0.75f);  // second frame
        rle->Draw(40, 10);
    };
    auto snapshot = [&] {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 60; ++x) pixels.push_back(At(x, y));
        }
        return pixels;
    };
    compose();
    const std::vector<uint32_t> before = snapshot();
    EXPECT_NE(before[11 * 60 + 11], Pixel(0x303030));

    int hookRuns = 0;
    m.SetRestoreHook([&] { ++hookRuns; });
    DirectDraw::Instance().GetDevice()->LoseAllSurfaces();
    compose();
    EXPECT_TRUE(m.IsRestoreRequested());
    m.CheckInvalidSprites();
    EXPECT_FALSE(m.IsRestoreRequested());
    EXPECT_EQ(hookRuns, 1);
    compose();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SpriteManagerTest, ReleaseAllKeepsTheSpecs) {
    SpriteManager& m = SpriteManager::Instance();
    Sprite* still = m.GetSprite("still");
    ASSERT_NE(still, nullptr);
    EXPECT_TRUE(m.ReleaseAll());
    EXPECT_EQ(m.FindSprite("still"), nullptr);
    EXPECT_NE(m.FindSpec("still"), nullptr);
    EXPECT_NE(m.GetSprite("still"), nullptr);
}

}  // namespace
