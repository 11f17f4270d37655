// The five level files of world 0 against each other and against config.txt. Consecutive levels
// share most of their rows (level n starts one area higher than level n-1), and the background
// shows every blocker and pond once for all levels: so a rock must block in every level whose
// grid holds its row, and the frog's start and goal cells must be free.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"

namespace {

using ::testing::IsEmpty;

constexpr int kLevels = 5;
constexpr int kBlocker = 1;
constexpr int kWater = 2;
constexpr int kRiverArea = 2;

struct Entry {
    int type, lat, row;
    bool operator<(const Entry& o) const { return std::tie(type, lat, row) < std::tie(o.type, o.lat, o.row); }
};

class LevelFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_SOURCE_DIR "/data");
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt"));
    }

    static void TearDownTestSuite() {
        SettingsManager::Instance().Clear();
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        FileLoader::Instance().Reinitialize();
    }

    static int Int(const std::string& key) { return SettingsManager::Instance().GetInt(key); }

    static int CellsPerArea() {
        return Int("numCellsPerGrassStrip") + Int("numCellsPerTrack") * Int("numTracksPerArea");
    }
    static int GridRows() { return Int("numVisibleAreas") * CellsPerArea() + Int("numCellsStartStrip"); }

    // The entries of a level file, read the way the game reads them.
    static std::set<Entry> Read(int level) {
        std::set<Entry> entries;
        const std::string path = StringFormat(RJ_SOURCE_DIR "/data/ArbitraryObjects_00_%02d.txt", level);
        FILE* file = std::fopen(path.c_str(), "rb");
        EXPECT_NE(file, nullptr) << path;
        if (!file) return entries;
        char line[2048];
        while (std::fgets(line, sizeof line, file)) {
            int type, lat, row, w, h;
            if (line[0] == '#' || std::sscanf(line, "%d, %d, %d, %d, %d", &type, &lat, &row, &w, &h) != 5) {
                continue;
            }
            entries.insert({type, lat, row});
        }
        std::fclose(file);
        return entries;
    }

    // True when the row of level `level` is a lane of a river area.
    static bool IsRiverLane(int level, int row) {
        const int first = row - Int("numCellsStartStrip");
        if (first < 0) return false;
        const int relative = first / CellsPerArea(), offset = first % CellsPerArea();
        if (offset >= Int("numTracksPerArea") || relative >= Int("numVisibleAreas")) return false;
        return Int(IndexedKey("areaType", level + relative)) == kRiverArea;
    }

    static bool IsLane(int row) {
        const int first = row - Int("numCellsStartStrip");
        return first >= 0 && first % CellsPerArea() < Int("numTracksPerArea");
    }
};

TEST_F(LevelFilesTest, EveryBlockerAndPondIsInEveryLevelThatShowsItsRow) {
    std::vector<std::set<Entry>> levels;
    for (int l = 0; l < kLevels; ++l) levels.push_back(Read(l));
    std::vector<std::string> problems;
    const int shift = CellsPerArea(), rows = GridRows();
    for (int l = 0; l < kLevels; ++l) {
        for (const Entry& e : levels[l]) {
            const int worldRow = e.row + l * shift;
            for (int other = 0; other < kLevels; ++other) {
                const int row = worldRow - other * shift;
                if (row < 0 || row >= rows) continue;
                if (!levels[other].count({e.type, e.lat, row})) {
                    problems.push_back(StringFormat("level %d has type %d at %d, %d; level %d lacks it at row %d", l,
                                                    e.type, e.lat, e.row, other, row));
                }
            }
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(LevelFilesTest, BlockersAndPondsLieOnGrassInsideTheGrid) {
    std::vector<std::string> problems;
    for (int l = 0; l < kLevels; ++l) {
        for (const Entry& e : Read(l)) {
            if (e.type != kBlocker && e.type != kWater) continue;
            if (e.lat < 0 || e.lat >= Int("numLatCells") || e.row < 0 || e.row >= GridRows()) {
                problems.push_back(StringFormat("level %d: %d, %d is off the grid", l, e.lat, e.row));
            } else if (IsLane(e.row)) {
                problems.push_back(StringFormat("level %d: %d, %d lies on a lane", l, e.lat, e.row));
            }
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(LevelFilesTest, StartAndGoalCellsAreFree) {
    std::vector<std::string> problems;
    for (int l = 0; l < kLevels; ++l) {
        const std::set<Entry> entries = Read(l);
        auto occupied = [&](int lat, int row) {
            return entries.count({kBlocker, lat, row}) || entries.count({kWater, lat, row}) || IsRiverLane(l, row);
        };
        const std::string cell = StringFormat("_00_%02d", l);
        if (occupied(Int("frogStartCellLat" + cell), Int("frogStartCellLong" + cell))) {
            problems.push_back("the start cell of level " + std::to_string(l) + " is blocked or water");
        }
        const int goalLat = Int("GoalCellLat" + cell), goalRow = Int("GoalCellLong" + cell);
        if (goalLat != -1 && goalRow != -1 && occupied(goalLat, goalRow)) {
            problems.push_back("the goal cell of level " + std::to_string(l) + " is blocked or water");
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

}  // namespace
