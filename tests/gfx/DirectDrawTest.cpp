#include "gfx/DirectDraw.h"

#include <gtest/gtest.h>

#include <cstring>

#include "DisplayTestSupport.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"

namespace {

using platform::DisplayOp;
using platform::DisplayRect;

uint16_t Pixel16(const platform::DisplaySurface& s, int x, int y) {
    uint16_t v;
    std::memcpy(&v, s.Pixels() + y * s.Pitch() + x * 2, 2);
    return v;
}

TEST(DirectDraw, InitReadsThePixelFormatOfEachDepth) {
    struct Case {
        HeadlessDisplay::Format format;
        int bits, red, green, blue, redByte, spareByte;
    };
    for (const Case& c :
         {Case{HeadlessDisplay::k565, 16, 11, 6, 0, 0, 0}, Case{HeadlessDisplay::k555, 16, 10, 5, 0, 0, 0},
          Case{HeadlessDisplay::k32, 32, 16, 8, 0, 2, 3}}) {
        HeadlessDisplay display(c.format);
        ASSERT_TRUE(display.ok());
        const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
        EXPECT_EQ(f.bitsPerPixel, c.bits);
        EXPECT_EQ(f.redShift, c.red);
        EXPECT_EQ(f.greenShift, c.green);
        EXPECT_EQ(f.blueShift, c.blue);
        EXPECT_EQ(f.redByte, c.redByte);
        EXPECT_EQ(f.spareByte, c.spareByte);
        EXPECT_EQ(DirectDraw::Instance().GetDrawTarget(), DirectDraw::Instance().GetBackBuffer());
    }
}

TEST(DirectDraw, EachFailingStartUpStepShowsItsErrorBox) {
    struct Case {
        DisplayOp op;
        bool fullScreen;
        const char* text;
    };
    const Case cases[] = {
        {DisplayOp::Create, true, "DirectDrawCreate FAILED"},
        {DisplayOp::CooperativeLevel, true, "SetCooperativeLevel FAILED"},
        {DisplayOp::QueryInterface, true, "QueryInterface FAILED"},
        {DisplayOp::DisplayMode, true, "SetDisplayMode FAILED"},
        {DisplayOp::CreatePrimary, true, "CreateSurface (primary) FAILED"},
        {DisplayOp::GetAttachedSurface, true, "GetAttachedSurface FAILED"},
        {DisplayOp::CreateOffscreen, false, "CreateSurface (backbuffer) FAILED"},
        {DisplayOp::CreateClipper, false, "CreateClipper FAILED"},
        {DisplayOp::ClipperSetWindow, false, "Clipper->SetHWnd FAILED"},
        {DisplayOp::CreateOffscreen, true, "CreateSurface (fadeBackbuffer) FAILED"},
    };
    for (const Case& c : cases) {
        HeadlessDisplay display;
        platform::DisplayDevice::FailNext(c.op, platform::DDERR_GENERIC);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(DirectDraw::Instance().Init(nullptr, 800, 600, 16, c.fullScreen)) << c.text;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string("ERROR: ") + c.text + "\n");
        EXPECT_FALSE(DirectDraw::Instance().IsInitialized());
    }
}

TEST(DirectDraw, AFailedPixelFormatReadQuitsWithExitCodeOne) {
    HeadlessDisplay display;
    platform::DisplayDevice::FailNext(DisplayOp::Lock, platform::DDERR_GENERIC);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(DirectDraw::Instance().Init(nullptr, 800, 600, 16, true));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("pixel format"), std::string::npos);
    EXPECT_TRUE(platform::IsQuitPosted());
    EXPECT_EQ(platform::GetQuitExitCode(), 1);
}

