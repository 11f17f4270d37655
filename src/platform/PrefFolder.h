#pragma once

#include <string>

namespace platform {

// The desktop's folder for a game's own files ($XDG_DATA_HOME/<game>/, by default
// ~/.local/share/<game>/), without a trailing slash; "." when the desktop names none.
std::string PrefFolder(const char* game);

}  // namespace platform
