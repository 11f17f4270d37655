#pragma once

#include <string>
#include <vector>

// The program: parses the command line, then runs the game (or the headless runner) from the
// window to the shutdown. Returns the process exit status.
int RunProgram(const std::vector<std::string>& args);
