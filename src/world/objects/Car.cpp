#include "world/objects/Car.h"

#include <string>
#include <utility>
#include <vector>

#include "core/StringUtil.h"

Car::Car(std::string name, int kind) : RoadObject(std::move(name), kind) {}

bool Car::AttachToTrack(ObjectTrack& track, bool randomX) {
    RoadObject::AttachToTrack(track, randomX);
    if (const ObjectKind* record = KindRecord()) {
        LoadExtent(record->extentPrefix);
        LoadShadowOffset(record->shadowPrefix);
        LoadOffset(record->offsetPrefix);
    }
    return true;
}

bool Car::IsBlocking(int px, int py) const { return Contains(px, py); }

const std::string& Car::GetSpriteName() const {
    static const std::vector<std::string> kDrive = [] {
        std::vector<std::string> keys;
        for (const ObjectKind& record : ObjectKinds()) {
            keys.push_back(record.driveSprite != nullptr ? MakeAssetKey(record.driveSprite) : std::string());
        }
        return keys;
    }();
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    if (state_ == kStateDriving && IsKindOf(kind_, KindFamily::Car)) return kDrive[kind_];
    return kInvisible;
}
