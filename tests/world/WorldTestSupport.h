#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/DrawParams.h"
#include "gfx/Sprite.h"
#include "world/Frog.h"
#include "world/FrogState.h"
#include "world/GameContext.h"
#include "world/World.h"
#include "TempFolder.h"

namespace worldtest {

// The data folder of this test process: a fresh temporary folder, removed when the process ends.
inline const std::string& DataDir() {
    static const TempFolder folder("rj-world-test");
    static const std::string dir = [] {
        std::string path = folder.Path().string();
        FileLoader::SetDataRoot(path);
        return path;
    }();
    return dir;
}

inline void WriteDataFile(const std::string& name, const std::string& text) {
    std::ofstream(DataDir() + "/" + name) << text;
}

inline void RemoveDataFile(const std::string& name) { std::remove((DataDir() + "/" + name).c_str()); }

// A small world: 20 × 40-unit columns, 75-unit rows; a start strip of 1 row, areas of 4 one-row
// tracks and a 1-row grass strip; 2 areas visible (11 rows); 6 areas: road, river, road, river,
// river, river. Tracks run left (direction_ set) on even indices, at 100 units/s; spawns between 1 and 3 s.
inline std::map<std::string, std::string> BaseConfig() {
    std::map<std::string, std::string> c = {
        {"numWorlds", "1"},
        {"numAreas", "6"},
        {"numVisibleAreas", "2"},
        {"numTracksPerArea", "4"},
        {"numCellsStartStrip", "1"},
        {"numCellsPerTrack", "1"},
        {"numCellsPerGrassStrip", "1"},
        {"gridWidthUnits", "800"},
        {"gridHeightUnits", "825"},
        {"numLatCells", "20"},
        {"levelTimeSeconds", "60.0"},
        {"numFrogsToGoal", "2"},
        {"numFrogLifes", "3"},
        {"maxNumBonusLifes", "1"},
        {"starScoreBonus", "500"},
        {"frogSpeedFactor00", "1.0"},
        {"frogSpeedFactor01", "2.0"},
        {"MaxNumObjectsPerTrack", "5"},
        {"piranhaSpeed", "50.0"},
        {"spawnPiranhaChancePerMill", "0"},
        {"initInterval", "0"},
        {"numSpritesInTopLayer", "0"},
        {"numSpritesInRoadTopLayer", "0"},
        {"ragTopOpenObjectWidth", "100"},
        {"ragTopOpenObjectHeight", "50"},
        {"ragTopClosedObjectWidth", "100"},
        {"ragTopClosedObjectHeight", "50"},
        {"smallCarObjectWidth", "80"},
        {"smallCarObjectHeight", "40"},
        {"truckObjectWidth", "200"},
        {"truckObjectHeight", "56"},
        {"truckKillTimerInterval", "4.0"},
        {"truckVerticalOffsetStar", "14"},
        {"truckFrontEndNonBlockAreaWidth", "16"},
        {"trunkObjectWidth", "160"},
        {"trunkObjectHeight", "46"},
        {"barrelObjectWidth", "60"},
        {"barrelObjectHeight", "46"},
        {"waterLilyObjectWidth", "70"},
        {"waterLilyObjectHeight", "60"},
        {"hippoObjectWidth", "150"},
        {"hippoObjectHeight", "60"},
        {"boxObjectWidth", "60"},
        {"boxObjectHeight", "60"},
        {"waterLilyGoalObjectWidth", "60"},
        {"waterLilyGoalObjectHeight", "60"},
        {"waterLilyGoalOffsetX", "-30"},
        {"waterLilyGoalOffsetY", "30"},
        {"hippoWaitBeforeDiveInterval", "2.0"},
        {"boxWaitBeforeKillInterval", "3.0"},
        {"hippoOffsetX", "-75"},
        {"hippoOffsetY", "30"},
        {"boxOffsetX", "-30"},
        {"boxOffsetY", "30"},
        {"boxKillDrownOffsetX", "-40"},
        {"boxKillDrownOffsetY", "50"},
    };
    const char* const zeroKeys[] = {
        "ragtopOpenOffsetX",       "ragtopOpenOffsetY",       "ragtopClosedOffsetX",  "ragtopClosedOffsetY",
        "smallCarOffsetX",         "smallCarOffsetY",         "ragtopShadowOffsetX",  "ragtopShadowOffsetY",
        "smallCarShadowOffsetX",   "smallCarShadowOffsetY",   "truckShadowOffsetX",   "truckShadowOffsetY",
        "truckGarbageOffsetX",     "truckGarbageOffsetY",     "truckChezFredOffsetX", "truckChezFredOffsetY",
        "truckElectricOffsetX",    "truckElectricOffsetY",    "truckAquariumOffsetX", "truckAquariumOffsetY",
        "truckCementMixerOffsetX", "truckCementMixerOffsetY", "trunkOffsetX",         "trunkOffsetY",
        "barrelOffsetX",           "barrelOffsetY",           "waterLilyOffsetX",     "waterLilyOffsetY",
        "piranhaOffsetX",          "piranhaOffsetY"};
    for (const char* key : zeroKeys) c[key] = "0";
    for (const char* livery : {"Garbage", "ChezFred", "Electric", "Aquarium", "CementMixer"}) {
        c[std::string("truck") + livery + "FrogOffsetX"] = "50";
    }
    const int types[] = {0, 2, 1, 2, 2, 2};
    for (int a = 0; a < 6; ++a) {
        c[IndexedKey("areaType", a)] = std::to_string(types[a]);
        for (int t = 0; t < 4; ++t) {
            c[StringFormat("direction_%02d_%02d", a, t)] = t % 2 == 0 ? "1" : "0";
            c[StringFormat("trackSpeed_%02d_%02d", a, t)] = "100.0";
            c[StringFormat("MinSpawnInterval_%02d_%02d", a, t)] = "1.0";
            c[StringFormat("MaxSpawnInterval_%02d_%02d", a, t)] = "3.0";
        }
        for (int f = 0; f < 2; ++f) {
            c[StringFormat("relFrequTruckPerCent_A%02d_F%02d", a, f)] = "0";
            c[StringFormat("relFrequBoxPerCent_A%02d_F%02d", a, f)] = "0";
        }
    }
    for (int l = 0; l < 5; ++l) {
        c[StringFormat("GoalCellLat_00_%02d", l)] = "10";
        c[StringFormat("GoalCellLong_00_%02d", l)] = "10";
    }
    return c;
}

// Loads the base world with some keys changed.
inline void UseConfig(const std::map<std::string, std::string>& changes = {}) {
    std::map<std::string, std::string> config = BaseConfig();
    for (const auto& [key, value] : changes) config[key] = value;
    std::string text;
    for (const auto& [key, value] : config) text += key + " " + value + "\n";
    WriteDataFile("config.txt", text);
    SettingsManager::Instance().Clear();
    SettingsManager::Instance().Load("data\\config.txt");
}

// A sprite that records its draws.
class RecordingSprite final : public Sprite {
public:
    struct Drawn {
        DrawParams params;
        float time;
    };

