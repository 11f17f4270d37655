#pragma once

#include "gfx/DrawParams.h"
#include "gfx/Rect.h"

// A drawable picture with its own drawing technique. Sprites come from the catalogue
// (SpriteManager), which owns them; every object showing the same picture draws the same sprite.
// An animated sprite therefore takes its clock from the caller: write SetTime right before Draw.
//
// Every draw goes to the display's current draw target (DirectDraw::GetDrawTarget), cut to the
// 800 × 600 screen. A draw that finds the display's surfaces lost asks the catalogue to restore
// them and is skipped; the catalogue then calls Restore on every sprite before the next frame.
class Sprite {
public:
    Sprite() = default;
    virtual ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // 1 for still sprites, the number of frames for animated ones.
    virtual int GetFrameCount() const = 0;
    virtual void Draw(const DrawParams& params) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    // Rebuilds surface contents after the display lost its surfaces.
    virtual void Restore() = 0;

    // Shortcuts that build the DrawParams.
    void Draw(int x, int y);
    void DrawCentered(int x, int y);
    void DrawStretched(int x, int y, int width, int height);
    void DrawRegion(const Rect& source, int x, int y);
    void DrawRegionStretched(const Rect& source, const Rect& destination);

    float GetDuration() const { return duration_; }
    void SetDuration(float seconds) { duration_ = seconds; }
    float GetTime() const { return time_; }
    void SetTime(float seconds) { time_ = seconds; }

protected:
    float duration_ = 0.0f;  // seconds for one pass of the animation; 0 for still sprites
    float time_ = 0.0f;      // the animation clock in seconds
};
