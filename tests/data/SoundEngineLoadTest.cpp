#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "game/SoundList.h"
#include "sound/SoundEngine.h"
#include "sound/SoundFx.h"
#include "sound/StreamingSoundFx.h"

namespace {

constexpr int kEffectFlags = SoundEngine::kFlagVolume;
constexpr int kStreamFlags = SoundEngine::kFlagVolume | SoundEngine::kFlagStream;

// Every generated sound through the game's own engine, from the loose data folder and from
// the pack, found as the game finds them: the .wav first, then the .ogg.
class SoundEngineLoad : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        previousRoot_ = FileLoader::DataRoot();
        FileLoader::SetDataRoot(GetParam());
        FileLoader::Instance().Reinitialize();
        FileLoader::Instance().Open();
        ASSERT_TRUE(engine().Init(platform::SoundOutput::Manual));
        engine().SetEnabled(true);
    }

    void TearDown() override {
        engine().Shutdown();
        engine().SetEnabled(false);
        FileLoader::Instance().Close();
        FileLoader::SetDataRoot(previousRoot_);
        FileLoader::Instance().Reinitialize();
    }

    static SoundEngine& engine() { return SoundEngine::Instance(); }

    static bool Load(const char* name, int flags) {
        const std::string key = MakeAssetKey(name);
        const std::string base = FileLoader::Instance().GetDataFolder() + key;
        return engine().LoadSound(key, base + ".wav", flags, false) ||
               engine().LoadSound(key, base + ".ogg", flags, false);
    }

    std::string previousRoot_;
};

}  // namespace

TEST_P(SoundEngineLoad, FindsEveryEffectAndStream) {
    EXPECT_EQ(FileLoader::Instance().PackAvailable(), std::string(GetParam()) == RJ_PACK_DIR);
    for (const char* name : EffectSoundNames()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Load(name, kEffectFlags));
        const SoundFx* sound = engine().GetSound(MakeAssetKey(name));
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(dynamic_cast<const StreamingSoundFx*>(sound), nullptr);
        EXPECT_EQ(sound->GetFileName(), FileLoader::Instance().GetDataFolder() + MakeAssetKey(name) + ".wav");
    }
    for (const char* name : StreamedSoundNames()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Load(name, kStreamFlags));
        const SoundFx* sound = engine().GetSound(MakeAssetKey(name));
        ASSERT_NE(sound, nullptr);
        EXPECT_NE(dynamic_cast<const StreamingSoundFx*>(sound), nullptr);
        EXPECT_EQ(sound->GetFileName(), FileLoader::Instance().GetDataFolder() + MakeAssetKey(name) + ".ogg");
    }
}

INSTANTIATE_TEST_SUITE_P(FolderAndPack, SoundEngineLoad, ::testing::Values(RJ_DATA_DIR, RJ_PACK_DIR));
