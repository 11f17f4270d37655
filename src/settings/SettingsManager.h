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
// The game needs every key it reads. A missing key or a value that is no number gives 0 / false
// and one line on standard error, the first time, naming the file and the key; in strict mode
// (the headless runner and the tests of the shipped data) it ends the process with status 1.
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

    struct CacheRecord {
        std::map<std::string, bool> bools;
        std::map<std::string, float> floats;
        std::map<std::string, int> ints;
    };

    std::vector<std::unique_ptr<SettingsFile>> files_;
    std::map<std::string, CacheRecord> cache_;
    std::vector<std::string> problemKeys_;
    bool strict_ = false;
};
