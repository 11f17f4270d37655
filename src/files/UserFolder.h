#pragma once

#include <string>

// The folder that keeps what the player's games leave behind — the high-score table, the
// remembered options, replays — apart from the game's data, which may be read-only.
class UserFolder final {
public:
    // Chooses the folder; call at start-up before anything is read from or written into it.
    static void Set(const std::string& folder);
    static const std::string& Get();
    // The path of a file in the folder.
    static std::string PathOf(const std::string& name);

    // Creates the folder with every missing parent; false with the reason in `error`.
    static bool Create(std::string& error);

    // Copies `source` to `name` in the folder when the folder has no such file yet, so that a
    // file kept elsewhere by an older version is taken over once and the original stays where it
    // was. True when a copy was made.
    static bool CarryOver(const std::string& source, const std::string& name);
};
