#include "game/AmbientVolume.h"

#include <cstdlib>

float AmbientVolume::River(int rowsAway) {
    return kRiverFadeRows / (static_cast<float>(std::abs(rowsAway)) + kRiverFadeRows);
}

float AmbientVolume::Road(float distance) { return kRoadFadeUnits / (kRoadFadeUnits + distance); }

float AmbientVolume::Insect(float squaredDistance) {
    return kInsectFadeSquared / (kInsectFadeSquared + squaredDistance);
}
