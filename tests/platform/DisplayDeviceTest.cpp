#include "platform/DisplayDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/DisplayBlit.h"
#include "platform/Present.h"

namespace {

using namespace platform;

class DisplayDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        DisplayDevice::ResetTestHooks();
        ASSERT_EQ(DisplayDevice::Create(device_), DD_OK);
        ASSERT_EQ(device_->SetCooperativeLevel(nullptr, true), DD_OK);
    }
    void TearDown() override {
        DisplayDevice::ResetTestHooks();
        SetPresentHook({});
    }

    std::unique_ptr<DisplaySurface> Make(int width, int height) {
        std::unique_ptr<DisplaySurface> surface;
        EXPECT_EQ(device_->CreateOffscreenSurface(width, height, surface), DD_OK);
        return surface;
    }

    static uint16_t Get16(const DisplaySurface& s, int x, int y) {
        uint16_t v;
        std::memcpy(&v, s.Pixels() + y * s.Pitch() + x * 2, 2);
        return v;
    }
    static void Set16(DisplaySurface& s, int x, int y, uint16_t v) {
        SurfaceLock lock;
        const DisplayRect one{x, y, x + 1, y + 1};
        ASSERT_EQ(s.Lock(&one, lock), DD_OK);
        std::memcpy(lock.pixels, &v, 2);
        ASSERT_EQ(s.Unlock(), DD_OK);
    }
    // Every pixel gets value base + x + y × width (never 0 unless base is 0 at the origin).
    static void Pattern(DisplaySurface& s, uint16_t base) {
        SurfaceLock lock;
        ASSERT_EQ(s.Lock(nullptr, lock), DD_OK);
        for (int y = 0; y < lock.height; ++y) {
            for (int x = 0; x < lock.width; ++x) {
                const uint16_t v = static_cast<uint16_t>(base + x + y * lock.width);
                std::memcpy(lock.pixels + y * lock.pitch + x * 2, &v, 2);
            }
        }
        ASSERT_EQ(s.Unlock(), DD_OK);
    }

    std::unique_ptr<DisplayDevice> device_;
};

TEST_F(DisplayDeviceTest, FormatsFollowTheModeAndTheTestHook) {
    EXPECT_EQ(device_->SetDisplayMode(800, 600, 16), DD_OK);
    EXPECT_EQ(device_->GetPixelFormat(), (DisplayPixelFormat{16, 0xF800, 0x07E0, 0x001F}));
    DisplayDevice::SetUse555(true);
    EXPECT_EQ(device_->GetPixelFormat(), (DisplayPixelFormat{16, 0x7C00, 0x03E0, 0x001F}));
    EXPECT_EQ(device_->SetDisplayMode(800, 600, 32), DD_OK);
    EXPECT_EQ(device_->GetPixelFormat(), (DisplayPixelFormat{32, 0xFF0000, 0x00FF00, 0x0000FF}));
    EXPECT_EQ(device_->SetDisplayMode(800, 600, 24), DDERR_INVALIDMODE);
}

TEST_F(DisplayDeviceTest, BadSizesGiveErrorCodesAndNoSurface) {
    struct Case {
        int width, height;
        DisplayResult expected;
    };
    for (const Case& c : {Case{0, 10, DDERR_INVALIDPARAMS}, Case{10, -1, DDERR_INVALIDPARAMS},
                          Case{DisplayDevice::kMaxSurfaceSide + 1, 1, DDERR_TOOBIGSIZE}}) {
        std::unique_ptr<DisplaySurface> surface;
        EXPECT_EQ(device_->CreateOffscreenSurface(c.width, c.height, surface), c.expected)
            << c.width << "x" << c.height;
        EXPECT_EQ(surface, nullptr);
    }
}

