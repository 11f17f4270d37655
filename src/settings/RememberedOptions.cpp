#include "settings/RememberedOptions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "files/AtomicWrite.h"

namespace {

// One remembered option: a yes/no written as 0 or 1, or a whole number within a range.
struct OptionKey {
    const char* key;
    bool RememberedOptions::Values::*flag = nullptr;
    int RememberedOptions::Values::*number = nullptr;
    int min = 0;
    int max = 0;
};

using V = RememberedOptions::Values;
const OptionKey kKeys[] = {
    {"music", &V::music},
    {"shadows", &V::shadows},
    {"fullscreen", &V::fullScreen},
    {"integer_scale", &V::integerScale},
    {"music_volume", nullptr, &V::musicVolume, 0, RememberedOptions::kMaxVolume},
    {"effects_volume", nullptr, &V::effectsVolume, 0, RememberedOptions::kMaxVolume},
};

const OptionKey* FindKey(const std::string& key) {
    for (const OptionKey& k : kKeys) {
        if (key == k.key) return &k;
    }
    return nullptr;
}

bool ParseWhole(const std::string& text, long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

// Sets the option from `text`; false when the text is no value for it.
bool Assign(const OptionKey& k, const std::string& text, V& values) {
    long value = 0;
    if (!ParseWhole(text, value)) return false;
    if (k.flag) {
        if (value != 0 && value != 1) return false;
        values.*k.flag = value == 1;
        return true;
    }
    if (value < k.min || value > k.max) return false;
    values.*k.number = static_cast<int>(value);
    return true;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string RememberedOptions::Format(const Values& values) {
    std::string text = "# Reedjumper remembers these choices between games.\n";
    for (const OptionKey& k : kKeys) {
        const int value = k.flag ? (values.*k.flag ? 1 : 0) : values.*k.number;
        text += std::string(k.key) + " " + std::to_string(value) + "\n";
    }
    return text;
}

RememberedOptions::Values RememberedOptions::Parse(const std::string& text, std::string& problem) {
    Values values;
    problem.clear();
    int faults = 0;
    auto fault = [&](int line, const std::string& what) {
        if (faults++ == 0) problem = "line " + std::to_string(line) + ": " + what;
    };
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.find('\0') != std::string::npos) {
            fault(number, "not text");
            continue;
        }
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t gap = line.find_first_of(" \t");
        const std::string key = line.substr(0, gap);
        const std::string value = gap == std::string::npos ? "" : Trimmed(line.substr(gap));
        const OptionKey* k = FindKey(key);
        if (!k) {
            fault(number, "unknown key \"" + key.substr(0, 40) + "\"");
        } else if (!Assign(*k, value, values)) {
            const std::string range = k->flag ? "0 or 1" : std::to_string(k->min) + " to " + std::to_string(k->max);
            fault(number, "\"" + key + "\" needs " + range + ", not \"" + value.substr(0, 40) + "\"");
        }
    }
    if (faults > 1) problem += " (and " + std::to_string(faults - 1) + " more)";
    return values;
}

bool RememberedOptions::Load() {
    values_ = Values{};
    if (path_.empty()) return true;
    struct stat info;
    const bool found = stat(path_.c_str(), &info) == 0;
    if (!found && errno == ENOENT) return true;  // the first start
    const int statError = errno;
    std::ifstream in(path_, std::ios::binary);
    if (!found || !in || !S_ISREG(info.st_mode)) {
        const char* why = !found ? std::strerror(statError) : !in ? std::strerror(errno) : "not a file";
        std::fprintf(stderr, "%s: cannot read the remembered options (%s); using the defaults\n", path_.c_str(), why);
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        std::fprintf(stderr, "%s: cannot read the remembered options; using the defaults\n", path_.c_str());
        return false;
    }
    std::string problem;
    values_ = Parse(text.str(), problem);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s: %s; the defaults stand for what cannot be read\n", path_.c_str(), problem.c_str());
        return false;
    }
    return true;
}

bool RememberedOptions::Save() {
    if (path_.empty()) return true;
    const bool ok = WriteFileAtomically(path_, Format(values_));
    if (!ok) {
        if (!saveFailureReported_) std::fprintf(stderr, "%s: cannot write the remembered options\n", path_.c_str());
        saveFailureReported_ = true;
    }
    return ok;
}
