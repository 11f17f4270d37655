#include "world/objects/Car.h"

#include <iterator>
#include <utility>

#include "core/StringUtil.h"

Car::Car(std::string name, int kind) : RoadObject(std::move(name), kind) {}

bool Car::AttachToTrack(ObjectTrack& track, bool randomX) {
    RoadObject::AttachToTrack(track, randomX);
    if (const RoadKindInfo* info = KindInfo(kind_)) {
        LoadExtent(info->extentPrefix);
        LoadShadowOffset(info->shadowPrefix);
        LoadOffset(info->offsetPrefix);
    }
    return true;
}

bool Car::IsBlocking(int px, int py) const { return Contains(px, py); }

const std::string& Car::GetSpriteName() const {
    static const std::string kDrive[] = {MakeAssetKey(KindInfo(KIND_RAGTOP_OPEN)->driveSprite),
                                         MakeAssetKey(KindInfo(KIND_RAGTOP_CLOSED)->driveSprite),
                                         MakeAssetKey(KindInfo(KIND_SMALL_CAR)->driveSprite)};
    static const std::string kInvisible = MakeAssetKey("INVISIBLE_OBJECT");
    if (state_ == kStateDriving && kind_ >= 0 && kind_ < static_cast<int>(std::size(kDrive))) {
        return kDrive[kind_];
    }
    return kInvisible;
}
