#include "PlayScenario.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "game/HighScore.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

PlayData::PlayData(const std::vector<std::pair<std::string, std::string>>& overrides) {
    static int count = 0;
    dir_ = fs::temp_directory_path() / ("rj_play_" + std::to_string(getpid()) + "_" + std::to_string(++count)) / "data";
    fs::remove_all(dir_.parent_path());
    fs::create_directories(dir_);
    fs::create_directories(HighScoreFile().parent_path());
    for (const auto& entry : fs::directory_iterator(RJ_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "HighScore.txt" || name == "config.txt" || name[0] == '.') continue;
        fs::create_symlink(entry.path(), dir_ / name);
    }
    std::ofstream config(dir_ / "config.txt", std::ios::binary);
    for (const auto& [key, value] : overrides) config << key << " " << value << "\n";
    config << ReadText(fs::path(RJ_DATA_DIR) / "config.txt");
}

PlayData::~PlayData() { fs::remove_all(dir_.parent_path()); }

ScenarioResult PlayData::Run(const std::string& script, int ticks) const {
    return RunScenario(script, {"--ticks", std::to_string(ticks), "--data", dir_.string(), "--userdir",
                                HighScoreFile().parent_path().string()});
}

std::string PlayData::ReadHighScores() const { return ReadText(HighScoreFile()); }

void PlayData::WriteHighScores(const std::string& text) const {
    std::ofstream(HighScoreFile(), std::ios::binary) << text;
}

std::vector<int> TicksWithSound(const ScenarioResult& r, const std::string& name) {
    std::vector<int> ticks;
    for (int tick = 1; tick <= static_cast<int>(r.states.size()); ++tick) {
        if (r.SoundStartedAt(tick, name)) ticks.push_back(tick);
    }
    return ticks;
}

int FirstTickWith(const ScenarioResult& r, const std::string& key, int value, int from) {
    for (int tick = from; tick <= static_cast<int>(r.states.size()); ++tick) {
        if (r.IntAt(tick, key) == value) return tick;
    }
    return 0;
}

std::string FieldAt(const ScenarioResult& r, int tick, const std::string& key) {
    if (tick < 1 || tick > static_cast<int>(r.states.size())) return {};
    const std::string& line = r.states[tick - 1];
    const std::string pattern = "\"" + key + "\":";
    const size_t at = line.find(pattern);
    if (at == std::string::npos) return {};
    const size_t start = at + pattern.size();
    // A nested value ends where its brackets close (no strings with brackets occur in it).
    int depth = 0;
    size_t end = start;
    for (; end < line.size(); ++end) {
        const char c = line[end];
        if (c == '[' || c == '{') ++depth;
        if (c == ']' || c == '}') {
            if (depth == 0) break;
            if (--depth == 0) {
                ++end;
                break;
            }
        }
        if (c == ',' && depth == 0) break;
    }
    return line.substr(start, end - start);
}

std::string HighScoreFileText(const std::vector<std::pair<int, std::string>>& entries) {
    std::string text = "Reedjumper - Highscores\n\n";
    for (const auto& [score, name] : entries) text += "*" + std::to_string(score) + ":" + name + "\n";
    return text + "---------------------------------\n" + HighScore::CheckString(text);
}

std::string NineNamesAnd(int lastScore, const std::string& lastName) {
    return HighScoreFileText({{1000, "Lorimeth"},
                              {900, "Wendal"},
                              {800, "Brisko"},
                              {700, "Tarvold"},
                              {600, "Sunya"},
                              {500, "Ulmaris"},
                              {400, "Fendar"},
                              {300, "Orno"},
                              {200, "Velisto"},
                              {lastScore, lastName}});
}

std::string LowHighScoreTable() { return NineNamesAnd(-1); }
