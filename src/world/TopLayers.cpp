#include "world/TopLayers.h"

#include <string>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "world/objects/SpriteDrawing.h"
#include "world/objects/VisualObject.h"
#include "world/GameContext.h"
#include "world/Screen.h"

namespace {
void Load(std::vector<IntPoint>& layer, const char* countKey, const char* xKey, const char* yKey, int levelIndex) {
    SettingsManager& settings = SettingsManager::Instance();
    layer.clear();
    const int count = settings.GetInt(countKey);
    for (int i = 0; i < count; ++i) {
        const int x = settings.GetInt(IndexedKey(xKey, i));
        const int y = settings.GetInt(IndexedKey(yKey, i));
        layer.push_back({x, y - levelIndex * TopLayers::kLevelShift});
    }
}
}  // namespace

void TopLayers::LoadTopLayers(int levelIndex) {
    Load(topLayer_, "numSpritesInTopLayer", "topLayerOffsetX", "topLayerOffsetY", levelIndex);
    Load(roadTopLayer_, "numSpritesInRoadTopLayer", "roadTopLayerOffsetX", "roadTopLayerOffsetY", levelIndex);
}

void TopLayers::DrawTopLayer(GameContext& game) const { Draw(game, topLayer_, "TOP_LAYER_"); }

void TopLayers::DrawRoadTopLayer(GameContext& game) const { Draw(game, roadTopLayer_, "ROAD_TOP_LAYER_"); }

void TopLayers::Draw(GameContext& game, const std::vector<IntPoint>& layer, const char* prefix) {
    const FloatPoint scroll = game.GetScrollPosition();
    for (size_t i = 0; i < layer.size(); ++i) {
        Sprite* sprite = game.GetSprite(MakeAssetKey(IndexedKey(prefix, static_cast<int>(i))), false);
        if (sprite == nullptr) continue;
        const IntPoint corner = VisualObject::ToScreen(layer[i], scroll);
        sprite_drawing::DrawAt(*sprite, 0.0f, false, corner.x, corner.y - sprite_drawing::Height(*sprite),
                               sprite_drawing::kAtPoint);
    }
}
