#include "world/GameSprites.h"

#include "world/objects/ObjectKinds.h"

std::vector<SpriteRegistration> GameSpriteRegistrations() {
    std::vector<SpriteRegistration> rows(SpriteRegistrations().begin(), SpriteRegistrations().end());
    rows.insert(rows.end(), KindSpriteRegistrations().begin(), KindSpriteRegistrations().end());
    return rows;
}

bool RegisterGameSprites(SpriteManager& manager) { return RegisterSprites(manager, GameSpriteRegistrations()); }
