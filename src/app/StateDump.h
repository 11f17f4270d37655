#pragma once

#include <string>
#include <vector>

class Game;

// One line of the headless runner's state file: the game after a tick, as a JSON object. Parts
// of the game that do not exist at this moment (no world before the first game, no frog) are null.
std::string DescribeGameState(Game& game, int tick, const std::vector<std::string>& soundsStarted);
