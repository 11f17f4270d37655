#include "SoundCatalog.h"

#include <array>

#include "Ambience.h"
#include "FrogSounds.h"
#include "JingleSounds.h"
#include "RiverSounds.h"
#include "Theme.h"
#include "TrafficSounds.h"
#include "TruckKillSounds.h"

namespace {

// Effects share one loudness, a little lower for the sounds heard over and over (the hop,
// the idle croak, the tick, the click) and a little higher for the big events. The streams
// sit under the effects: the theme plays at full level only on the menus, and the ambient
// loops play near full level whenever the frog is close to their source. All of them leave
// headroom: several effects, the theme and the ambience sound together in play.
constexpr float kEffectDb = -21.0f;
constexpr float kQuietEffectDb = -23.5f;
// The idle croak is mostly quiet breathing, so its average over the whole sound sits lower.
constexpr float kIdleDb = -24.0f;
constexpr float kBigEffectDb = -19.5f;
constexpr float kThemeDb = -18.0f;
constexpr float kAmbientDb = -30.0f;
constexpr float kInsectsDb = -28.0f;

constexpr std::array<SoundRecipe, 39> kRecipes = {{
    {"SOUND_HIGHSCORE", SoundForm::LoopedEffect, kEffectDb, jingle_sounds::HighScore},
    {"SOUND_FROG_DROWN", SoundForm::Effect, kEffectDb, frog_sounds::Drown},
    {"SOUND_FROG_EAT", SoundForm::Effect, kEffectDb, frog_sounds::Eat},
    {"SOUND_FROG_MOVE", SoundForm::Effect, kQuietEffectDb, frog_sounds::Move},
    {"SOUND_FROG_JUMP", SoundForm::Effect, kEffectDb, frog_sounds::Jump},
    {"SOUND_FROG_KNOCKED_OVER", SoundForm::Effect, kEffectDb, frog_sounds::KnockedOver},
    {"SOUND_FROG_BLOCKED_MOVE", SoundForm::Effect, kQuietEffectDb, frog_sounds::BlockedMove},
    {"SOUND_FROG_PICK_STAR", SoundForm::Effect, kEffectDb, frog_sounds::PickStar},
    {"SOUND_FROG_PIERCED", SoundForm::Effect, kEffectDb, frog_sounds::Pierced},
    {"SOUND_FROG_IDLE", SoundForm::Effect, kIdleDb, frog_sounds::Idle},
    {"SOUND_LEVEL_FINISHED", SoundForm::Effect, kEffectDb, jingle_sounds::LevelFinished},
    {"SOUND_LEVEL_FINISHED_FULL_LEVEL", SoundForm::Effect, kBigEffectDb, jingle_sounds::LevelFinishedFullLevel},
    {"SOUND_MENU_BUTTON_CLICK", SoundForm::Effect, kQuietEffectDb, jingle_sounds::MenuClick},
    {"SOUND_GAME_OVER", SoundForm::Effect, kBigEffectDb, jingle_sounds::GameOver},
    {"SOUND_BONUS_LIFE", SoundForm::Effect, kEffectDb, jingle_sounds::BonusLife},
    {"SOUND_LOSE_LIFE", SoundForm::Effect, kEffectDb, jingle_sounds::LoseLife},
    {"SOUND_COUNT_DOWN", SoundForm::Effect, kQuietEffectDb, jingle_sounds::CountDown},
    {"SOUND_RAGTOP_CLOSED_CRASH", SoundForm::Effect, kBigEffectDb, traffic_sounds::RagtopClosedCrash},
    {"SOUND_RAGTOP_OPEN_CRASH", SoundForm::Effect, kBigEffectDb, traffic_sounds::RagtopOpenCrash},
    {"SOUND_SMALL_CAR_CRASH", SoundForm::Effect, kBigEffectDb, traffic_sounds::SmallCarCrash},
    {"SOUND_TRUCK_CRASH", SoundForm::Effect, kBigEffectDb, traffic_sounds::TruckCrash},
    {"SOUND_FROG_KILL_BOX_DROWN", SoundForm::Effect, kEffectDb, river_sounds::BoxDrown},
    {"SOUND_FROG_KILL_BOX_HAMMER", SoundForm::Effect, kEffectDb, river_sounds::BoxHammer},
    {"SOUND_FROG_KILL_CHEZ_FRED", SoundForm::Effect, kEffectDb, truck_kill_sounds::ChezFred},
    {"SOUND_FROG_KILL_GARBAGE", SoundForm::Effect, kEffectDb, truck_kill_sounds::Garbage},
    {"SOUND_TRUCK_BREAK", SoundForm::Effect, kEffectDb, traffic_sounds::TruckBrake},
    {"SOUND_DIVE", SoundForm::Effect, kEffectDb, river_sounds::Dive},
    {"SOUND_HIPPO_ANGRY", SoundForm::Effect, kEffectDb, river_sounds::HippoAngry},
    {"SOUND_FROG_KILL_BOX_RED_BUTTON", SoundForm::Effect, kEffectDb, river_sounds::BoxRedButton},
    {"SOUND_FROG_KILL_AQUARIUM", SoundForm::Effect, kEffectDb, truck_kill_sounds::Aquarium},
    {"SOUND_FROG_KILL_BOX_BOMB", SoundForm::Effect, kBigEffectDb, river_sounds::BoxBomb},
    {"SOUND_FROG_KILL_CEMENT_MIXER", SoundForm::Effect, kEffectDb, truck_kill_sounds::CementMixer},
    {"SOUND_FROG_KILL_ELECTRIC", SoundForm::Effect, kEffectDb, truck_kill_sounds::Electric},
    {"SOUND_FROG_KILL_PIRANHA", SoundForm::Effect, kEffectDb, river_sounds::Piranha},
    {"SOUND_THEME", SoundForm::Stream, kThemeDb, theme::Compose},
    {"SOUND_AMBIENT_RIVER", SoundForm::Stream, kAmbientDb, ambience::River},
    {"SOUND_AMBIENT_ROAD", SoundForm::Stream, kAmbientDb, ambience::Road},
    {"SOUND_AMBIENT_INSECTS", SoundForm::Stream, kInsectsDb, ambience::Insects},
    {"SOUND_AMBIENT_ROAD_UNDERGROUND", SoundForm::Stream, kAmbientDb, ambience::RoadUnderground},
}};

}  // namespace

std::span<const SoundRecipe> SoundCatalog() { return kRecipes; }