TEST_F(DisplayDeviceTest, LockGivesThePitchAndTheRectanglesFirstPixel) {
    auto s = Make(13, 5);  // odd width: the pitch is wider than a row
    SurfaceLock lock;
    const DisplayRect rect{3, 2, 10, 5};
    ASSERT_EQ(s->Lock(&rect, lock), DD_OK);
    EXPECT_GE(lock.pitch, 13 * 2);
    EXPECT_EQ(lock.width, 7);
    EXPECT_EQ(lock.height, 3);
    const uint16_t v = 0x1234;
    std::memcpy(lock.pixels + lock.pitch, &v, 2);  // (3, 3)
    EXPECT_EQ(s->Lock(nullptr, lock), DDERR_SURFACEBUSY);
    ASSERT_EQ(s->Unlock(), DD_OK);
    EXPECT_EQ(s->Unlock(), DDERR_NOTLOCKED);
    EXPECT_EQ(Get16(*s, 3, 3), 0x1234);
    const DisplayRect outside{10, 0, 14, 1};
    EXPECT_EQ(s->Lock(&outside, lock), DDERR_INVALIDRECT);
}

TEST_F(DisplayDeviceTest, InvalidRectanglesAreRefusedAndNothingIsWritten) {
    auto dst = Make(20, 10);
    auto src = Make(8, 8);
    Pattern(*src, 1);
    struct Case {
        const char* what;
        DisplayRect dst;
        DisplayRect src;
    };
    const Case cases[] = {
        {"destination past the right edge", {15, 0, 23, 8}, {0, 0, 8, 8}},
        {"destination above the top", {0, -1, 8, 7}, {0, 0, 8, 8}},
        {"source past its surface", {0, 0, 9, 8}, {0, 0, 9, 8}},
        {"empty destination", {4, 4, 4, 8}, {0, 0, 8, 8}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dst->Blt(&c.dst, *src, &c.src, BlitKey::None), DDERR_INVALIDRECT) << c.what;
    }
    EXPECT_EQ(dst->BltFast(13, 0, *src, nullptr, BlitKey::None), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(-1, 0, *src, nullptr, BlitKey::None), DDERR_INVALIDRECT);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) ASSERT_EQ(Get16(*dst, x, y), 0) << x << "," << y;
    }
}

TEST_F(DisplayDeviceTest, KeyedBlitSkipsTheKeyRangeAtEveryRowLength) {
    // Widths around the vector steps of the blit loop (8 and 16 pixels) and a long row.
    std::mt19937 random(7);
    for (int width : {1, 7, 8, 9, 15, 16, 17, 31, 33, 64, 203}) {
        auto dst = Make(width + 3, 4);
        auto src = Make(width, 3);
        ASSERT_EQ(src->SetColorKey({0x0100, 0x01FF}), DD_OK);
        SurfaceLock lock;
        ASSERT_EQ(src->Lock(nullptr, lock), DD_OK);
        std::vector<uint16_t> values(static_cast<size_t>(width) * 3);
        for (uint16_t& v : values) {
            const uint32_t r = random();
            // About 40 % in the key range, including both ends of it.
            v = static_cast<uint16_t>(r % 5 < 2 ? 0x0100 + (r >> 8) % 0x100 : (r >> 8) % 0x10000);
            if (r % 17 == 0) v = 0x0100;
            if (r % 19 == 0) v = 0x01FF;
            if (r % 23 == 0) v = 0x0200;
        }
        for (int y = 0; y < 3; ++y) std::memcpy(lock.pixels + y * lock.pitch, &values[y * width], width * 2);
        ASSERT_EQ(src->Unlock(), DD_OK);
        ASSERT_EQ(dst->ColorFill(nullptr, 0xBEEF), DD_OK);
        ASSERT_EQ(dst->BltFast(2, 1, *src, nullptr, BlitKey::Source), DD_OK);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint16_t v = values[y * width + x];
                const uint16_t expected = (v >= 0x0100 && v <= 0x01FF) ? 0xBEEF : v;
                ASSERT_EQ(Get16(*dst, x + 2, y + 1), expected) << "width " << width << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(Get16(*dst, 0, 1), 0xBEEF);
        EXPECT_EQ(Get16(*dst, width + 2, 1), 0xBEEF);
    }
}

