#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ScenarioRun.h"

namespace fs = std::filesystem;

namespace {

// A data file missing, empty, cut in half, or replaced by random bytes of its length.
enum class Damage { Missing, Empty, Half, Random };
constexpr Damage kDamages[] = {Damage::Missing, Damage::Empty, Damage::Half, Damage::Random};
const char* const kDamageNames[] = {"missing", "empty", "half", "random"};

// Seconds a damaged run may take before it counts as hanging.
constexpr int kTimeoutSeconds = 90;
// More lines than this on standard error is a flood, not a message.
constexpr int kMaxErrorLines = 20;
// A game is started and played for a few seconds, so the level's files are read too.
constexpr const char* kScript = "2 key 83\n120 key 38\n160 key 37\n200 key 38\n";
constexpr int kTicks = 260;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string DamagedBytes(const std::string& bytes, Damage damage, uint32_t seed) {
    switch (damage) {
    case Damage::Missing:
    case Damage::Empty: return {};
    case Damage::Half: return bytes.substr(0, bytes.size() / 2);
    case Damage::Random: {
        std::string out(bytes.size(), '\0');
        uint32_t state = seed * 2654435761u + 7;
        for (char& c : out) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        return out;
    }
    }
    return bytes;
}

// The generated files to damage. Every file when RJ_FAULT_ALL is set; otherwise one of each
// kind the game reads, so the suite stays short: credits, a level file, a font and its
// glyph picture, a keyed picture, a mask, an alpha picture, a shadow, a frame list, a JPEG, an
// effect, the streamed theme and an ambience.
std::vector<std::string> FilesToDamage() {
    std::vector<std::string> all;
    for (const auto& entry : fs::directory_iterator(RJ_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name[0] == '.' || Lower(name).starts_with("highscore.txt") || name == "ReedJumper.dat") continue;
        all.push_back(name);
    }
    std::sort(all.begin(), all.end());
    if (std::getenv("RJ_FAULT_ALL")) return all;
    // config.txt has a test of its own below, with the key each damage must name.
    const char* const picks[] = {"credits.txt",
                                 "arbitraryobjects_00_00.txt",
                                 "hudfont.fnt",
                                 "hudfont.bmp",
                                 "titlemenu.bmp",
                                 "_mask.bmp",
                                 "alpha.bmp",
                                 "shadowtruck.bmp",
                                 "frames.txt",
                                 ".jpg",
                                 "soundfrogjump.wav",
                                 "soundtheme.ogg",
                                 "soundambientriver.ogg",
                                 "roadtoplayer00.bmp"};
    std::vector<std::string> chosen;
    for (const char* pick : picks) {
        for (const std::string& name : all) {
            if (Lower(name).find(pick) != std::string::npos &&
                std::find(chosen.begin(), chosen.end(), name) == chosen.end()) {
                chosen.push_back(name);
                break;
            }
        }
    }
    return chosen;
}

struct Outcome {
    int status = -1;  // exit status; -1 for a signal or a hang
    std::string how;
    std::string errors;
};

// Runs the game on the generated data with `target` replaced by `contents` (left out when
// `contents` is empty and `missing` is set).
Outcome RunWithContents(const std::string& target, const std::string& contents, bool missing) {
    static int runNumber = 0;
    const fs::path dir =
        fs::temp_directory_path() / ("rj_fault_" + std::to_string(::getpid()) + "_" + std::to_string(++runNumber));
    fs::remove_all(dir);
    const fs::path data = dir / "data";
    fs::create_directories(data);
    for (const auto& entry : fs::directory_iterator(RJ_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name[0] == '.' || Lower(name).starts_with("highscore.txt") || name == "ReedJumper.dat") continue;
        if (name == target) {
            if (!missing) std::ofstream(data / name, std::ios::binary) << contents;
            continue;
        }
        fs::create_symlink(entry.path(), data / name);
    }
    std::ofstream(dir / "input.txt") << kScript;
    const std::string command =
        "timeout -s KILL " + std::to_string(kTimeoutSeconds) + " '" + std::string(RJ_BINARY_DIR) +
        "/reedjumper' --headless --seed 3 --ticks " + std::to_string(kTicks) + " --data '" + data.string() +
        "' --input '" + (dir / "input.txt").string() + "' > /dev/null 2> '" + (dir / "stderr.txt").string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.errors = ReadAll(dir / "stderr.txt");
    if (WIFEXITED(raw) && WEXITSTATUS(raw) != 128 + SIGKILL) {
        outcome.status = WEXITSTATUS(raw);
        outcome.how = "status " + std::to_string(outcome.status);
    } else {
        outcome.how = "killed (crash or hang), raw status " + std::to_string(raw);
    }
    fs::remove_all(dir);
    return outcome;
}

Outcome RunWith(const std::string& target, Damage damage, uint32_t seed) {
    const std::string bytes = ReadAll(fs::path(RJ_DATA_DIR) / target);
    return RunWithContents(target, DamagedBytes(bytes, damage, seed), damage == Damage::Missing);
}

// The generated settings with the line of `key` changed by `edit` (removed when it gives "").
std::string ConfigWithLine(const std::string& key, const std::string& replacement) {
    std::istringstream in(ReadAll(fs::path(RJ_DATA_DIR) / "config.txt"));
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + " ", 0) == 0) {
            if (!replacement.empty()) out += replacement + "\n";
            continue;
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

// Each data file in turn missing, empty, half or random: the game either plays on or ends with a
// non-zero status after naming the file; never a crash, a hang or a flood of lines.
TEST(DataFileSweepTest, EveryDamagedDataFileEndsCleanlyOrPlaysOn) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const std::vector<std::string> files = FilesToDamage();
    ASSERT_GE(files.size(), 10u) << "the sample lost its kinds of files";
    uint32_t seed = 1;
    for (const std::string& file : files) {
        for (size_t d = 0; d < std::size(kDamages); ++d) {
            const Outcome o = RunWith(file, kDamages[d], seed++);
            const std::string what = file + " " + kDamageNames[d] + ": " + o.how + "\n" + o.errors;
            ASSERT_GE(o.status, 0) << what;
            const auto lines = std::count(o.errors.begin(), o.errors.end(), '\n');
            EXPECT_LE(lines, kMaxErrorLines) << what;
            if (o.status != 0) {
                // Named by its file name or, for pictures and sounds, by its key (the name
                // without extension and suffix).
                const std::string stem = Lower(fs::path(file).stem().string());
                const std::string key = stem.substr(0, stem.find_first_of("_"));
                EXPECT_NE(Lower(o.errors).find(key.size() > 3 ? key : stem), std::string::npos) << what;
            }
        }
    }
}

