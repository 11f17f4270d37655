#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"

class SettingsFile;

// Holds "config.txt" as raw lines and answers typed look-ups by key. Keys match without regard
// to letter case; each answer is cached under the key exactly as the caller spelled it.
//
// The game needs every key it reads. A missing key or a value that is no number gives 0 / false;
// the first such key is named on standard error with the file (later ones are only listed in
// ProblemKeys, so a damaged file gives one line); in strict mode (the headless runner and the
// tests of the shipped data) it ends the process with status 1 at once. The game ends with
// status 1 when ProblemKeys is not empty.
//
// Every value has a range (SettingRanges). One outside it is named once on standard error with
// the range; most are then limited to the range and the game plays on, but a value that shapes
// the world's layout is refused: Load names it at once and RefusedValues() tells the caller not
// to start.
class SettingsManager final : public Singleton<SettingsManager> {
public:
    bool Load(const std::string& path);

    int GetInt(const std::string& key, const std::string* section = nullptr);
    float GetFloat(const std::string& key, const std::string* section = nullptr);
    bool GetBool(const std::string& key, const std::string* section = nullptr);
    bool FindLine(const std::string& key, const std::string* section, std::string& line) const;

    // True when the key is in a loaded file (no message, no cache).
    bool HasKey(const std::string& key) const;

    void SetStrict(bool strict) { strict_ = strict; }
    // Keys asked for but missing or unparsable, in the order they were first asked for.
    const std::vector<std::string>& ProblemKeys() const { return problemKeys_; }

    // True when a loaded file holds a value whose range refuses it (named on standard error).
    bool RefusedValues() const { return refused_; }

    // Drops every loaded file and the cache (tests, tools).
    void Clear();

private:
    friend class Singleton<SettingsManager>;
    SettingsManager();
    ~SettingsManager();

    enum class Parse { Int, Float };
    // The value token of the key's line parsed as the given type; reports problems.
    bool ReadValue(const std::string& key, const std::string* section, Parse parse, int& i, float& f);
    void Report(const std::string& key, const std::string& what);
    // The value limited to the key's range (a refused one unchanged), naming it once when it lies
    // outside.
    double Limit(const std::string& key, double value);

    struct CacheRecord {
        std::map<std::string, bool> bools;
        std::map<std::string, float> floats;
        std::map<std::string, int> ints;
    };

    std::vector<std::unique_ptr<SettingsFile>> files_;
    std::map<std::string, CacheRecord> cache_;
    std::vector<std::string> problemKeys_;
    std::vector<std::string> rangeKeys_;
    bool refused_ = false;
    bool strict_ = false;
};
