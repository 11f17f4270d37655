#include "world/objects/ObjectKinds.h"

#include <iterator>
#include <vector>

namespace {

constexpr ObjectKind kKinds[] = {
    {.kind = KIND_RAGTOP_OPEN,
     .family = KindFamily::Car,
     .name = "RagtopOpen",
     .extentPrefix = "ragTopOpen",
     .offsetPrefix = "ragtopOpen",
     .shadowPrefix = "ragtop",
     .driveSprite = "RAGTOP_OPEN_DRIVE",
     .driveFrames = 6,
     .shadowSprite = "SHADOW_RAGTOP",
     .crashSound = "SOUND_RAGTOP_OPEN_CRASH"},
    {.kind = KIND_RAGTOP_CLOSED,
     .family = KindFamily::Car,
     .name = "RagtopClosed",
     .extentPrefix = "ragTopClosed",
     .offsetPrefix = "ragtopClosed",
     .shadowPrefix = "ragtop",
     .driveSprite = "RAGTOP_CLOSED_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_RAGTOP",
     .crashSound = "SOUND_RAGTOP_CLOSED_CRASH"},
    {.kind = KIND_SMALL_CAR,
     .family = KindFamily::Car,
     .name = "SmallCar",
     .extentPrefix = "smallCar",
     .offsetPrefix = "smallCar",
     .shadowPrefix = "smallCar",
     .driveSprite = "SMALL_CAR_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_SMALL_CAR",
     .crashSound = "SOUND_SMALL_CAR_CRASH"},
    {.kind = KIND_TRUCK_GARBAGE,
     .family = KindFamily::Truck,
     .name = "Truck",
     .firstArea = 0,
     .extentPrefix = "truck",
     .offsetPrefix = "truckGarbage",
     .shadowPrefix = "truck",
     .driveSprite = "TRUCK_GARBAGE_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_TRUCK",
     .crashSound = "SOUND_TRUCK_CRASH",
     .killSprite = "TRUCK_GARBAGE_KILL",
     .killFrames = 6,
     .killCommand = FS_KILL_TRUCK_GARBAGE,
     .frogOffsetKey = "truckGarbageFrogOffsetX",
     .frogKillSound = "SOUND_FROG_KILL_GARBAGE"},
    {.kind = KIND_TRUCK_CHEZ_FRED,
     .family = KindFamily::Truck,
     .name = "Truck",
     .firstArea = 1,
     .extentPrefix = "truck",
     .offsetPrefix = "truckChezFred",
     .shadowPrefix = "truck",
     .driveSprite = "TRUCK_CHEZ_FRED_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_TRUCK",
     .crashSound = "SOUND_TRUCK_CRASH",
     .killSprite = "TRUCK_CHEZ_FRED_KILL",
     .killFrames = 9,
     .killCommand = FS_KILL_TRUCK_CHEZ_FRED,
     .frogOffsetKey = "truckChezFredFrogOffsetX",
     .frogKillSound = "SOUND_FROG_KILL_CHEZ_FRED"},
    {.kind = KIND_TRUCK_ELECTRIC,
     .family = KindFamily::Truck,
     .name = "Truck",
     .firstArea = 1,
     .extentPrefix = "truck",
     .offsetPrefix = "truckElectric",
     .shadowPrefix = "truck",
     .driveSprite = "TRUCK_ELECTRIC_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_TRUCK",
     .crashSound = "SOUND_TRUCK_CRASH",
     .killSprite = "TRUCK_ELECTRIC_KILL",
     .killFrames = 31,
     .killCommand = FS_KILL_TRUCK_ELECTRIC,
     .frogOffsetKey = "truckElectricFrogOffsetX",
     .frogKillSound = "SOUND_FROG_KILL_ELECTRIC",
     .frogKillSprite = "INVISIBLE_OBJECT"},
    {.kind = KIND_TRUCK_AQUARIUM,
     .family = KindFamily::Truck,
     .name = "Truck",
     .firstArea = 2,
     .extentPrefix = "truck",
     .offsetPrefix = "truckAquarium",
     .shadowPrefix = "truck",
     .driveSprite = "TRUCK_AQUARIUM_DRIVE",
     .driveFrames = 5,
     .shadowSprite = "SHADOW_TRUCK",
     .crashSound = "SOUND_TRUCK_CRASH",
     .killSprite = "TRUCK_AQUARIUM_KILL",
     .killFrames = 45,
     .killCommand = FS_KILL_TRUCK_AQUARIUM,
     .frogOffsetKey = "truckAquariumFrogOffsetX",
     .frogKillSound = "SOUND_FROG_KILL_AQUARIUM",
     .frogKillSprite = "INVISIBLE_OBJECT"},
    {.kind = KIND_TRUCK_CEMENT_MIXER,
     .family = KindFamily::Truck,
     .name = "Truck",
     .firstArea = 2,
     .extentPrefix = "truck",
     .offsetPrefix = "truckCementMixer",
     .shadowPrefix = "truck",
     .driveSprite = "TRUCK_CEMENT_MIXER_DRIVE",
     .driveFrames = 3,
     .shadowSprite = "SHADOW_TRUCK",
     .crashSound = "SOUND_TRUCK_CRASH",
     .killSprite = "TRUCK_CEMENT_MIXER_KILL",
     .killFrames = 14,
     .killCommand = FS_KILL_TRUCK_CEMENT_MIXER,
     .frogOffsetKey = "truckCementMixerFrogOffsetX",
     .frogKillSound = "SOUND_FROG_KILL_CEMENT_MIXER",
     .killOverlaySprite = "FROG_LEG"},
    {.kind = KIND_TRUNK, .family = KindFamily::Trunk, .name = "Trunk"},
    {.kind = KIND_BARREL, .family = KindFamily::Barrel, .name = "Barrel"},
    {.kind = KIND_HIPPO, .family = KindFamily::Hippo, .name = "Hippo"},
    {.kind = KIND_WATER_LILY, .family = KindFamily::WaterLily, .name = "WaterLily"},
    {.kind = KIND_BOX_HAMMER,
     .family = KindFamily::Box,
     .name = "BoxHammer",
     .killSprite = "BOX_HAMMER_KILL",
     .killCommand = FS_KILL_BOX_HAMMER},
    {.kind = KIND_BOX_RED_BUTTON,
     .family = KindFamily::Box,
     .name = "BoxRedButton",
     .killSprite = "BOX_RED_BUTTON_KILL",
     .killCommand = FS_KILL_BOX_RED_BUTTON},
    {.kind = KIND_BOX_BOMB,
     .family = KindFamily::Box,
     .name = "BoxBomb",
     .killSprite = "BOX_BOMB_KILL",
     .killCommand = FS_KILL_BOX_BOMB},
};

constexpr bool InKindOrder() {
    for (size_t i = 0; i < std::size(kKinds); ++i) {
        if (kKinds[i].kind != static_cast<int>(i)) return false;
    }
    return true;
}
static_assert(InKindOrder(), "the kind table is indexed by kind number");

// A road vehicle's row names its driving animation, a truck's also its kill animation, each with
// its frame count: the sprite catalogue registers them from here.
constexpr bool VehicleSpritesNamed() {
    for (const ObjectKind& record : kKinds) {
        const bool truck = record.family == KindFamily::Truck;
        if (!truck && record.family != KindFamily::Car) continue;
        if (record.driveSprite == nullptr || record.driveFrames <= 0) return false;
        if (truck && (record.killSprite == nullptr || record.killFrames <= 0)) return false;
    }
    return true;
}
static_assert(VehicleSpritesNamed(), "every road vehicle's row needs its sprites with their frame counts");

}  // namespace

std::span<const ObjectKind> ObjectKinds() { return kKinds; }

const ObjectKind* FindObjectKind(int kind) {
    if (kind < 0 || kind >= static_cast<int>(std::size(kKinds))) return nullptr;
    return &kKinds[kind];
}

bool IsKindOf(int kind, KindFamily family) {
    const ObjectKind* record = FindObjectKind(kind);
    return record != nullptr && record->family == family;
}

std::span<const SpriteRegistration> KindSpriteRegistrations() {
    static const std::vector<SpriteRegistration> rows = [] {
        constexpr bool kKeyed = true;
        constexpr bool kTrim = true;
        constexpr bool kMirrored = true;
        std::vector<SpriteRegistration> built;
        for (const ObjectKind& record : kKinds) {
            if (record.driveSprite != nullptr) {
                built.push_back({record.driveSprite, SpriteKind::Animated, record.driveFrames, kKeyed, kTrim, kMirrored,
                                 /*loop=*/true});
            }
            if (record.family == KindFamily::Truck) {
                built.push_back({record.killSprite, SpriteKind::RunLength, record.killFrames, kKeyed, kTrim, kMirrored,
                                 /*loop=*/false});
            }
        }
        return built;
    }();
    return rows;
}