// Runner options that cannot work are named, with a non-zero status: a state file on a full disk
// (the dump would silently lack ticks) and an input script that is a folder (it read as empty).
TEST(DataFaultTest, RunnerOptionsThatCannotWorkAreNamed) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {{"--ticks", "5", "--state", "/dev/full"}, "/dev/full"},
        {{"--ticks", "5", "--input", fs::temp_directory_path().string()}, "input script"},
    };
    for (const Case& c : cases) {
        const ScenarioResult r = RunScenario("", c.args);
        EXPECT_NE(r.exitStatus, 0) << c.named << "\n" << r.errors;
        EXPECT_NE(r.errors.find(c.named), std::string::npos) << r.errors;
        EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1) << r.errors;
    }
}

// A damaged settings file cannot be played with: every value it lacks would be 0 (no lanes, no
// time, no lives). The game names the file and the first key it could not read on one line and
// ends with status 1, whether the key is read at the start or only when a level is built.
TEST(DataFaultTest, ADamagedSettingsFileEndsWithOneLineNamingTheFirstBadKey) {
    if (!GameDataAvailable()) GTEST_SKIP() << "the generated game data is missing (build the gamedata target)";
    const std::string config = ReadAll(fs::path(RJ_DATA_DIR) / "config.txt");
    ASSERT_NE(config.find("\ntrackSpeed_01_02 "), std::string::npos) << "the sample key left the settings";
    struct Case {
        const char* what;
        std::string contents;
        const char* named;  // the key the line must name, or "" for any
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"half", config.substr(0, config.size() / 2), ""},
        {"random", DamagedBytes(config, Damage::Random, 5), ""},
        // Read at the start, and only when the second level's lanes are built at a game's start.
        {"lives without a number", ConfigWithLine("numFrogLifes", "numFrogLifes four"), "numFrogLifes"},
        {"a lane's speed removed", ConfigWithLine("trackSpeed_01_02", ""), "trackSpeed_01_02"},
    };
    for (const Case& c : cases) {
        const Outcome o = RunWithContents("config.txt", c.contents, false);
        const std::string what = std::string(c.what) + ": " + o.how + "\n" + o.errors;
        EXPECT_EQ(o.status, 1) << what;
        EXPECT_EQ(std::count(o.errors.begin(), o.errors.end(), '\n'), 1) << what;
        EXPECT_NE(o.errors.find("config.txt"), std::string::npos) << what;
        EXPECT_NE(o.errors.find(std::string("'") + c.named), std::string::npos) << what;
    }
}
