#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "core/Singleton.h"

// One two-line message in the middle of the screen for a fixed time, and the small score numbers
// that drift away from where points were earned. Drawn by the HUD every frame it is drawn.
class ScreenMessage final : public Singleton<ScreenMessage> {
public:
    struct Popup {
        float age = 0.0f;
        float x = 0.0f;
        float y = 0.0f;  // view position, y upwards
        int32_t value = 0;
    };

    // The fixed texts of the game's events (line 1 / line 2).
    struct Texts {
        std::string levelDone1, levelDone2;
        std::string bonusLife1, bonusLife2;
        std::string starBonus1, starBonus2;
        std::string truckToTruck1, truckToTruck2;
        std::string timeUp1, timeUp2;
    };

    bool Init();
    void Clear();
    // Replaces whatever is shown; there is no queue.
    void Show(const std::string& line1, const std::string& line2);
    void AddScorePopup(int x, int y, int value);
    // Advances the message and the popups and draws them.
    void Update(float dt);

    bool Visible() const { return visible_; }
    const std::string& Line1() const { return line1_; }
    const std::string& Line2() const { return line2_; }
    int Line1X() const { return line1X_; }
    const std::list<Popup>& Popups() const { return popups_; }
    const Texts& Fixed() const { return texts_; }

private:
    friend class Singleton<ScreenMessage>;
    ScreenMessage() = default;

    std::string line1_, line2_;
    bool visible_ = false;
    float elapsed_ = 0.0f;
    float messageInterval_ = 0.0f;
    int line1X_ = 0, line1Y_ = 0, line2X_ = 0, line2Y_ = 0;
    int vertOffsetMessageLine1_ = 0, vertOffsetMessageLine2_ = 0;
    float scoreDisplayTime_ = 0.0f;
    float scoreScrollSpeed_ = 0.0f;
    Texts texts_;
    std::list<Popup> popups_;
};
