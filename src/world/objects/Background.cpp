#include "world/objects/Background.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"
#include "gfx/SpriteManager.h"
#include "world/objects/BackgroundSprite.h"
#include "world/LevelInfo.h"
#include "world/Screen.h"

namespace {

// The world picture decoded during the loading and the name it was decoded from, until a level
// start takes it.
struct PreloadedPicture {
    std::string key;
    std::unique_ptr<Image> picture;
};

PreloadedPicture& Preloaded() {
    static PreloadedPicture preloaded;
    return preloaded;
}

}  // namespace

Background::Background() : GameObject("Background"), self_(std::make_shared<Background*>(this)) {}

Background::~Background() = default;

std::string Background::PictureName(int levelIndex) { return StringFormat("BACKGROUND_WORLD_%02d", levelIndex); }

void Background::PreloadWorldPicture(int levelIndex) {
    const std::string key = MakeAssetKey(PictureName(levelIndex));
    FileLoader& files = FileLoader::Instance();
    if (!files.FileExistsWithExtension(key, ".bmp") && !files.FileExistsWithExtension(key, ".jpg")) return;
    Preloaded() = PreloadedPicture{key, LoadImage(key, true)};
}

bool Background::Load(const LevelInfo& level, int cellHeight) {
    // The world picture is decoded once and kept for every later level and game: each level is cut
    // from it at its own height, and the closing scroll after the last level is cut one level higher.
    if (!worldPicture_) {
        const std::string key = MakeAssetKey(PictureName(level.levelIndex));
        if (Preloaded().picture && Preloaded().key == key) worldPicture_ = std::move(Preloaded().picture);
        Preloaded() = PreloadedPicture{};
    }
    if (!worldPicture_) {
        const std::string key = MakeAssetKey(PictureName(level.levelIndex));
        FileLoader& files = FileLoader::Instance();
        if (!files.FileExistsWithExtension(key, ".bmp") && !files.FileExistsWithExtension(key, ".jpg")) {
            std::fprintf(stderr, "%s%s.bmp or .jpg: no such picture; the level has no background\n",
                         FileLoader::kDataFolder, key.c_str());
            return false;
        }
        worldPicture_ = LoadImage(key, true);
        if (!worldPicture_) return false;
    }
    int height = (level.numVisibleAreas * level.numCellsPerArea + level.numCellsStartStrip) * cellHeight;
    if (level.levelIndex <= LevelInfo::kLastLevelIndex) height += cellHeight;
    if (height < kScreenHeight) height = kScreenHeight;

    // Each level's picture starts that many areas higher up in the world picture.
    const int base = level.levelIndex * level.numCellsPerArea * cellHeight;
    const int worldHeight = worldPicture_->GetHeight();
    const int top = worldHeight - base - height;
    auto levelPicture = std::make_unique<Image>();
    if (!levelPicture->Create(kScreenWidth, height, worldPicture_->GetBitsPerPixel())) return false;
    const int bytes = worldPicture_->GetBitsPerPixel() / 8;
    const int columns = std::min(kScreenWidth, worldPicture_->GetWidth());
    for (int row = 0; row < height; ++row) {
        const int source = top + row;
        // Rows the world picture lacks stay black.
        if (source < 0 || source >= worldHeight || bytes <= 0) continue;
        std::memcpy(levelPicture->PixelAddress(0, row), worldPicture_->PixelAddress(0, source),
                    static_cast<size_t>(columns) * static_cast<size_t>(bytes));
    }
    return Install(std::move(levelPicture));
}

bool Background::Install(std::unique_ptr<Image> levelPicture) {
    if (!levelPicture) return false;
    const int height = levelPicture->GetHeight();
    SpriteManager& catalogue = SpriteManager::Instance();
    if (BackgroundSprite* sprite = FindSprite()) {
        // A new level takes the sprite over: the old level picture goes now, not at exit.
        sprite->SetPicture(std::move(levelPicture));
    } else {
        auto made = std::make_unique<BackgroundSprite>();
        if (!made->Create(std::move(levelPicture), kScreenWidth, kScreenHeight)) return false;
        sprite_ = static_cast<BackgroundSprite*>(catalogue.AddSprite(MakeAssetKey(kSpriteName), std::move(made)));
    }
    pictureHeight_ = height;
    loaded_ = true;
    catalogue.SetRestoreHook([weak = std::weak_ptr<Background*>(self_)] {
        if (const std::shared_ptr<Background*> background = weak.lock(); background && (*background)->loaded_) {
            (*background)->Refresh();
        }
    });
    // Force the full copy: SetScroll to the position held would do nothing.
    scrollX_ = prevScrollX_ = 0;
    scrollY_ = prevScrollY_ = 0;
    Refresh();
    return true;
}

BackgroundSprite* Background::FindSprite() const {
    if (sprite_ == nullptr) return nullptr;
    // The catalogue may have dropped it (invalid surface): then there is nothing to draw.
    return SpriteManager::Instance().FindSprite(MakeAssetKey(kSpriteName)) == sprite_ ? sprite_ : nullptr;
}

int Background::TopPictureRow() const { return pictureHeight_ - kScreenHeight - scrollY_; }

void Background::SetScroll(int x, int y) {
    if (x == scrollX_ && y == scrollY_) return;
    BackgroundSprite* sprite = FindSprite();
    if (sprite == nullptr) return;
    const int dy = y - scrollY_;
    prevScrollX_ = scrollX_;
    prevScrollY_ = scrollY_;
    scrollX_ = x;
    scrollY_ = y;
    ringOffset_ -= dy;
    // The view does not scroll sideways: a new x copies nothing.
    if (x != prevScrollX_) return;
    if (std::abs(dy) >= kScreenHeight) {
        Refresh();
        return;
    }
    ringOffset_ = ((ringOffset_ % kScreenHeight) + kScreenHeight) % kScreenHeight;
    if (dy > 0) {
        CopyScreenRows(*sprite, 0, dy);  // up: rows appear at the top
    } else {
        CopyScreenRows(*sprite, kScreenHeight + dy, -dy);  // down: at the bottom
    }
}

void Background::CopyScreenRows(BackgroundSprite& sprite, int firstScreenRow, int count) {
    const int firstRing = (ringOffset_ + firstScreenRow) % kScreenHeight;
    const int firstPictureRow = TopPictureRow() + firstScreenRow;
    // The band may wrap past the end of the ring: then it is two copies.
    const int head = std::min(count, kScreenHeight - firstRing);
    sprite.UploadRows(firstRing, head, firstPictureRow);
    if (count > head) sprite.UploadRows(0, count - head, firstPictureRow + head);
    rowsCopied_ += count;
}

void Background::Refresh() {
    BackgroundSprite* sprite = FindSprite();
    ringOffset_ = 0;
    if (sprite == nullptr) return;
    sprite->UploadWindow(TopPictureRow());
    rowsCopied_ += kScreenHeight;
}

void Background::Update(float dt) {
    GameObject::Update(dt);
    Draw();
}

void Background::Draw() {
    BackgroundSprite* sprite = FindSprite();
    if (sprite == nullptr) return;
    sprite->DrawBand(ringOffset_, kScreenHeight - ringOffset_, 0);
    if (ringOffset_ >= 1) sprite->DrawBand(0, ringOffset_, kScreenHeight - ringOffset_);
}
