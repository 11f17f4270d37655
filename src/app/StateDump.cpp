#include "app/StateDump.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "game/Game.h"
#include "game/GameScore.h"
#include "game/ScreenMessage.h"
#include "gfx/DirectDraw.h"
#include "world/objects/TrackObject.h"
#include "world/objects/WaterLilyGoal.h"
#include "world/Area.h"
#include "world/ObjectTrack.h"
#include "sound/SoundHelpers.h"
#include "world/Frog.h"
#include "world/World.h"

namespace {

// Builds one JSON object; keys in insertion order.
class JsonObject {
public:
    JsonObject& Raw(std::string_view key, const std::string& value) {
        text_ += text_.size() > 1 ? ",\"" : "\"";
        text_ += key;
        text_ += "\":";
        text_ += value;
        return *this;
    }
    JsonObject& Int(std::string_view key, long long value) { return Raw(key, std::to_string(value)); }
    JsonObject& Float(std::string_view key, double value) { return Raw(key, Number(value)); }
    JsonObject& Bool(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }
    JsonObject& Null(std::string_view key) { return Raw(key, "null"); }
    std::string Close() const { return text_ + "}"; }

    static std::string Number(double value) {
        if (!std::isfinite(value)) return "null";
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.6g", value);
        return buffer;
    }
    static std::string Quote(std::string_view text) {
        std::string out = "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\') out += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
                continue;
            }
            out += c;
        }
        return out + "\"";
    }

private:
    std::string text_ = "{";
};

std::string Pair(double x, double y) { return "[" + JsonObject::Number(x) + "," + JsonObject::Number(y) + "]"; }

std::string DescribeFrog(Frog& frog) {
    const IntPoint visible = frog.GetVisiblePosition();
    const TrackObject* carrier = frog.GetCarrier();
    return JsonObject()
        .Int("state", frog.GetState())
        .Float("x", frog.GetX())
        .Float("y", frog.GetY())
        .Int("vx", visible.x)
        .Int("vy", visible.y)
        .Int("carrier", carrier ? carrier->GetKind() : -1)
        .Bool("done", frog.IsAnimationDone())
        .Close();
}

std::string DescribeTracks(const World& world) {
    std::string out = "[";
    bool firstArea = true;
    for (const auto& area : world.DescribeTracks()) {
        out += firstArea ? "[" : ",[";
        firstArea = false;
        bool firstTrack = true;
        for (const auto& track : area) {
            out += firstTrack ? "[" : ",[";
            firstTrack = false;
            for (size_t i = 0; i < track.size(); ++i) out += (i ? "," : "") + std::to_string(track[i]);
            out += "]";
        }
        out += "]";
    }
    return out + "]";
}

}  // namespace

std::string DescribeGameState(Game& game, int tick, const std::vector<std::string>& soundsStarted) {
    JsonObject json;
    json.Int("tick", tick).Int("state", game.GetState());
    World* world = game.GetWorldIfAny();
    if (world) {
        const LevelInfo& level = world->GetLevelInfo();
        json.Int("level", level.levelIndex)
            .Float("time", level.timeLeftSeconds)
            .Int("lives", level.frogLifes)
            .Int("frogsLeft", level.frogsLeftToGoal)
            .Int("bonusLeft", level.bonusLifesLeft);
    } else {
        json.Null("level").Null("time").Null("lives").Null("frogsLeft").Null("bonusLeft");
    }
    const GameScore& score = GameScore::Instance();
    json.Int("score", score.Score())
        .Int("shown", static_cast<long long>(score.DisplayedScore()))
        .Int("stars", score.StarsCollected());
    const ScreenMessage& message = ScreenMessage::Instance();
    if (message.Visible()) {
        json.Raw("message", "[" + JsonObject::Quote(message.Line1()) + "," + JsonObject::Quote(message.Line2()) + "]");
    } else {
        json.Null("message");
    }
    if (Frog* frog = game.GetFrog()) {
        json.Raw("frog", DescribeFrog(*frog));
    } else {
        json.Null("frog");
    }
    if (world) {
        const FloatPoint scroll = world->GetScroller().GetPosition();
        json.Raw("scroll", Pair(scroll.x, scroll.y));
        if (const WaterLilyGoal* goal = world->GetGoal()) {
            json.Raw("goal", Pair(goal->GetX(), goal->GetY()));
        } else {
            json.Null("goal");
        }
        json.Int("insects", static_cast<long long>(game.GetInsects().size())).Raw("tracks", DescribeTracks(*world));
        // The first track's speed shows the traffic speed-up per frog home.
        const auto& areas = world->GetAreas();
        if (!areas.empty() && !areas.front()->GetTracks().empty()) {
            json.Float("trackSpeed", areas.front()->GetTracks().front()->GetSpeed());
        } else {
            json.Null("trackSpeed");
        }
    } else {
        json.Null("scroll").Null("goal").Null("insects").Null("tracks");
    }
    json.Bool("transition", DirectDraw::Instance().IsTransitionActive())
        .Bool("music", IsSfxPlaying("SOUND_THEME", false));
    std::string sounds = "[";
    for (size_t i = 0; i < soundsStarted.size(); ++i) sounds += (i ? "," : "") + JsonObject::Quote(soundsStarted[i]);
    json.Raw("sounds", sounds + "]");
    return json.Close();
}
