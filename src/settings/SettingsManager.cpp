#include "settings/SettingsManager.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "settings/SettingRanges.h"
#include "settings/SettingsFile.h"
#include "settings/StringTokenizer.h"

SettingsManager::SettingsManager() = default;
SettingsManager::~SettingsManager() = default;

bool SettingsManager::Load(const std::string& path) {
    auto file = std::make_unique<SettingsFile>();
    if (!file->Load(path)) return false;
    files_.push_back(std::move(file));
    // The values that would build another world than the pictures show are named now, before
    // anything is built; the others are limited when they are asked for.
    for (const std::string& line : files_.back()->Lines()) {
        StringTokenizer tokens(line, " \t");
        const std::string key = tokens.NextToken();
        const SettingRange* range = SettingRanges::Find(key);
        if (!range || range->action != OutOfRange::Refuse) continue;
        std::string first;
        if (!FindLine(key, nullptr, first) || first != line) continue;  // an earlier line wins
        bool ok = false;
        const float value = tokens.NextFloat(&ok);
        if (ok) Limit(key, value);
    }
    return true;
}

double SettingsManager::Limit(const std::string& key, double value) {
    const SettingRange* range = SettingRanges::Find(key);
    if (!range || SettingRanges::Holds(*range, value)) return value;
    const double limited = SettingRanges::Limit(*range, value);
    if (std::find(rangeKeys_.begin(), rangeKeys_.end(), key) == rangeKeys_.end()) {
        rangeKeys_.push_back(key);
        const std::string file = files_.empty() ? "config.txt" : files_.front()->ShownPath();
        if (range->action == OutOfRange::Refuse) {
            refused_ = true;
            std::fprintf(stderr, "%s: '%s' is %g, outside its range %g ... %g\n", file.c_str(), key.c_str(), value,
                         range->min, range->max);
        } else {
            std::fprintf(stderr, "%s: '%s' is %g, outside its range %g ... %g; %g is used\n", file.c_str(), key.c_str(),
                         value, range->min, range->max, limited);
        }
    }
    // A refused value is handed on as it is: the game does not start with it, and the readers of
    // the layout keep their own checks.
    return range->action == OutOfRange::Refuse ? value : limited;
}

void SettingsManager::Clear() {
    files_.clear();
    cache_.clear();
    problemKeys_.clear();
    rangeKeys_.clear();
    refused_ = false;
}

bool SettingsManager::FindLine(const std::string& key, const std::string* section, std::string& line) const {
    for (const auto& file : files_) {
        if (file->FindLine(key, section, line)) return true;
    }
    line.clear();
    return false;
}

bool SettingsManager::HasKey(const std::string& key) const {
    std::string line;
    return FindLine(key, nullptr, line);
}

void SettingsManager::Report(const std::string& key, const std::string& what) {
    if (std::find(problemKeys_.begin(), problemKeys_.end(), key) != problemKeys_.end()) return;
    problemKeys_.push_back(key);
    // The first bad key already says the file is damaged; a file cut short or overwritten would
    // otherwise print a line for each of its hundreds of keys.
    if (problemKeys_.size() > 1) return;
    const std::string file = files_.empty() ? "config.txt" : files_.front()->ShownPath();
    std::fprintf(stderr, "%s: %s '%s'\n", file.c_str(), what.c_str(), key.c_str());
    if (strict_) std::exit(1);
}

bool SettingsManager::ReadValue(const std::string& key, const std::string* section, Parse parse, int& i, float& f) {
    std::string line;
    if (!FindLine(key, section, line)) {
        Report(key, "missing key");
        return false;
    }
    StringTokenizer tokens(line, " \t");
    tokens.Skip(1);
    bool ok = false;
    if (parse == Parse::Int) {
        i = tokens.NextInt(&ok);
    } else {
        f = tokens.NextFloat(&ok);
    }
    if (!ok) Report(key, "no number for key");
    return ok;
}

int SettingsManager::GetInt(const std::string& key, const std::string* section) {
    auto& map = cache_[section ? *section : std::string()].ints;
    if (auto it = map.find(key); it != map.end()) return it->second;
    int value = 0;
    float unused = 0.0f;
    if (ReadValue(key, section, Parse::Int, value, unused)) value = static_cast<int>(Limit(key, value));
    map[key] = value;
    return value;
}

float SettingsManager::GetFloat(const std::string& key, const std::string* section) {
    auto& map = cache_[section ? *section : std::string()].floats;
    if (auto it = map.find(key); it != map.end()) return it->second;
    int unused = 0;
    float value = 0.0f;
    if (ReadValue(key, section, Parse::Float, unused, value)) value = static_cast<float>(Limit(key, value));
    map[key] = value;
    return value;
}

bool SettingsManager::GetBool(const std::string& key, const std::string* section) {
    auto& map = cache_[section ? *section : std::string()].bools;
    if (auto it = map.find(key); it != map.end()) return it->second;
    int value = 0;
    float unused = 0.0f;
    if (ReadValue(key, section, Parse::Int, value, unused)) value = static_cast<int>(Limit(key, value));
    map[key] = value != 0;
    return value != 0;
}
