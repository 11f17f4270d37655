#include "platform/PrefFolder.h"

#include <SDL.h>

#include <cstdlib>

namespace platform {

std::string PrefFolder(const char* game) {
    // SDL also creates the folder; where it cannot, the caller's own creation names the reason.
    if (char* path = SDL_GetPrefPath(nullptr, game)) {
        std::string folder(path);
        SDL_free(path);
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/" + game;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/share/" + game;
    return ".";
}

}  // namespace platform
