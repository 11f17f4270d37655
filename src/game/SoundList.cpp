#include "game/SoundList.h"

#include <array>

namespace {

constexpr std::array<const char*, 34> kEffects{
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
    "SOUND_RAGTOP_CLOSED_CRASH",
    "SOUND_RAGTOP_OPEN_CRASH",
    "SOUND_SMALL_CAR_CRASH",
    "SOUND_TRUCK_CRASH",
    "SOUND_FROG_KILL_BOX_DROWN",
    "SOUND_FROG_KILL_BOX_HAMMER",
    "SOUND_FROG_KILL_CHEZ_FRED",
    "SOUND_FROG_KILL_GARBAGE",
    "SOUND_TRUCK_BREAK",
    "SOUND_DIVE",
    "SOUND_HIPPO_ANGRY",
    "SOUND_FROG_KILL_BOX_RED_BUTTON",
    "SOUND_FROG_KILL_AQUARIUM",
    "SOUND_FROG_KILL_BOX_BOMB",
    "SOUND_FROG_KILL_CEMENT_MIXER",
    "SOUND_FROG_KILL_ELECTRIC",
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

std::span<const char* const> EffectSoundNames() { return kEffects; }
std::span<const char* const> StreamedSoundNames() { return kStreamed; }