TEST_F(DisplayDeviceTest, StretchTakesTheNearestSample) {
    auto src = Make(2, 2);
    Pattern(*src, 1);  // 1 2 / 3 4
    auto dst = Make(5, 4);
    const DisplayRect to{1, 0, 5, 4};
    ASSERT_EQ(dst->Blt(&to, *src, nullptr, BlitKey::None), DD_OK);
    const uint16_t expected[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(Get16(*dst, 0, y), 0);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(Get16(*dst, x + 1, y), expected[y][x]) << x << "," << y;
    }
    // Shrinking by two keeps every other pixel; a keyed pixel stays out when stretched too.
    auto big = Make(4, 2);
    Pattern(*big, 10);  // 10 11 12 13 / 14 ...
    ASSERT_EQ(big->SetColorKey({12, 12}), DD_OK);
    auto small = Make(2, 1);
    ASSERT_EQ(small->ColorFill(nullptr, 99), DD_OK);
    ASSERT_EQ(small->Blt(nullptr, *big, nullptr, BlitKey::Source), DD_OK);
    EXPECT_EQ(Get16(*small, 0, 0), 10);
    EXPECT_EQ(Get16(*small, 1, 0), 99);
}

TEST_F(DisplayDeviceTest, BlitWithinOneSurfaceReadsTheOldPixels) {
    auto s = Make(6, 1);
    Pattern(*s, 1);  // 1 2 3 4 5 6
    ASSERT_EQ(s->SetColorKey({0, 0}), DD_OK);
    const DisplayRect from{0, 0, 4, 1};
    ASSERT_EQ(s->BltFast(2, 0, *s, &from, BlitKey::Source), DD_OK);
    const uint16_t expected[6] = {1, 2, 1, 2, 3, 4};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(Get16(*s, x, 0), expected[x]) << x;
}

TEST_F(DisplayDeviceTest, DifferentFormatsAreRefused) {
    auto sixteen = Make(4, 4);
    std::unique_ptr<DisplayDevice> other;
    ASSERT_EQ(DisplayDevice::Create(other), DD_OK);
    ASSERT_EQ(other->SetCooperativeLevel(nullptr, true), DD_OK);
    ASSERT_EQ(other->SetDisplayMode(800, 600, 32), DD_OK);
    std::unique_ptr<DisplaySurface> thirtyTwo;
    ASSERT_EQ(other->CreateOffscreenSurface(4, 4, thirtyTwo), DD_OK);
    EXPECT_EQ(sixteen->BltFast(0, 0, *thirtyTwo, nullptr, BlitKey::None), DDERR_INVALIDPIXELFORMAT);
    EXPECT_EQ(thirtyTwo->Blt(nullptr, *sixteen, nullptr, BlitKey::None), DDERR_INVALIDPIXELFORMAT);
}

TEST_F(DisplayDeviceTest, LostSurfacesRefuseWorkUntilRestoredAndComeBackCleared) {
    auto a = Make(4, 4);
    auto b = Make(4, 4);
    Pattern(*a, 1);
    device_->LoseAllSurfaces();
    SurfaceLock lock;
    EXPECT_EQ(a->Lock(nullptr, lock), DDERR_SURFACELOST);
    EXPECT_EQ(b->BltFast(0, 0, *a, nullptr, BlitKey::None), DDERR_SURFACELOST);
    EXPECT_EQ(b->ColorFill(nullptr, 1), DDERR_SURFACELOST);
    EXPECT_EQ(a->Restore(), DD_OK);
    EXPECT_EQ(Get16(*a, 1, 1), 0);
    EXPECT_EQ(b->BltFast(0, 0, *a, nullptr, BlitKey::None), DDERR_SURFACELOST);  // b still lost
    EXPECT_EQ(b->Restore(), DD_OK);
    EXPECT_EQ(b->BltFast(0, 0, *a, nullptr, BlitKey::None), DD_OK);
}

