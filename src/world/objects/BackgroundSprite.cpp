#include "world/objects/BackgroundSprite.h"

#include <utility>

#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/Rect.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

BackgroundSprite::BackgroundSprite() = default;

BackgroundSprite::~BackgroundSprite() = default;

bool BackgroundSprite::Create(std::unique_ptr<Image> levelPicture, int width, int height) {
    if (!levelPicture) return false;
    picture_ = std::move(levelPicture);
    return surface_.Create(width, height);
}

void BackgroundSprite::SetPicture(std::unique_ptr<Image> levelPicture) {
    if (levelPicture) picture_ = std::move(levelPicture);
}

void BackgroundSprite::Draw(const DrawParams& params) { DrawBand(0, GetHeight(), params.dstY); }

void BackgroundSprite::Restore() { surface_.Restore(); }

void BackgroundSprite::UploadRows(int firstRingRow, int count, int firstPictureRow) {
    if (!picture_ || count <= 0) return;
    const Rect band{0, firstRingRow, surface_.GetWidth() - 1, firstRingRow + count - 1};
    surface_.UploadRect(*picture_, 0, firstPictureRow - firstRingRow, band);
}

void BackgroundSprite::UploadWindow(int firstPictureRow) {
    if (picture_) surface_.Upload(*picture_, 0, firstPictureRow);
}

void BackgroundSprite::DrawBand(int firstRingRow, int count, int screenY) {
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    platform::DisplaySurface* source = surface_.Get();
    if (target == nullptr || source == nullptr || count <= 0) return;
    const platform::DisplayRect band{0, firstRingRow, surface_.GetWidth(), firstRingRow + count};
    const platform::DisplayResult result = target->BltFast(0, screenY, *source, &band, platform::BlitKey::None);
    if (result == platform::DDERR_SURFACELOST) SpriteManager::Instance().RequestRestore();
}
