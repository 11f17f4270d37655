#pragma once

#include <memory>
#include <string>

#include "world/objects/GameObject.h"

class BackgroundSprite;
class Image;
class LevelInfo;

// The level's picture, scrolled vertically without copying the whole screen each frame: a
// screen-sized ring of rows receives only the rows that come into view, and is drawn in two
// bands. The ring and the level picture form the catalogue sprite "BACKGROUND".
//
// What every call keeps: screen row k shows row (pictureHeight − screen height − scrollY) + k
// of the level picture (picture rows count from the top, world y from the bottom).
class Background final : public GameObject {
public:
    static constexpr const char* kSpriteName = "BACKGROUND";

    Background();
    ~Background() override;

    // Cuts the current level's picture from the world picture (decoded at the first call and kept)
    // and installs it. False when there is no world picture at all; the old sprite stays.
    bool Load(const LevelInfo& level, int cellHeight);
    // Installs a level picture (display format, screen width wide) and shows its bottom. The
    // catalogue's "BACKGROUND" sprite is made once and takes each later level picture over.
    bool Install(std::unique_ptr<Image> levelPicture);
    // The rounded scroll position; only vertical scrolling moves the picture.
    void SetScroll(int x, int y);
    // Advances the state time and draws.
    void Update(float dt) override;
    void Draw();
    // Copies the whole visible window again (also after the display lost its surfaces).
    void Refresh();

    bool IsLoaded() const { return loaded_; }
    int GetScrollX() const { return scrollX_; }
    int GetScrollY() const { return scrollY_; }
    int GetRingOffset() const { return ringOffset_; }
    int GetPictureHeight() const { return pictureHeight_; }
    // Picture rows copied into the ring since construction (the cost of scrolling).
    long GetRowsCopied() const { return rowsCopied_; }

    // Picture name of a level ("BACKGROUND_WORLD_02").
    static std::string PictureName(int levelIndex);
    // Decodes the world picture of `levelIndex` during the loading, for the first Load of that
    // level to take over instead of decoding it while a new game starts. Nothing when the picture
    // is not there (the level start says so); an unreadable one asks to quit, as Load would.
    static void PreloadWorldPicture(int levelIndex);

private:
    BackgroundSprite* FindSprite() const;
    // Copies picture rows for `count` screen rows from screen row firstScreenRow on.
    void CopyScreenRows(BackgroundSprite& sprite, int firstScreenRow, int count);
    int TopPictureRow() const;

    int scrollX_ = 0;
    int scrollY_ = 0;
    int prevScrollX_ = 0;
    int prevScrollY_ = 0;
    int pictureHeight_ = 0;
    int ringOffset_ = 0;
    bool loaded_ = false;
    std::unique_ptr<Image> worldPicture_;
    BackgroundSprite* sprite_ = nullptr;
    long rowsCopied_ = 0;
    // The catalogue's restore hook reaches the background through this, so a background that
    // is gone (whichever of the two goes first at exit) is simply not called.
    std::shared_ptr<Background*> self_;
};