TEST_F(DisplayDeviceTest, InjectedFailuresHitTheNextCallOnly) {
    auto s = Make(2, 2);
    SurfaceLock lock;
    DisplayDevice::FailNext(DisplayOp::Lock, DDERR_GENERIC);
    EXPECT_EQ(s->Lock(nullptr, lock), DDERR_GENERIC);
    EXPECT_FALSE(s->IsLocked());
    ASSERT_EQ(s->Lock(nullptr, lock), DD_OK);
    DisplayDevice::FailNext(DisplayOp::Unlock, DDERR_SURFACEBUSY);
    EXPECT_EQ(s->Unlock(), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->Lock(nullptr, lock), DD_OK);  // the failed unlock did not leave it locked
    EXPECT_EQ(s->Unlock(), DD_OK);
}

TEST_F(DisplayDeviceTest, FlipSwapsTheChainAndPresentsTheNewFrontPicture) {
    ASSERT_EQ(device_->SetDisplayMode(16, 8, 16), DD_OK);
    std::unique_ptr<DisplaySurface> primary;
    ASSERT_EQ(device_->CreatePrimarySurface(true, primary), DD_OK);
    DisplaySurface* back = primary->GetAttachedSurface();
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->ColorFill(nullptr, 0x07E0), DD_OK);
    int frames = 0;
    uint16_t seen = 0;
    SetPresentHook([&](const FrameView& frame) {
        ++frames;
        EXPECT_EQ(frame.width, 16);
        EXPECT_EQ(frame.greenMask, 0x07E0u);
        std::memcpy(&seen, static_cast<const uint8_t*>(frame.pixels) + frame.pitch * 7 + 15 * 2, 2);
    });
    ASSERT_EQ(primary->Flip(), DD_OK);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(seen, 0x07E0);
    EXPECT_EQ(Get16(*primary, 0, 0), 0x07E0);
    EXPECT_EQ(Get16(*back, 0, 0), 0);  // the old front picture
    EXPECT_EQ(back->Flip(), DDERR_NOTFLIPPABLE);
    device_->LoseAllSurfaces();
    EXPECT_EQ(primary->Flip(), DDERR_SURFACELOST);
    EXPECT_EQ(back->Restore(), DD_OK);  // restores the whole chain
    EXPECT_FALSE(primary->IsLost());
    EXPECT_EQ(primary->Flip(), DD_OK);
}

TEST_F(DisplayDeviceTest, WindowPrimaryWithClipperCutsAndShowsWhatLandsOnIt) {
    std::unique_ptr<DisplayDevice> windowed;
    ASSERT_EQ(DisplayDevice::Create(windowed), DD_OK);
    ASSERT_EQ(windowed->SetCooperativeLevel(nullptr, false), DD_OK);
    std::unique_ptr<DisplaySurface> primary;
    EXPECT_EQ(windowed->CreatePrimarySurface(true, primary), DDERR_NOEXCLUSIVEMODE);
    ASSERT_EQ(windowed->CreatePrimarySurface(false, primary), DD_OK);
    EXPECT_EQ(primary->GetWidth(), DisplayDevice::kDesktopWidth);
    std::unique_ptr<DisplaySurface> back;
    ASSERT_EQ(windowed->CreateOffscreenSurface(4, 4, back), DD_OK);
    Pattern(*back, 1);
    const DisplayRect partlyOutside{-2, 0, 2, 4};
    EXPECT_EQ(primary->Blt(&partlyOutside, *back, nullptr, BlitKey::None), DDERR_INVALIDRECT);
    std::unique_ptr<DisplayClipper> clipper;
    ASSERT_EQ(windowed->CreateClipper(clipper), DD_OK);
    ASSERT_EQ(primary->SetClipper(clipper.get()), DD_OK);
    int frames = 0;
    SetPresentHook([&](const FrameView&) { ++frames; });
    ASSERT_EQ(primary->Blt(&partlyOutside, *back, nullptr, BlitKey::None), DD_OK);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(Get16(*primary, 0, 0), 3);  // source columns 2 and 3 land on 0 and 1
    EXPECT_EQ(Get16(*primary, 1, 3), 16);
}

}  // namespace
