#include "game/SoundList.h"

#include <array>
#include <iterator>
#include <string_view>
#include <vector>

#include "world/objects/ObjectKinds.h"

namespace {

// The effects no object kind names; the kinds' crash and kill sounds follow them.
constexpr const char* kEffects[] = {
    "SOUND_HIGHSCORE",
    "SOUND_FROG_DROWN",
    "SOUND_FROG_EAT",
    "SOUND_FROG_MOVE",
    "SOUND_FROG_JUMP",
    "SOUND_FROG_KNOCKED_OVER",
    "SOUND_FROG_BLOCKED_MOVE",
    "SOUND_FROG_PICK_STAR",
    "SOUND_FROG_PIERCED",
    "SOUND_FROG_IDLE",
    "SOUND_LEVEL_FINISHED",
    "SOUND_LEVEL_FINISHED_FULL_LEVEL",
    "SOUND_MENU_BUTTON_CLICK",
    "SOUND_GAME_OVER",
    "SOUND_BONUS_LIFE",
    "SOUND_LOSE_LIFE",
    "SOUND_COUNT_DOWN",
    "SOUND_FROG_KILL_BOX_DROWN",
    "SOUND_FROG_KILL_BOX_HAMMER",
    "SOUND_TRUCK_BREAK",
    "SOUND_DIVE",
    "SOUND_HIPPO_ANGRY",
    "SOUND_FROG_KILL_BOX_RED_BUTTON",
    "SOUND_FROG_KILL_BOX_BOMB",
    "SOUND_FROG_KILL_PIRANHA",
};

constexpr std::array<const char*, 5> kStreamed{
    "SOUND_THEME",
    "SOUND_AMBIENT_RIVER",
    "SOUND_AMBIENT_ROAD",
    "SOUND_AMBIENT_INSECTS",
    "SOUND_AMBIENT_ROAD_UNDERGROUND",
};

}  // namespace

std::span<const char* const> EffectSoundNames() {
    static const std::vector<const char*> names = [] {
        std::vector<const char*> all(std::begin(kEffects), std::end(kEffects));
        const auto add = [&all](const char* name) {
            if (name == nullptr) return;
            for (const char* known : all) {
                if (std::string_view(known) == name) return;
            }
            all.push_back(name);
        };
        for (const ObjectKind& record : ObjectKinds()) {
            add(record.crashSound);
            add(record.frogKillSound);
        }
        return all;
    }();
    return names;
}
std::span<const char* const> StreamedSoundNames() { return kStreamed; }
