#include "ScenarioRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string FieldText(const std::string& line, const std::string& key) {
    const std::string pattern = "\"" + key + "\":";
    const size_t at = line.find(pattern);
    if (at == std::string::npos) return {};
    return line.substr(at + pattern.size(), 16);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of links to the generated data, read by the game as its data folder; the high scores
// and options go into a user folder beside it (a later --userdir among the extra arguments wins).
fs::path PrivateDataCopy(const fs::path& dir, const std::vector<std::string>& omitFiles) {
    const fs::path data = dir / "data";
    fs::create_directories(data);
    if (!fs::exists(RJ_DATA_DIR)) return data;
    for (const auto& entry : fs::directory_iterator(RJ_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "HighScore.txt" || name[0] == '.') continue;
        if (std::find(omitFiles.begin(), omitFiles.end(), name) != omitFiles.end()) continue;
        fs::create_symlink(entry.path(), data / entry.path().filename());
    }
    return data;
}

std::string Quote(const std::string& text) { return "'" + text + "'"; }

}  // namespace

bool GameDataAvailable() { return fs::exists(fs::path(RJ_DATA_DIR) / "config.txt"); }

int ScenarioResult::IntAt(int tick, const std::string& key) const {
    if (tick < 1 || tick > static_cast<int>(states.size())) return -1000;
    const std::string text = FieldText(states[tick - 1], key);
    if (text.empty() || text.starts_with("null")) return -1000;
    return std::atoi(text.c_str());
}

bool ScenarioResult::BoolAt(int tick, const std::string& key) const {
    if (tick < 1 || tick > static_cast<int>(states.size())) return false;
    return FieldText(states[tick - 1], key).starts_with("true");
}

bool ScenarioResult::SoundStartedAt(int tick, const std::string& name) const {
    if (tick < 1 || tick > static_cast<int>(states.size())) return false;
    const std::string& line = states[tick - 1];
    const size_t sounds = line.find("\"sounds\":");
    return sounds != std::string::npos && line.find("\"" + name + "\"", sounds) != std::string::npos;
}

ScenarioResult RunScenario(const std::string& script, const std::vector<std::string>& extraArgs,
                           const std::vector<std::string>& omitFiles) {
    static int runNumber = 0;
    const fs::path dir =
        fs::temp_directory_path() / ("rj_scenario_" + std::to_string(getpid()) + "_" + std::to_string(++runNumber));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path data = PrivateDataCopy(dir, omitFiles);
    const fs::path input = dir / "input.txt";
    const fs::path state = dir / "state.jsonl";
    const fs::path errors = dir / "stderr.txt";
    std::ofstream(input) << script;

    std::string command = Quote(std::string(RJ_BINARY_DIR) + "/reedjumper") + " --headless --seed 7 --data " +
                          Quote(data.string()) + " --input " + Quote(input.string()) + " --state " +
                          Quote(state.string()) + " --userdir " + Quote((dir / "user").string());
    for (const std::string& arg : extraArgs) command += " " + Quote(arg);
    command += " 2> " + Quote(errors.string());
    const int raw = std::system(command.c_str());

    ScenarioResult result;
    result.exitStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::istringstream lines(ReadFile(state));
    for (std::string line; std::getline(lines, line);) result.states.push_back(line);
    result.errors = ReadFile(errors);
    fs::remove_all(dir);
    return result;
}
