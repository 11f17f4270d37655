#pragma once

#include <string>
#include <vector>

// Finds the game's data: the folder given on the command line, else the first of the places a
// build tree, a relocated install and the configured install put it.
class DataFolderSearch final {
public:
    struct Place {
        std::string folder;
        const char* why;  // how the place came to be tried, for --version and the error line
    };

    // The places in the order they are tried. A given folder is the only place (a wrong --data
    // is an error, not a reason to play other data).
    static std::vector<Place> Places(const std::string& given, const std::string& executableFolder,
                                     const std::string& installFolder);
    // The first place that holds data; null when none does.
    static const Place* Find(const std::vector<Place>& places);
    // The folder holds the settings file or the pack (in any letter case).
    static bool HoldsData(const std::string& folder);

    // "A (why), B (why), …" for the error line.
    static std::string Describe(const std::vector<Place>& places);

    // The folder of the running program; "." when it cannot be told.
    static std::string ExecutableFolder();
};
