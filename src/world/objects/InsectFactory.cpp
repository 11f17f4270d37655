#include "world/objects/InsectFactory.h"

#include <cstdio>

#include "settings/SettingsManager.h"
#include "core/Randomizer.h"
#include "world/objects/Insect.h"
#include "world/Frog.h"
#include "world/GameContext.h"
#include "world/LevelInfo.h"
#include "world/World.h"

namespace {
// Weight keys in kind order (kind 1 first).
constexpr const char* kWeightKeys[Insect::kNumKinds] = {
    "relFrequencyBigBug",  "relFrequencyBusinessBug", "relFrequencyButterfly",  "relFrequencyNewsBug",
    "relFrequencyTaxiBug", "relFrequencyToolBug",     "relFrequencyVoyagerBug",
};
}  // namespace

bool InsectFactory::Reset() {
    SettingsManager& s = SettingsManager::Instance();
    minNumInsects_ = s.GetInt("minNumInsects");
    maxNumInsects_ = s.GetInt("maxNumInsects");
    spawnChancePercent_ = static_cast<int>(s.GetFloat("insectSpawnChancePerCent"));
    spawnInterval_ = s.GetFloat("insectSpawnInterval");
    spawnTimer_ = 0.0f;
    return true;
}

int InsectFactory::ChooseKind() {
    SettingsManager& s = SettingsManager::Instance();
    int weights[Insect::kNumKinds];
    int total = 0;
    for (int i = 0; i < Insect::kNumKinds; ++i) {
        weights[i] = s.GetInt(kWeightKeys[i]);
        if (weights[i] < 0) weights[i] = 0;
        total += weights[i];
    }
    if (total <= 0) {
        // All weights 0 would divide by zero: the configuration is wrong, say so once.
        static bool reported = false;
        if (!reported) std::fprintf(stderr, "config.txt: the relFrequency… insect weights are all 0\n");
        reported = true;
        return Insect::kBusinessBug;
    }
    int r = Randomizer::Instance().Next() % total;
    for (int i = 0; i < Insect::kNumKinds; ++i) {
        r -= weights[i];
        if (r < 0) return i + 1;
    }
    return Insect::kNumKinds;
}

void InsectFactory::Spawn(InsectList& insects, GameContext& game) {
    auto insect = std::make_unique<Insect>(game);
    World& world = game.GetWorld();
    const WorldGrid& grid = world.GetGrid();
    const int kind = ChooseKind();
    Randomizer& random = Randomizer::Instance();
    const int numRows = world.GetLevelInfo().GetNumLongCells();
    const int row = numRows > 0 ? random.Next() % numRows : 0;
    const bool fromLeft = random.Next() % 2 == 0;
    const IntPoint cell = grid.CellCenter(fromLeft ? 0 : grid.NumLatCells() - 1, row);
    insect->SetPosition(static_cast<float>(cell.x), static_cast<float>(cell.y));
    insect->Init(kind);
    insect->SetState(fromLeft ? Insect::kFlyRight : Insect::kFlyLeft);
    insects.push_back(std::move(insect));
}

void InsectFactory::Update(float dt, InsectList& insects, GameContext& game) {
    spawnTimer_ += dt;
    if (spawnTimer_ < spawnInterval_) return;
    spawnTimer_ = 0.0f;
    const int count = static_cast<int>(insects.size());
    if (count < minNumInsects_) {
        Spawn(insects, game);
    } else if (count < maxNumInsects_ && Randomizer::Instance().Next() % 100 < spawnChancePercent_) {
        Spawn(insects, game);
    }
}

void InsectFactory::UpdateInsects(float dt, InsectList& insects, GameContext& game) {
    for (auto it = insects.begin(); it != insects.end();) {
        (*it)->Update(dt);
        if ((*it)->GetCellIndex() == -1 || (*it)->IsFinished()) {
            it = insects.erase(it);
        } else {
            ++it;
        }
    }
    Update(dt, insects, game);
}

void InsectFactory::CatchInsects(InsectList& insects, Frog& frog) {
    const IntPoint seen = frog.GetVisiblePosition();
    const float reach = frog.GetCatchInsectsDistance();
    for (auto& insect : insects) {
        const IntPoint p = insect->GetRoundedPosition();
        const float dx = static_cast<float>(p.x - seen.x);
        const float dy = static_cast<float>(p.y - seen.y);
        if (dx * dx + dy * dy < reach * reach) insect->Catch(frog);
    }
}