TEST(DirectDraw, TransitionRectangles) {
    struct Case {
        int kind;
        float t;
        DisplayRect source, destination;
    };
    const Case cases[] = {
        {DirectDraw::kZoom, 0.0f, {0, 0, 800, 600}, {399, 299, 401, 301}},
        {DirectDraw::kZoom, 0.25f, {0, 0, 800, 600}, {300, 225, 500, 375}},
        {DirectDraw::kZoom, 1.0f, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {DirectDraw::kSlideFromRight, 0.0f, {0, 0, 1, 600}, {799, 0, 800, 600}},
        {DirectDraw::kSlideFromRight, 0.25f, {0, 0, 400, 600}, {400, 0, 800, 600}},
        {DirectDraw::kSlideFromRight, 1.0f, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {DirectDraw::kSlideFromLeft, 0.0f, {799, 0, 800, 600}, {0, 0, 1, 600}},
        {DirectDraw::kSlideFromLeft, 0.25f, {400, 0, 800, 600}, {0, 0, 400, 600}},
        {DirectDraw::kSlideFromLeft, 1.0f, {0, 0, 800, 600}, {0, 0, 800, 600}},
        // Past the end (the last frame of a transition) the picture is whole.
        {DirectDraw::kZoom, 1.2f, {0, 0, 800, 600}, {0, 0, 800, 600}},
    };
    for (const Case& c : cases) {
        const DirectDraw::TransitionRects rects = DirectDraw::ComputeTransition(c.kind, c.t, 800, 600);
        EXPECT_EQ(rects.source, c.source) << "kind " << c.kind << " t " << c.t;
        EXPECT_EQ(rects.destination, c.destination) << "kind " << c.kind << " t " << c.t;
    }
}

TEST(DirectDraw, ATransitionDrawsIntoTheFadeBufferAndSpansAtLeastSixFrames) {
    HeadlessDisplay display;
    DirectDraw& dd = DirectDraw::Instance();
    ASSERT_EQ(dd.GetBackBuffer()->ColorFill(nullptr, 0x001F), platform::DD_OK);  // the old screen: blue
    dd.StartTransition(true);
    EXPECT_EQ(dd.GetTransitionKind(), DirectDraw::kZoom);
    EXPECT_FLOAT_EQ(dd.GetTransitionDuration(), 0.5f);
    ASSERT_EQ(dd.GetDrawTarget(), dd.GetFadeBuffer());
    ASSERT_EQ(dd.GetFadeBuffer()->ColorFill(nullptr, 0xF800), platform::DD_OK);  // the new screen: red
    int frames = 0;
    platform::SetPresentHook([&](const platform::FrameView&) { ++frames; });
    while (dd.IsTransitionActive() && frames < 100) {
        dd.AdvanceTransition(0.3f);  // a slow frame still advances by 0.1 s only
        dd.Present();
    }
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(dd.GetDrawTarget(), dd.GetBackBuffer());
    // The last frame was composed whole: the new screen is on the front picture.
    EXPECT_EQ(Pixel16(*dd.GetPrimary(), 0, 0), 0xF800);
    EXPECT_EQ(Pixel16(*dd.GetPrimary(), 799, 599), 0xF800);
}

TEST(DirectDraw, MidwayTheOldPictureSurroundsTheZoomedNewOne) {
    HeadlessDisplay display;
    DirectDraw& dd = DirectDraw::Instance();
    ASSERT_EQ(dd.GetBackBuffer()->ColorFill(nullptr, 0x001F), platform::DD_OK);
    dd.StartTransition(true);
    ASSERT_EQ(dd.GetFadeBuffer()->ColorFill(nullptr, 0xF800), platform::DD_OK);
    // Two frames, so the picture on the front was composed on the other buffer of the chain.
    for (int i = 0; i < 2; ++i) {
        dd.AdvanceTransition(0.0625f);  // t = 0.25 after the second
        dd.Present();
    }
    const platform::DisplaySurface& front = *dd.GetPrimary();
    EXPECT_EQ(Pixel16(front, 299, 224), 0x001F);
    EXPECT_EQ(Pixel16(front, 300, 225), 0xF800);
    EXPECT_EQ(Pixel16(front, 499, 374), 0xF800);
    EXPECT_EQ(Pixel16(front, 500, 375), 0x001F);
}

TEST(DirectDraw, PresentHandsTheBackBufferToTheScreenAndReportsLoss) {
    HeadlessDisplay display;
    DirectDraw& dd = DirectDraw::Instance();
    ASSERT_EQ(dd.GetBackBuffer()->ColorFill(nullptr, 0x07E0), platform::DD_OK);
    uint16_t shown = 0;
    platform::SetPresentHook([&](const platform::FrameView& frame) {
        std::memcpy(&shown, static_cast<const uint8_t*>(frame.pixels) + frame.pitch * 599 + 799 * 2, 2);
    });
    dd.Present();
    EXPECT_EQ(shown, 0x07E0);

    SpriteManager::Instance().CheckInvalidSprites();
    dd.GetDevice()->LoseAllSurfaces();
    dd.Present();
    EXPECT_TRUE(SpriteManager::Instance().IsRestoreRequested());
    dd.RestoreSurfaces();
    for (auto* s : {dd.GetPrimary(), dd.GetBackBuffer(), dd.GetFadeBuffer()}) EXPECT_FALSE(s->IsLost());
    SpriteManager::Instance().CheckInvalidSprites();
    EXPECT_FALSE(SpriteManager::Instance().IsRestoreRequested());
}

TEST(DirectDraw, AFailedFlipIsRetried) {
    HeadlessDisplay display;
    platform::DisplayDevice::FailNext(DisplayOp::Flip, platform::DDERR_WASSTILLDRAWING);
    int frames = 0;
    platform::SetPresentHook([&](const platform::FrameView&) { ++frames; });
    DirectDraw::Instance().Present();  // retried: the second flip goes through
    EXPECT_EQ(frames, 1);
}

TEST(DirectDraw, WindowModeTakesTheDesktopDepthAndBlitsOntoTheWindow) {
    HeadlessDisplay display;
    platform::DisplayDevice::SetDesktopBitsPerPixel(32);
    DirectDraw& dd = DirectDraw::Instance();
    ASSERT_TRUE(dd.Init(nullptr, 800, 600, 16, false));
    EXPECT_EQ(dd.GetBitsPerPixel(), 32);
    EXPECT_EQ(dd.GetPixelFormat().redShift, 16);
    ASSERT_EQ(dd.GetBackBuffer()->ColorFill(nullptr, 0x123456), platform::DD_OK);
    uint32_t shown = 0;
    platform::SetPresentHook([&](const platform::FrameView& frame) {
        std::memcpy(&shown, static_cast<const uint8_t*>(frame.pixels) + frame.pitch * 10 + 10 * 4, 4);
    });
    dd.Present();
    EXPECT_EQ(shown, 0x123456u);
}

}  // namespace
