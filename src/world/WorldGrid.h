#pragma once

#include "world/Grid2D.h"
#include "world/WorldCell.h"

// The level's grid: one int flag word per cell, bits from WorldCell.
using WorldGrid = Grid2D<int, WorldCell>;
