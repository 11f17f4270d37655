#pragma once

#include <string>

#include "core/Singleton.h"

// What the player chose that outlives the process (music, shadows, full screen, scale mode …),
// kept as "key value" lines in "options.txt" in the user folder. Read once at start-up; written
// whole, through a temporary file renamed over the old one, whenever a choice changes and at
// exit. A missing file means the defaults; an unreadable or damaged one gives the defaults for
// what cannot be read and one line on standard error, never a failed start.
//
// A new option is one field in `Values` and one row in the key table of the .cpp file.
class RememberedOptions final : public Singleton<RememberedOptions> {
public:
    static constexpr int kMaxVolume = 10;

    struct Values {
        bool music = true;
        bool shadows = true;
        bool fullScreen = true;
        bool integerScale = false;  // whole-number scaling only (crisp pixels), else fit the window
        // Volumes in steps of 10 %: 0 silent … kMaxVolume full.
        int musicVolume = kMaxVolume;
        int effectsVolume = kMaxVolume;

        bool operator==(const Values&) const = default;
    };

    static constexpr const char* kFileName = "options.txt";

    // The file; empty (the default) keeps the options in memory only.
    void SetPath(const std::string& path) {
        path_ = path;
        saveFailureReported_ = false;
    }
    const std::string& Path() const { return path_; }

    // Defaults, then whatever the file holds. False when the file existed but could not be read
    // whole (the one line has been written then).
    bool Load();
    // Writes the file; false (with one line, the first time only) when it cannot be written.
    bool Save();

    Values& Get() { return values_; }
    const Values& Get() const { return values_; }

    // The file's text for `values`, and the values a text gives. `problem` receives the first
    // fault found (empty when none); faulty lines leave their option at its default.
    static std::string Format(const Values& values);
    static Values Parse(const std::string& text, std::string& problem);

private:
    friend class Singleton<RememberedOptions>;
    RememberedOptions() = default;

    std::string path_;
    Values values_;
    bool saveFailureReported_ = false;
};
