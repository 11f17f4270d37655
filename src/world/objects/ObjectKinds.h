#pragma once

#include <span>

#include "gfx/SpriteRegistry.h"
#include "world/FrogState.h"

// Kind numbers of the objects on the tracks (the object's kind field, and the numbers the state
// dump shows). Road vehicles first, then what floats on the river.
enum TrackObjectKind : int {
    KIND_RAGTOP_OPEN = 0,
    KIND_RAGTOP_CLOSED = 1,
    KIND_SMALL_CAR = 2,
    KIND_TRUCK_GARBAGE = 3,
    KIND_TRUCK_CHEZ_FRED = 4,
    KIND_TRUCK_ELECTRIC = 5,
    KIND_TRUCK_AQUARIUM = 6,
    KIND_TRUCK_CEMENT_MIXER = 7,
    KIND_TRUNK = 8,
    KIND_BARREL = 9,
    KIND_HIPPO = 10,
    KIND_WATER_LILY = 11,
    KIND_BOX_HAMMER = 12,
    KIND_BOX_RED_BUTTON = 13,
    KIND_BOX_BOMB = 14,
    KIND_NONE = -1,  // the piranha, which no factory makes
};

// The class an object of the kind is, and so how it moves, blocks and treats the frog.
enum class KindFamily { Car, Truck, Trunk, Barrel, Hippo, WaterLily, Box };

// One record per object kind: what the factory builds, the sprites it shows, the settings it reads
// and what it does to the frog. The factory, the vehicles, the boxes, the frog's truck kills, the
// collision check, the sprite catalogue and the sound list all read it here, so a new truck livery
// is one row (with its settings in config.txt and its pictures and sounds from the generators).
struct ObjectKind {
    int kind;
    KindFamily family;
    const char* name;  // the object's name
    // Trucks: the first area whose roads carry the livery (the first area only garbage trucks).
    int firstArea = 0;
    // Road vehicles: settings prefixes of the size (<prefix>Width …), the draw offset and the
    // shadow offset; the driving and shadow sprites, and the sound of running the frog over.
    const char* extentPrefix = nullptr;
    const char* offsetPrefix = nullptr;
    const char* shadowPrefix = nullptr;
    const char* driveSprite = nullptr;
    int driveFrames = 0;
    const char* shadowSprite = nullptr;
    const char* crashSound = nullptr;
    // Trucks and boxes: the kill animation and the frog command that starts the frog's part of it.
    // Each of the five liveries has its own command number (the state dump shows it); the frog
    // takes its picture and sound from the truck's row, so a new livery may share one.
    const char* killSprite = nullptr;
    int killFrames = 0;  // trucks: the kill animation's frames (a box's is registered with the boxes)
    FrogState killCommand = FS_IDLE;
    // Trucks: the settings key of where the frog lands (from the centre, mirrored with the sprite),
    // the frog's kill sound, the frog's sprite during the kill (none: the frog seen by the
    // truck's direction), and a sprite drawn over the kill (the leg out of the mixer's drum).
    const char* frogOffsetKey = nullptr;
    const char* frogKillSound = nullptr;
    const char* frogKillSprite = nullptr;
    const char* killOverlaySprite = nullptr;
};

// Every kind, in kind order.
std::span<const ObjectKind> ObjectKinds();
// The record of a kind; null for a number no kind has.
const ObjectKind* FindObjectKind(int kind);
// True when the kind is of the family.
bool IsKindOf(int kind, KindFamily family);
// The catalogue rows of the road vehicles' own sprites, in kind order: each driving animation and
// each truck's kill animation (keyed durations, trimmed, looping while driving; vehicles drive
// either way, so each has a mirrored variant).
std::span<const SpriteRegistration> KindSpriteRegistrations();
