#pragma once

#include <cstdint>
#include <string>

// How a catalogue sprite is built from its files. The numbers are part of the registration data;
// a spec may carry any other number, which the catalogue refuses when it builds the sprite.
enum class SpriteKind : int32_t {
    Still = 0,      // one picture: colour-keyed surface, or alpha-blended with an "Alpha" picture
    Shadow = 1,     // 1-bit picture whose set bits darken the screen
    Animated = 2,   // frames stacked vertically, each a still sprite
    RunLength = 3,  // frames stacked vertically, stored run-length encoded, decoded when shown
};

// What the catalogue knows about a sprite before it is built.
struct SpriteSpec {
    std::string name;   // normalised (MakeAssetKey): also the base name of the sprite's files
    bool trim = false;  // crop every frame to its non-black content
    SpriteKind kind = SpriteKind::Still;
    int32_t frameCount = 1;    // frames stacked vertically in the picture
    float duration = 1.0f;     // seconds for one pass of the animation
    bool hasMirrored = false;  // the mirrored variant is built at preload as well
    bool loop = false;
};
