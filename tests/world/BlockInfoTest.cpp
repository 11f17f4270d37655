#include "world/BlockInfo.h"

#include <gtest/gtest.h>

#include <memory>

#include "world/objects/InvisibleBlockObject.h"

TEST(BlockInfo, AnswersOnlyForLiveBlockers) {
    BlockInfo& blocks = BlockInfo::Instance();
    blocks.ClearBlockers();
    EXPECT_FALSE(blocks.IsBlocked(0, 0));
    {
        InvisibleBlockObject blocker("ArbitraryObject");
        blocker.SetBlockRect(220, 262, 40, 75);
        EXPECT_TRUE(blocks.IsBlocked(200, 225));  // the corner counts
        EXPECT_TRUE(blocks.IsBlocked(240, 299));
        EXPECT_FALSE(blocks.IsBlocked(241, 262));
        EXPECT_FALSE(blocks.IsBlocked(220, 300));
        EXPECT_TRUE(blocks.IsBlockedAfter(220, 262, 5.0f));
    }
    EXPECT_FALSE(blocks.IsBlocked(220, 262));
    EXPECT_EQ(blocks.Count(), 0u);
}

TEST(BlockInfo, ClearForgetsWithoutTouchingTheBlockers) {
    BlockInfo& blocks = BlockInfo::Instance();
    blocks.ClearBlockers();
    auto blocker = std::make_unique<InvisibleBlockObject>("ArbitraryObject");
    blocker->SetBlockRect(10, 10, 4, 4);
    blocks.ClearBlockers();
    EXPECT_FALSE(blocks.IsBlocked(10, 10));
    blocker.reset();  // unregistering an unknown blocker is harmless
    EXPECT_EQ(blocks.Count(), 0u);
}
