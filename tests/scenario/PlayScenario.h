#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "ScenarioRun.h"
#include "world/GameState.h"

// A data folder of its own for play scenarios: links to the generated data, a config.txt whose
// chosen keys take other values (the first line naming a key wins), and a user folder whose
// high-score file stays after the run, so that a scenario can shape a game and read what it saved.
class PlayData {
public:
    explicit PlayData(const std::vector<std::pair<std::string, std::string>>& overrides = {});
    ~PlayData();
    PlayData(const PlayData&) = delete;
    PlayData& operator=(const PlayData&) = delete;

    ScenarioResult Run(const std::string& script, int ticks) const;
    std::filesystem::path HighScoreFile() const { return dir_.parent_path() / "user" / "HighScore.txt"; }
    std::string ReadHighScores() const;
    void WriteHighScores(const std::string& text) const;

private:
    std::filesystem::path dir_;
};

// One life of one second: a game that ends in a few seconds without a key.
inline const std::vector<std::pair<std::string, std::string>> kOneShortLife = {{"levelTimeSeconds", "1.0"},
                                                                               {"numFrogLifes", "1"}};

// Ticks (from 1) whose line lists the sound as started.
std::vector<int> TicksWithSound(const ScenarioResult& r, const std::string& name);
// First tick from `from` at which the field has the value; 0 when none.
int FirstTickWith(const ScenarioResult& r, const std::string& key, int value, int from = 1);
// The raw text of a field (up to the next comma or bracket); empty when absent.
std::string FieldAt(const ScenarioResult& r, int tick, const std::string& key);
// A table of ten entries in the file format, with a valid check string.
std::string HighScoreFileText(const std::vector<std::pair<int, std::string>>& entries);
// The default table's nine names and scores, then "Kemaril" with `lastScore`.
std::string NineNamesAnd(int lastScore, const std::string& lastName = "Kemaril");
// Nine entries above any score and one below zero, so that a game without a point still enters.
std::string LowHighScoreTable();
