#pragma once

#include <string>

// A fatal condition of the sprite code: one line on standard error saying why, then the quit
// request with exit code −1 (the program ends after the current frame).
void RequestQuit(const std::string& reason);
