#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "data/SoundSamples.h"

using namespace sound_test;

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// A second run of the generator gives the same files, byte for byte: every effect, and one
// ambient loop for the Vorbis encoder (stable for one libvorbis version).
TEST(SoundGeneration, SecondRunGivesIdenticalFiles) {
    std::vector<GameSound> sounds = GameSounds(false);
    sounds.push_back(GameSounds(true).at(1));
    std::string keys;
    for (const GameSound& sound : sounds) {
        keys += (keys.empty() ? "" : ",") + MakeAssetKey(sound.name);
    }
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("rj-soundgen-" + std::to_string(::getpid()));
    const std::string command =
        std::string(RJ_BINARY_DIR) + "/tools/soundgen/rjsoundgen --out " + dir.string() + " --only " + keys;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const GameSound& sound : sounds) {
        SCOPED_TRACE(sound.path);
        const std::string again = Bytes((dir / std::filesystem::path(sound.path).filename()).string());
        EXPECT_FALSE(again.empty());
        EXPECT_TRUE(again == Bytes(sound.path));
    }
    std::filesystem::remove_all(dir);
}
