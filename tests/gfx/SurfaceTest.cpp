#include "gfx/Surface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "DisplayTestSupport.h"
#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

namespace {

using platform::DisplayOp;

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.ok());
        SpriteManager::Instance().CheckInvalidSprites();  // no restore request left from before
    }

    // A 16-bit picture whose pixel (x, y) holds 100 × y + x + 1.
    static std::unique_ptr<Image> Numbered(int width, int height) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(image->Create(width, height, 16));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint16_t v = static_cast<uint16_t>(100 * y + x + 1);
                std::memcpy(image->PixelAddress(x, y), &v, 2);
            }
        }
        return image;
    }
    static uint16_t At(const Surface& s, int x, int y) {
        uint16_t v;
        std::memcpy(&v, s.Get()->Pixels() + y * s.Get()->Pitch() + x * 2, 2);
        return v;
    }

    HeadlessDisplay display;
};

TEST_F(SurfaceTest, BlackIsTheColourKeyOfEverySurface) {
    Surface surface;
    ASSERT_TRUE(surface.Create(3, 1));
    auto image = std::make_unique<Image>();
    ASSERT_TRUE(image->Create(3, 1, 16));
    const uint16_t pixels[3] = {0xFFFF, 0, 0x001F};
    std::memcpy(image->GetPixels(), pixels, 6);
    surface.Upload(*image, 0, 0);
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    ASSERT_EQ(target->ColorFill(nullptr, 0x07E0), platform::DD_OK);
    ASSERT_EQ(target->BltFast(10, 10, *surface.Get(), nullptr, platform::BlitKey::Source), platform::DD_OK);
    uint16_t row[3];
    std::memcpy(row, target->Pixels() + 10 * target->Pitch() + 20, 6);
    EXPECT_EQ(std::vector<uint16_t>(row, row + 3), (std::vector<uint16_t>{0xFFFF, 0x07E0, 0x001F}));
}

TEST_F(SurfaceTest, UploadCopiesTheWindowAtTheOffset) {
    Surface surface;
    ASSERT_TRUE(surface.Create(3, 2));
    std::unique_ptr<Image> image = Numbered(6, 4);
    surface.Upload(*image, 2, 1);
    EXPECT_EQ(At(surface, 0, 0), 103);
    EXPECT_EQ(At(surface, 2, 1), 205);
    // A window reaching past the picture copies what lies inside and leaves the rest.
    surface.Upload(*image, 4, 3);
    EXPECT_EQ(At(surface, 0, 0), 305);
    EXPECT_EQ(At(surface, 1, 0), 306);
    EXPECT_EQ(At(surface, 2, 0), 105);  // from the first upload
}

TEST_F(SurfaceTest, UploadRectCopiesOnlyARectangleThatLiesInside) {
    Surface surface;
    ASSERT_TRUE(surface.Create(4, 3));
    std::unique_ptr<Image> image = Numbered(8, 8);
    surface.UploadRect(*image, 2, 3, Rect{1, 1, 2, 2});
    EXPECT_EQ(At(surface, 0, 0), 0);
    EXPECT_EQ(At(surface, 1, 1), 404);  // image pixel (3, 4)
    EXPECT_EQ(At(surface, 2, 2), 505);
    EXPECT_EQ(At(surface, 3, 2), 0);
    surface.UploadRect(*image, 0, 0, Rect{0, 0, 4, 0});  // right edge 4 is not below the width
    EXPECT_EQ(At(surface, 0, 0), 0);
    surface.UploadRect(*image, 6, 0, Rect{0, 0, 2, 0});  // would read past the picture
    EXPECT_EQ(At(surface, 0, 0), 0);
}

