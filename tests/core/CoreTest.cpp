#include <gtest/gtest.h>

#include "core/Randomizer.h"
#include "core/StringUtil.h"

TEST(StringUtil, MakeAssetKeyRemovesUnderscoresAndLowersAsciiOnly) {
    struct Case {
        const char* name;
        const char* key;
    };
    const Case cases[] = {
        {"SOUND_THEME", "soundtheme"}, {"FROG_MOVE_UP", "frogmoveup"}, {"TOP_LAYER_00", "toplayer00"}, {"__", ""},
        {"\xC4_X", "\xC4x"},  // Latin-1 letters are not ASCII and stay as they are
    };
    for (const Case& c : cases) EXPECT_EQ(MakeAssetKey(c.name), c.key) << c.name;
}

TEST(StringUtil, IndexedKeyPadsToTwoDigits) {
    EXPECT_EQ(IndexedKey("areaType", 3), "areaType03");
    EXPECT_EQ(IndexedKey("areaType", 12), "areaType12");
    EXPECT_EQ(StringFormat("trackSpeed_%02d_%02d", 3, 1), "trackSpeed_03_01");
}

TEST(Randomizer, FixedFormulaReplaysFromSeed) {
    Randomizer& r = Randomizer::Instance();
    r.Seed(1);
    // state = 1 * 214013 + 2531011 = 2745024 → (2745024 >> 16) & 0x7fff = 41
    EXPECT_EQ(r.Next(), 41);
    const int second = r.Next();
    r.Seed(1);
    EXPECT_EQ(r.Next(), 41);
    EXPECT_EQ(r.Next(), second);
}

TEST(Randomizer, RangeStaysInsideBothEnds) {
    Randomizer& r = Randomizer::Instance();
    r.Seed(7);
    bool sawMin = false, sawMax = false;
    for (int i = 0; i < 2000; ++i) {
        const int v = r.Range(-2, 2);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 2);
        sawMin |= v == -2;
        sawMax |= v == 2;
    }
    EXPECT_TRUE(sawMin && sawMax);
    EXPECT_EQ(r.Range(5, 4), 5);
}
