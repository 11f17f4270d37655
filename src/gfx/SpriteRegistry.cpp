#include "gfx/SpriteRegistry.h"

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "gfx/SpriteManager.h"

namespace {

constexpr bool kKeyed = true;
constexpr bool kFixed = false;

// Columns: name, kind, frames, duration (keyed or fixed), trim, mirrored variant, loop. The road
// vehicles' own sprites come from the object kind table.
constexpr SpriteRegistration kRegistrations[] = {
    {"PROGRESS_BAR", SpriteKind::Still, 1, kFixed, true, false, false},
    {"INVISIBLE_OBJECT", SpriteKind::Animated, 1, kKeyed, false, true, false},
    {"CURSOR", SpriteKind::Still, 1, kFixed, true, false, false},
    {"CURSOR_DOWN", SpriteKind::Still, 1, kFixed, true, false, false},
    {"TITLE_MENU", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"HIGH_SCORE", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"HELP", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"CREDITS", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"CREDITS_MASK", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"PRELOAD", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"CHECK_MUSIC", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"CHECK_SHADOW", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"LOGO_ZEL", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"LOGO_KESTREL", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_START_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_HELP_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_HIGH_SCORE_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_EXIT_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_MUSIC_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_SHADOW_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_BACK_HELP_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_CREDITS_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"BUTTON_BACK_CREDITS_HIGH_LIGHT", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"WATER_LILY_GOAL", SpriteKind::Still, 1, kFixed, false, false, false},
    {"HUD_FONT", SpriteKind::Still, 1, kFixed, false, false, false},
    {"SCORE_FONT", SpriteKind::Still, 1, kFixed, false, false, false},
    {"STAR", SpriteKind::Still, 1, kFixed, true, false, false},
    {"STAR_TRUCK", SpriteKind::Animated, 30, kKeyed, true, false, true},
    {"FROG_HEAD", SpriteKind::Still, 1, kFixed, true, false, false},
    {"FROG_TO_GOAL", SpriteKind::Still, 1, kFixed, true, false, false},
    {"FROG_TO_GOAL_LEFT", SpriteKind::Still, 1, kFixed, true, false, false},
    {"ROAD_TOP_LAYER_00", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_01", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_02", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"TOP_LAYER_00", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_03", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"TOP_LAYER_01", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"TOP_LAYER_02", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_04", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_05", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"ROAD_TOP_LAYER_06", SpriteKind::RunLength, 1, kFixed, false, false, false},
    {"SHADOW_SMALL_CAR", SpriteKind::Shadow, 1, kFixed, true, true, false},
    {"SHADOW_RAGTOP", SpriteKind::Shadow, 1, kFixed, true, true, false},
    {"SHADOW_TRUCK", SpriteKind::Shadow, 1, kFixed, true, true, false},
    {"FROG_LEG", SpriteKind::RunLength, 13, kKeyed, true, true, false},
    {"FROG_IDLE", SpriteKind::Animated, 10, kKeyed, true, false, true},
    {"FROG_IN_GOAL", SpriteKind::Still, 1, kFixed, false, false, false},
    {"FROG_MOVE_UP", SpriteKind::Animated, 24, kKeyed, true, false, false},
    {"FROG_MOVE_UP_TRUCK_UP", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_MOVE_UP_TRUCK_DOWN", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_MOVE_DOWN", SpriteKind::Animated, 25, kKeyed, true, false, false},
    {"FROG_MOVE_DOWN_TRUCK_DOWN", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_MOVE_LEFT", SpriteKind::Animated, 18, kKeyed, true, false, false},
    {"FROG_MOVE_RIGHT", SpriteKind::Animated, 19, kKeyed, true, false, false},
    {"FROG_ROCKET_JUMP", SpriteKind::Animated, 27, kKeyed, true, false, false},
    {"FROG_ROCKET_JUMP_BOARDING", SpriteKind::Animated, 27, kKeyed, true, false, false},
    {"FROG_CATCH_INSECT", SpriteKind::Animated, 25, kKeyed, true, false, false},
    {"FROG_PIERCED", SpriteKind::Animated, 29, kKeyed, true, false, false},
    {"FROG_FINISH", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_KNOCKED_OVER", SpriteKind::Animated, 3, kKeyed, true, false, false},
    {"FROG_DROWN", SpriteKind::Animated, 23, kKeyed, true, false, false},
    {"FROG_KILL_TRUCK_LEFT", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_KILL_TRUCK_RIGHT", SpriteKind::Animated, 22, kKeyed, true, false, false},
    {"FROG_KILL_BOX_DROWN", SpriteKind::Animated, 20, kKeyed, true, false, false},
    {"FROG_KILL_BOX_HAMMER", SpriteKind::Animated, 20, kKeyed, true, false, false},
    {"FROG_KILL_BOX_RED_BUTTON", SpriteKind::Animated, 24, kKeyed, true, false, false},
    {"FROG_KILL_BOX_BOMB", SpriteKind::Animated, 14, kKeyed, true, false, false},
    {"FROG_KILL_PIRANHA", SpriteKind::Animated, 16, kKeyed, true, false, false},
    {"FROG_SHOW_DOWN_WAIT", SpriteKind::Animated, 1, kKeyed, true, false, false},
    {"EXPLOSION", SpriteKind::Animated, 14, kKeyed, true, false, false},
    {"INSECT_BIG_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_BIG_BUG_PIERCING", SpriteKind::Animated, 6, kKeyed, true, false, false},
    {"INSECT_BUSINESS_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_BUTTERFLY_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_NEWS_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_TAXI_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_TAXI_BUG_PIERCING", SpriteKind::Animated, 6, kKeyed, true, false, false},
    {"INSECT_TOOL_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"INSECT_VOYAGER_BUG_FLY_LEFT", SpriteKind::Animated, 12, kKeyed, true, true, true},
    {"BARREL_SWIMMING", SpriteKind::Animated, 8, kKeyed, true, false, true},
    {"BOX_SWIMMING", SpriteKind::Animated, 7, kKeyed, true, false, true},
    {"BOX_DROWN_KILL", SpriteKind::RunLength, 17, kKeyed, true, false, false},
    {"BOX_HAMMER_KILL", SpriteKind::RunLength, 23, kKeyed, true, false, false},
    {"HAMMER_DOWN", SpriteKind::RunLength, 16, kKeyed, true, false, false},
    {"HIPPO_SWIMMING", SpriteKind::Animated, 8, kKeyed, true, true, true},
    {"HIPPO_DIVING", SpriteKind::RunLength, 14, kKeyed, true, true, false},
    {"TRUNK_SWIMMING", SpriteKind::Animated, 9, kKeyed, true, false, true},
    {"WATER_LILY_SWIMMING", SpriteKind::Animated, 1, kKeyed, true, false, true},
    {"WATER_LILY_DIVING", SpriteKind::RunLength, 11, kKeyed, true, false, false},
    {"BOX_RED_BUTTON_KILL", SpriteKind::RunLength, 28, kKeyed, true, false, false},
    {"BOX_BOMB_KILL", SpriteKind::RunLength, 17, kKeyed, true, false, false},
    {"PIRANHA_SWIMMING", SpriteKind::Animated, 8, kKeyed, true, true, true},
};

constexpr const char* kIntervalSuffix = "Interval";

}  // namespace

std::span<const SpriteRegistration> SpriteRegistrations() { return kRegistrations; }

std::string DurationKey(const std::string& normalisedName) { return normalisedName + kIntervalSuffix; }

bool RegisterSprites(SpriteManager& manager, std::span<const SpriteRegistration> rows) {
    for (const SpriteRegistration& row : rows) {
        SpriteSpec spec;
        spec.name = MakeAssetKey(row.name);
        spec.kind = row.kind;
        spec.frameCount = row.frameCount;
        spec.duration =
            row.keyedDuration ? SettingsManager::Instance().GetFloat(DurationKey(spec.name)) : kFixedSpriteDuration;
        spec.trim = row.trim;
        spec.hasMirrored = row.hasMirrored;
        spec.loop = row.loop;
        manager.RegisterSpec(spec);
    }
    return true;
}