TEST_F(SurfaceTest, RunLengthFramesDecodeIntoTheSurfaceAndABrokenStreamLeavesBlack) {
    // 64 and 800 pixels make rows that follow each other without a gap; 150 leaves one.
    for (int width : {150, 64, 800}) {
        for (bool broken : {false, true}) {
            std::unique_ptr<Image> frame = Numbered(width, 3);
            for (int x = 10; x < width - 10; ++x) std::memset(frame->PixelAddress(x, 1), 0x11, 2);  // a long run
            const std::unique_ptr<Image> plain = Numbered(width, 3);
            std::memcpy(plain->GetPixels(), frame->GetPixels(), frame->GetPixelBytes());
            ImageUtil::Instance().EncodeRunLength(*frame);
            ASSERT_LT(frame->GetPixelBytes(), plain->GetPixelBytes());
            std::vector<uint8_t> stream(frame->GetPixels(), frame->GetPixels() + frame->GetPixelBytes());
            if (broken) stream.resize(stream.size() / 2);
            const size_t kept = stream.size();
            frame->SetRunLengthData(std::move(stream));
            Surface surface;
            ASSERT_TRUE(surface.Create(width, 3));
            surface.Get()->ColorFill(nullptr, 0x4444);  // stale pixels must not survive
            surface.UploadRunLengthFrame(*frame);
            int black = 0;
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < width; ++x) {
                    uint16_t expected;
                    std::memcpy(&expected, plain->PixelAddress(x, y), 2);
                    const uint16_t got = At(surface, x, y);
                    if (broken && got == 0) {
                        ++black;
                        continue;
                    }
                    ASSERT_EQ(got, expected) << width << (broken ? " broken" : "") << " at " << x << "," << y;
                }
            }
            if (broken) {
                EXPECT_GT(black, 0) << width;
                EXPECT_EQ(At(surface, width - 1, 2), 0) << width << " (" << kept << " bytes kept)";
            }
        }
    }
}

TEST_F(SurfaceTest, LossDuringAnUploadAsksForARestoreAndTheRestoreGivesTheSamePicture) {
    Surface surface;
    ASSERT_TRUE(surface.Create(4, 4));
    std::unique_ptr<Image> image = Numbered(4, 4);
    surface.Upload(*image, 0, 0);
    DirectDraw::Instance().GetDevice()->LoseAllSurfaces();
    surface.Upload(*image, 0, 0);
    EXPECT_TRUE(SpriteManager::Instance().IsRestoreRequested());
    EXPECT_FALSE(platform::IsQuitPosted());
    ASSERT_EQ(surface.Restore(), platform::DD_OK);
    EXPECT_EQ(At(surface, 3, 3), 0);  // the loss took the picture
    surface.Upload(*image, 0, 0);
    EXPECT_EQ(At(surface, 3, 3), 304);
}

TEST_F(SurfaceTest, OtherLockAndUnlockFailuresQuitWithMinusOne) {
    for (DisplayOp op : {DisplayOp::Lock, DisplayOp::Unlock}) {
        platform::ResetQuitState();
        Surface surface;
        ASSERT_TRUE(surface.Create(2, 2));
        platform::DisplayDevice::FailNext(op, platform::DDERR_GENERIC);
        testing::internal::CaptureStderr();
        surface.Upload(*Numbered(2, 2), 0, 0);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("DDERR_GENERIC"), std::string::npos);
        EXPECT_TRUE(platform::IsQuitPosted());
        EXPECT_EQ(platform::GetQuitExitCode(), -1);
        EXPECT_EQ(At(surface, 1, 1), op == DisplayOp::Lock ? 0 : 102);  // nothing copied after a failed lock
    }
}

TEST_F(SurfaceTest, ImpossibleSizesGiveNoSurface) {
    Surface surface;
    EXPECT_FALSE(surface.Create(0, 5));
    EXPECT_EQ(surface.Get(), nullptr);
    surface.Upload(*Numbered(2, 2), 0, 0);  // nothing to write into: no crash, no quit
    EXPECT_FALSE(platform::IsQuitPosted());
}

}  // namespace
