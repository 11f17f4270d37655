#include "world/objects/SpriteDrawing.h"

#include "gfx/DrawParams.h"
#include "gfx/Sprite.h"

namespace sprite_drawing {

void DrawAt(Sprite& sprite, float animTime, bool setClock, int x, int y, int flags) {
    if (setClock) sprite.SetTime(animTime);
    DrawParams params;
    params.flags = static_cast<uint32_t>(flags);
    params.dstX = x;
    params.dstY = y;
    sprite.Draw(params);
}

float AnimationLength(const Sprite* sprite) { return sprite != nullptr ? sprite->GetDuration() : 0.0f; }

int Height(const Sprite& sprite) { return sprite.GetHeight(); }

}  // namespace sprite_drawing
