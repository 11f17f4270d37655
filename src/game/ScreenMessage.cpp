#include "game/ScreenMessage.h"

#include <cmath>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"

namespace {
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// Popups drift upwards at half their sideways speed.
constexpr float kPopupRiseFactor = 0.5f;
}  // namespace

bool ScreenMessage::Init() {
    SettingsManager& s = SettingsManager::Instance();
    messageInterval_ = s.GetFloat("messageInterval");
    vertOffsetMessageLine1_ = s.GetInt("vertOffsetMessageLine1");
    vertOffsetMessageLine2_ = s.GetInt("vertOffsetMessageLine2");
    scoreDisplayTime_ = static_cast<float>(s.GetInt("scoreDisplayTime"));
    scoreScrollSpeed_ = static_cast<float>(s.GetInt("scoreScrollSpeed"));
    // The point values in these texts are fixed; only the star bonus follows its key.
    texts_ = Texts{"Level geschafft!",
                   "200 Punkte!",
                   "Bonus Leben!",
                   "",
                   "Stern Bonus!",
                   StringFormat("%i Punkte!", s.GetInt("starScoreBonus")),
                   "Truck To Truck Travel!",
                   "100 Punkte!",
                   "Deine Zeit ist abgelaufen!",
                   ""};
    return true;
}

void ScreenMessage::Clear() {
    line1_.clear();
    line2_.clear();
    visible_ = false;
    elapsed_ = 0.0f;
    popups_.clear();
}

void ScreenMessage::Show(const std::string& line1, const std::string& line2) {
    line1_ = line1;
    line2_ = line2;
    visible_ = true;
    elapsed_ = 0.0f;
    Font& font = HUDFont::Instance();
    line1X_ = (kScreenWidth - font.TextWidth(line1_)) / 2;
    line2X_ = (kScreenWidth - font.TextWidth(line2_)) / 2;
    line1Y_ = vertOffsetMessageLine1_;
    line2Y_ = vertOffsetMessageLine2_;
}

void ScreenMessage::AddScorePopup(int x, int y, int value) {
    popups_.push_back({0.0f, static_cast<float>(x), static_cast<float>(y), value});
}

void ScreenMessage::Update(float dt) {
    if (visible_) {
        elapsed_ += dt;
        if (elapsed_ > messageInterval_) {
            line1_.clear();
            line2_.clear();
            visible_ = false;
            elapsed_ = 0.0f;
        } else {
            Font& font = HUDFont::Instance();
            font.DrawText(line1X_, line1Y_, line1_, false);
            font.DrawText(line2X_, line2Y_, line2_, false);
        }
    }
    for (auto it = popups_.begin(); it != popups_.end();) {
        it->age += dt;
        it->x += dt * scoreScrollSpeed_;
        it->y += dt * scoreScrollSpeed_ * kPopupRiseFactor;
        if (it->age > scoreDisplayTime_) {
            it = popups_.erase(it);
            continue;
        }
        const int x = static_cast<int>(std::floor(it->x + 0.5f));
        const int y = kScreenHeight - static_cast<int>(std::floor(it->y + 0.5f));
        ScoreFont::Instance().DrawText(x, y, StringFormat("%d", it->value), false);
        ++it;
    }
}
