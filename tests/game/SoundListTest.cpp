#include "game/SoundList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "world/objects/ObjectKinds.h"

namespace {

int Count(std::string_view name) {
    int count = 0;
    for (const char* effect : EffectSoundNames()) count += name == effect;
    return count;
}

TEST(SoundList, EveryKindsCrashAndKillSoundIsLoadedOnce) {
    for (const ObjectKind& record : ObjectKinds()) {
        for (const char* sound : {record.crashSound, record.frogKillSound}) {
            if (sound == nullptr) continue;
            EXPECT_EQ(Count(sound), 1) << record.name << ": " << sound;
        }
    }
    // Named by five liveries, loaded once; a truck's own kill sound; a car's crash.
    for (const char* sound : {"SOUND_TRUCK_CRASH", "SOUND_FROG_KILL_AQUARIUM", "SOUND_SMALL_CAR_CRASH"}) {
        EXPECT_EQ(Count(sound), 1) << sound;
    }
}

TEST(SoundList, NoSoundIsLoadedTwice) {
    std::set<std::string> names;
    for (const char* name : EffectSoundNames()) EXPECT_TRUE(names.insert(name).second) << name;
    for (const char* name : StreamedSoundNames()) EXPECT_TRUE(names.insert(name).second) << name;
}

}  // namespace
