#include "settings/SettingsManager.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "settings/SettingsFile.h"
#include "settings/StringTokenizer.h"

SettingsManager::SettingsManager() = default;
SettingsManager::~SettingsManager() = default;

bool SettingsManager::Load(const std::string& path) {
    auto file = std::make_unique<SettingsFile>();
    if (!file->Load(path)) return false;
    files_.push_back(std::move(file));
    return true;
}

void SettingsManager::Clear() {
    files_.clear();
    cache_.clear();
    problemKeys_.clear();
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
    const std::string file = files_.empty() ? "config.txt" : files_.front()->Path();
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
    ReadValue(key, section, Parse::Int, value, unused);
    map[key] = value;
    return value;
}

float SettingsManager::GetFloat(const std::string& key, const std::string* section) {
    auto& map = cache_[section ? *section : std::string()].floats;
    if (auto it = map.find(key); it != map.end()) return it->second;
    int unused = 0;
    float value = 0.0f;
    ReadValue(key, section, Parse::Float, unused, value);
    map[key] = value;
    return value;
}

bool SettingsManager::GetBool(const std::string& key, const std::string* section) {
    auto& map = cache_[section ? *section : std::string()].bools;
    if (auto it = map.find(key); it != map.end()) return it->second;
    int value = 0;
    float unused = 0.0f;
    ReadValue(key, section, Parse::Int, value, unused);
    map[key] = value != 0;
    return value != 0;
}
