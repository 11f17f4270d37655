#pragma once

// Flag bits of one grid cell's flag word.
enum WorldCell : int {
    CELL_WATER = 1,
};
