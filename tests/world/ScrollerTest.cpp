#include "world/Scroller.h"

#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using worldtest::TestContext;
using worldtest::UseConfig;

namespace {
// 20 rows of 75 units: a backdrop of 1575 units, so the view scrolls up to 975.
class ScrollerTest : public testing::Test {
protected:
    void SetUp() override {
        UseConfig({{"numVisibleAreas", "3"}, {"gridHeightUnits", "1200"}, {"numAreas", "7"}, {"areaType06", "0"}});
        game.BuildLevel();
    }
    TestContext game;
    Scroller& scroller = game.world.GetScroller();
};
}  // namespace

TEST_F(ScrollerTest, TheTargetFollowsTheFrogTwoCellsBelowAndStaysInRange) {
    ASSERT_EQ(game.world.GetGrid().HeightUnits(), 1200);
    EXPECT_EQ(scroller.MaxScrollY(), 1200 + 75 - 600);
    struct Case {
        int frogY, target;
    };
    const Case cases[] = {{500, 350}, {100, 0}, {150, 0}, {1199, 675}, {2000, 675}};
    for (const Case& c : cases) {
        scroller.FollowFrog({123, c.frogY});
        EXPECT_EQ(scroller.GetTarget(), (IntPoint{0, c.target})) << c.frogY;
    }
    scroller.ScrollToTop();
    EXPECT_EQ(scroller.GetTarget(), (IntPoint{0, 600}));
    scroller.ResetScrollTarget();
    EXPECT_EQ(scroller.GetTarget(), (IntPoint{0, 0}));
}

TEST_F(ScrollerTest, ASmallStepIsApproachedFasterAndFasterAndReachedExactly) {
    scroller.SetAcceleration(100.0f);
    scroller.SetScrollTarget(0, 10);
    float lastY = 0.0f;
    float lastStep = 0.0f;
    int frames = 0;
    while (scroller.GetPosition().y != 10.0f && frames < 500) {
        scroller.UpdateScroll(0.02f);
        const float step = scroller.GetPosition().y - lastY;
        if (frames < 5) {
            EXPECT_GT(step, lastStep);
        }
        EXPECT_LE(scroller.GetPosition().y, 10.0f + 1.0f);
        lastStep = step;
        lastY = scroller.GetPosition().y;
        ++frames;
    }
    EXPECT_FLOAT_EQ(scroller.GetPosition().y, 10.0f);
    EXPECT_FLOAT_EQ(scroller.GetVelocity().y, 0.0f);
    EXPECT_LT(frames, 500);
}

TEST_F(ScrollerTest, ALongScrollBrakesAndNeverPassesTheTop) {
    scroller.SetAcceleration(1400.0f);
    scroller.SetScrollTarget(0, 5000);
    float maxY = 0.0f;
    for (int i = 0; i < 500; ++i) {
        scroller.UpdateScroll(0.02f);
        maxY = std::max(maxY, scroller.GetPosition().y);
    }
    EXPECT_LE(maxY, 675.0f);
    EXPECT_FLOAT_EQ(scroller.GetPosition().y, 675.0f);
    // Down again: braking keeps it from overshooting the bottom.
    scroller.ResetScrollTarget();
    for (int i = 0; i < 500; ++i) {
        scroller.UpdateScroll(0.02f);
        EXPECT_GE(scroller.GetPosition().y, 0.0f);
    }
    EXPECT_FLOAT_EQ(scroller.GetPosition().y, 0.0f);
}