    RecordingSprite(int width, int height, float duration) : width_(width), height_(height) { SetDuration(duration); }
    int GetFrameCount() const override { return 1; }
    using Sprite::Draw;
    void Draw(const DrawParams& params) override { draws.push_back({params, GetTime()}); }
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void Restore() override {}

    std::vector<Drawn> draws;

private:
    int width_;
    int height_;
};

// The game as the world sees it, without a window: records what the world tells it.
class TestContext : public GameContext {
public:
    TestContext() : world(*this) {}

    // The frog outlives the world, as the game's does.
    Frog& MakeFrog(float x, float y) {
        ownedFrog = std::make_unique<Frog>();
        ownedFrog->SetPosition(x, y);
        ownedFrog->SetState(FS_IDLE);
        ownedFrog->SetPreviousPosition(ownedFrog->GetRoundedPosition());
        frog = ownedFrog.get();
        return *frog;
    }

    FloatPoint GetScrollPosition() const override { return scroll; }
    Frog* GetFrog() override { return frog; }
    World& GetWorld() override { return world; }
    GameState GetGameState() const override { return gameState; }
    bool ShadowsOn() const override { return shadows; }
    Sprite* GetSprite(std::string_view key, bool mirrored) override {
        requested.push_back(std::string(key) + (mirrored ? "mirrored" : ""));
        auto it = sprites.find(std::string(key));
        return it != sprites.end() ? it->second.get() : nullptr;
    }
    void PlaySound(std::string_view name) override { sounds.emplace_back(name); }
    void StartFrogDying() override { ++dyingCalls; }
    void ResetScrollTarget() override { ++scrollResets; }
    void AddStar(const VisualObject&) override { ++stars; }

    // A sprite every object asking for `name` (as written) gets.
    RecordingSprite& AddSprite(const std::string& name, int width = 10, int height = 10, float duration = 1.0f) {
        auto& slot = sprites[MakeAssetKey(name)];
        slot = std::make_unique<RecordingSprite>(width, height, duration);
        return *slot;
    }
    int SoundCount(const std::string& name) const {
        int n = 0;
        for (const auto& s : sounds) n += s == name ? 1 : 0;
        return n;
    }
    bool Requested(const std::string& key) const {
        for (const auto& r : requested) {
            if (r == key) return true;
        }
        return false;
    }

    // Lays out level `levelIndex` of the loaded settings: grid and areas.
    void BuildLevel(int levelIndex = 0) {
        world.GetLevelInfo().LoadLevelSettings();
        world.GetLevelInfo().levelIndex = levelIndex;
        world.CreateGrid();
        world.BuildAreas();
    }

    FloatPoint scroll;
    Frog* frog = nullptr;
    GameState gameState = kStatePlaying;
    bool shadows = true;
    std::map<std::string, std::unique_ptr<RecordingSprite>> sprites;
    std::vector<std::string> requested;
    std::vector<std::string> sounds;
    int dyingCalls = 0;
    int scrollResets = 0;
    int stars = 0;
    std::unique_ptr<Frog> ownedFrog;
    World world;
};

}  // namespace worldtest
