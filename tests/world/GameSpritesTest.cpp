#include "world/GameSprites.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "core/StringUtil.h"
#include "world/objects/ObjectKinds.h"

namespace {

const SpriteRegistration* Find(std::string_view name) {
    for (const SpriteRegistration& row : KindSpriteRegistrations()) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

TEST(GameSprites, TheCatalogueTableThenTheKindsSpritesEachNameOnce) {
    const auto rows = GameSpriteRegistrations();
    ASSERT_EQ(rows.size(), SpriteRegistrations().size() + KindSpriteRegistrations().size());
    EXPECT_STREQ(rows.front().name, SpriteRegistrations().front().name);
    EXPECT_STREQ(rows.back().name, KindSpriteRegistrations().back().name);
    std::set<std::string> keys;
    for (const auto& row : rows) EXPECT_TRUE(keys.insert(MakeAssetKey(row.name)).second) << row.name;
}

TEST(GameSprites, EveryRoadVehicleRegistersItsDrivingAndATrucksKillAnimation) {
    // A driving animation per road vehicle and a kill animation per truck, and nothing else.
    size_t expected = 0;
    for (const ObjectKind& record : ObjectKinds()) {
        const bool truck = record.family == KindFamily::Truck;
        if (!truck && record.family != KindFamily::Car) {
            EXPECT_EQ(record.driveSprite, nullptr) << record.name;
            continue;
        }
        expected += truck ? 2 : 1;
        EXPECT_NE(Find(record.driveSprite), nullptr) << record.driveSprite;
        if (truck) {
            EXPECT_NE(Find(record.killSprite), nullptr) << record.killSprite;
        }
    }
    EXPECT_EQ(KindSpriteRegistrations().size(), expected);

    struct Case {
        const char* name;
        SpriteKind kind;
        int frames;
        bool loop;
    };
    const Case cases[] = {
        {"RAGTOP_OPEN_DRIVE", SpriteKind::Animated, 6, true},
        {"SMALL_CAR_DRIVE", SpriteKind::Animated, 3, true},
        {"TRUCK_AQUARIUM_DRIVE", SpriteKind::Animated, 5, true},
        {"TRUCK_AQUARIUM_KILL", SpriteKind::RunLength, 45, false},
        {"TRUCK_ELECTRIC_KILL", SpriteKind::RunLength, 31, false},
    };
    for (const Case& c : cases) {
        const SpriteRegistration* row = Find(c.name);
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->kind, c.kind) << c.name;
        EXPECT_EQ(row->frameCount, c.frames) << c.name;
        EXPECT_TRUE(row->keyedDuration) << c.name;
        EXPECT_TRUE(row->trim) << c.name;
        EXPECT_TRUE(row->hasMirrored) << c.name << ": vehicles drive either way";
        EXPECT_EQ(row->loop, c.loop) << c.name;
    }
}

}  // namespace
