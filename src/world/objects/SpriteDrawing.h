#pragma once

class Sprite;

// The few sprite operations the world's objects use, in one place.
namespace sprite_drawing {

// Sprite draw flags: objects draw at a point; the truck's star is centred on it.
constexpr int kAtPoint = 0x4;
constexpr int kCentredAtPoint = 0x24;

// Sets the sprite's animation clock (unless setClock is false) and draws it with its top left
// (or centre, with kCentredAtPoint) at the screen point.
void DrawAt(Sprite& sprite, float animTime, bool setClock, int x, int y, int flags);

// Seconds of one pass of the sprite's animation; 0 without a sprite.
float AnimationLength(const Sprite* sprite);

int Height(const Sprite& sprite);

}  // namespace sprite_drawing
