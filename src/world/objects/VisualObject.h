#pragma once

#include <string>
#include <string_view>

#include "world/Point.h"

class GameContext;

// Second base of everything drawn at a world position (always next to GameObject).
//
// x and y name the centre; width and height the full hit rectangle around it. The draw offset is
// added to the screen column and subtracted from the screen row (a positive offsetY lifts the
// sprite). An object draws only once it knows its game (SetContext); before that it is invisible
// but still answers hit tests.
class VisualObject {
public:
    VisualObject() = default;
    virtual ~VisualObject() = default;

    VisualObject(const VisualObject&) = delete;
    VisualObject& operator=(const VisualObject&) = delete;

    virtual void SetPosition(float x, float y);
    virtual void SetX(float x);
    virtual void Move(float dx, float dy);
    virtual void MoveX(float dx);
    virtual void MoveY(float dy);
    // Draws the sprite of GetSpriteName() with animTime as its clock; nothing without a sprite.
    virtual void Draw(float animTime, bool mirrored);
    // Called right after Draw by track objects and the piranha.
    virtual void PostDraw() {}
    // Centre-based rectangle test; edges count as inside.
    virtual bool Contains(int px, int py) const;
    // Catalogue key (normalised) of the sprite for the current state.
    virtual const std::string& GetSpriteName() const = 0;

    // Size from the integer settings prefix + "ObjectWidth" / prefix + "ObjectHeight".
    void LoadExtent(std::string_view prefix);
    // Draw offset from the integer settings prefix + "OffsetX" / prefix + "OffsetY".
    void LoadOffset(std::string_view prefix);
    // floor(value + 0.5) of each coordinate.
    IntPoint GetRoundedPosition() const;

    float GetX() const { return x_; }
    float GetY() const { return y_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    void SetExtent(int width, int height);
    int GetOffsetX() const { return offsetX_; }
    int GetOffsetY() const { return offsetY_; }
    void SetOffset(int x, int y);

    GameContext* GetContext() const { return context_; }
    void SetContext(GameContext* context) { context_ = context; }

    // Rounds a world coordinate to whole units the way every look-up does.
    static int Round(float v);
    // Screen point of a rounded world point under the given scroll position.
    static IntPoint ToScreen(IntPoint world, FloatPoint scroll);

protected:
    int offsetX_ = 0;
    int offsetY_ = 0;
    float x_ = 0.0f;
    float y_ = 0.0f;
    int width_ = 1;
    int height_ = 1;
    GameContext* context_ = nullptr;
};
