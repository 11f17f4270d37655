#pragma once

#include <vector>

#include "gfx/SpriteRegistry.h"

class SpriteManager;

// Every sprite the game knows: the catalogue's own table, then the object kinds' sprites.
std::vector<SpriteRegistration> GameSpriteRegistrations();

// Registers every sprite the game knows with the catalogue, reading the keyed durations from the
// settings. True when every spec was registered.
bool RegisterGameSprites(SpriteManager& manager);
