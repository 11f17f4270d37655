#include "world/Frog.h"

#include "core/StringUtil.h"
#include "objects/Box.h"
#include "objects/TrackObject.h"

Frog::Frog() : GameObject("Frog") {}

void Frog::QueueCommand(int command) { pendingCommand_ = command; }

void Frog::SetCarrier(TrackObject* carrier) {
    TrackObject* old = carrier_;
    if (carrier != nullptr && carrier != old) carrier->OnFrogLanded(*this);
    if (old != nullptr && old != carrier) {
        old->OnFrogLeft(*this);
        old->SetFrogAboard(false);
    }
    carrier_ = carrier;
    if (carrier != nullptr) carrier->SetFrogAboard(true);
}

IntPoint Frog::GetMoveOffset() const { return {}; }

IntPoint Frog::GetVisiblePosition() const {
    const IntPoint p = GetRoundedPosition();
    const IntPoint offset = GetMoveOffset();
    return {p.x + offset.x, p.y + offset.y};
}

void Frog::ForgetObject(const TrackObject* object) {
    if (object == nullptr) return;
    if (carrier_ == object) SetCarrier(nullptr);
    if (target_ == object) target_ = nullptr;
    if (killingBox_ != nullptr && static_cast<const TrackObject*>(killingBox_) == object) {
        killingBox_ = nullptr;
    }
}

const std::string& Frog::GetSpriteName() const {
    static const std::string kIdle = MakeAssetKey("FROG_IDLE");
    return kIdle;
}
