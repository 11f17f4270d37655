#pragma once

class Frog;
class GameContext;
class World;

// The frame's collision check, run after the frog and the areas have moved: time out, traffic,
// carried off the grid, water — in that order. True when the frog has just died (the caller then
// switches the game to its dying state).
bool CheckFrogCollisions(Frog& frog, World& world, GameContext& game);
