#pragma once

// The frog's state numbers; they double as the commands other objects queue on the frog.
enum FrogState : int {
    FS_IDLE = 1,
    FS_MOVE_LEFT = 2,
    FS_MOVE_RIGHT = 3,
    FS_MOVE_UP = 4,
    FS_MOVE_DOWN = 5,
    FS_MOVE_DOWN_TRUCK_DOWN = 6,
    FS_MOVE_UP_TRUCK_UP = 7,
    FS_MOVE_UP_TRUCK_DOWN = 8,
    FS_ROCKET_JUMP = 9,
    FS_ROCKET_JUMP_BOARDING = 10,
    FS_CATCH_INSECT = 11,
    FS_PIERCED = 12,
    FS_KNOCKED_OVER = 13,
    FS_DROWN = 14,
    FS_FINISH = 15,
    FS_IN_GOAL = 16,
    FS_KILL_TRUCK_AQUARIUM = 17,
    FS_KILL_TRUCK_CEMENT_MIXER = 18,
    FS_KILL_TRUCK_CHEZ_FRED = 19,
    FS_KILL_TRUCK_ELECTRIC = 20,
    FS_KILL_TRUCK_GARBAGE = 21,
    FS_KILL_BOX_DROWN = 22,
    FS_KILL_BOX_BOMB = 23,
    FS_KILL_BOX_HAMMER = 24,
    FS_KILL_BOX_RED_BUTTON = 25,
    FS_KILL_PIRANHA = 26,
    FS_SHOW_DOWN_WAIT = 27,
    FS_SHOW_DOWN_FINISH = 28,
};

// State numbers 0 … 28 index the frog's tables (0: no state yet, nothing shown).
inline constexpr int kFrogStateCount = FS_SHOW_DOWN_FINISH + 1;
