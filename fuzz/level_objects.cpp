// A level's placed-objects file ("ArbitraryObjects_00_LL.txt", the same text for every level)
// read and placed into every level of the shipped world, whose traffic then moves a little.

#include <string>

#include "WorldHarness.h"
#include "world/LevelObjectsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadFixedSettings(fuzz::ShippedConfig());
    for (int level = 0; level <= LevelInfo::kLastLevelIndex; ++level) {
        std::string path = LevelObjectsFile::PathFor(0, level);
        fuzz::DataFolder::Write(path.substr(std::string(FileLoader::kDataFolder).size()), fuzz::AsText(data, size));
    }
    fuzz::WorldGame game;
    game.PlayLevels(0.2f, false);
    platform::ResetQuitState();
    return 0;
}
