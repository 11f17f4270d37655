#include "gfx/SpriteRegistry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SpriteTestSupport.h"
#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"

namespace {

using spritetest::DataFolder;

TEST(SpriteRegistry, TableOrderAndRows) {
    const auto rows = SpriteRegistrations();
    ASSERT_EQ(rows.size(), 93u);
    EXPECT_STREQ(rows.front().name, "PROGRESS_BAR");
    EXPECT_STREQ(rows[32].name, "ROAD_TOP_LAYER_00");
    EXPECT_STREQ(rows[35].name, "TOP_LAYER_00");
    EXPECT_STREQ(rows[36].name, "ROAD_TOP_LAYER_03");
    EXPECT_STREQ(rows.back().name, "PIRANHA_SWIMMING");
    // Every name is distinct once normalised, so no row hides another.
    std::set<std::string> keys;
    for (const auto& row : rows) EXPECT_TRUE(keys.insert(MakeAssetKey(row.name)).second) << row.name;
}

TEST(SpriteRegistry, RegistersEverySpecWithKeyedDurations) {
    platform::SetHeadless(true);
    DataFolder data("registry");
    std::string config;
    for (const auto& row : SpriteRegistrations()) {
        if (row.keyedDuration) config += DurationKey(MakeAssetKey(row.name)) + " 0.5\n";
    }
    config = "frogidleInterval 0.75\n" + config;  // the first occurrence wins
    data.WriteText("config.txt", config);
    FileLoader::SetDataRoot(data.Path());
    FileLoader::Instance().Reinitialize();
    SettingsManager::Instance().Clear();
    ASSERT_TRUE(SettingsManager::Instance().Load("data\\config.txt"));

    SpriteManager& m = SpriteManager::Instance();
    m.Clear();
    ASSERT_TRUE(RegisterSprites(m, SpriteRegistrations()));
    EXPECT_EQ(m.SpecCount(), 93u);
    EXPECT_TRUE(SettingsManager::Instance().ProblemKeys().empty());

    struct Case {
        const char* key;
        SpriteKind kind;
        int frames;
        float duration;
        bool trim, mirrored, loop;
    };
    const Case cases[] = {
        {"progressbar", SpriteKind::Still, 1, 1.0f, true, false, false},
        {"invisibleobject", SpriteKind::Animated, 1, 0.5f, false, true, false},
        {"titlemenu", SpriteKind::RunLength, 1, 1.0f, false, false, false},
        {"frogidle", SpriteKind::Animated, 10, 0.75f, true, false, true},
        {"shadowtruck", SpriteKind::Shadow, 1, 1.0f, true, true, false},
        {"piranhaswimming", SpriteKind::Animated, 8, 0.5f, true, true, true},
    };
    for (const Case& c : cases) {
        const SpriteSpec* spec = m.FindSpec(c.key);
        ASSERT_NE(spec, nullptr) << c.key;
        EXPECT_EQ(spec->kind, c.kind) << c.key;
        EXPECT_EQ(spec->frameCount, c.frames) << c.key;
        EXPECT_FLOAT_EQ(spec->duration, c.duration) << c.key;
        EXPECT_EQ(spec->trim, c.trim) << c.key;
        EXPECT_EQ(spec->hasMirrored, c.mirrored) << c.key;
        EXPECT_EQ(spec->loop, c.loop) << c.key;
    }
    m.Clear();
    SettingsManager::Instance().Clear();
}

}  // namespace
