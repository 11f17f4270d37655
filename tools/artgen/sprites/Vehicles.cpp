// Cars and the vehicles' shadows.
#include <string>

#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "Paint.h"
#include "sprites/ObjectFrame.h"
#include "sprites/VehiclePainter.h"

using namespace paint;

namespace {

struct CarSpec {
    const char* sprite;
    const char* extentPrefix;
    const char* offsetPrefix;
    int frames;
    unsigned color;
    vehicles::Roof roof;
};

const CarSpec kCars[] = {
    {"RAGTOP_CLOSED_DRIVE", "ragTopClosed", "ragtopClosed", 3, 0x3a78d8, vehicles::Roof::Closed},
    {"RAGTOP_OPEN_DRIVE", "ragTopOpen", "ragtopOpen", 6, 0xe8413a, vehicles::Roof::Open},
    {"SMALL_CAR_DRIVE", "smallCar", "smallCar", 3, 0xf0c22e, vehicles::Roof::Bubble},
};

struct ShadowSpec {
    const char* sprite;
    const char* extentPrefix;
    const char* shadowPrefix;
    double radius;
};

const ShadowSpec kShadows[] = {
    {"SHADOW_RAGTOP", "ragTopOpen", "ragtop", 14},
    {"SHADOW_SMALL_CAR", "smallCar", "smallCar", 14},
    {"SHADOW_TRUCK", "truck", "truck", 8},
};

// Light from the top left throws every shadow this far to the lower right.
constexpr double kShadowShift = 5;

}  // namespace

RJ_ART_GENERATOR(DrawCars) {
    for (const CarSpec& car : kCars) {
        const ObjectFrame f = FrameFromOffsets(ctx, car.offsetPrefix);
        const double length = ctx.Int(std::string(car.extentPrefix) + "ObjectWidth");
        const double width = ctx.Int(std::string(car.extentPrefix) + "ObjectHeight");
        FrameStrip strip(f.width, f.height, car.frames);
        for (int i = 0; i < car.frames; ++i) {
            auto frame = strip.Frame(i);
            vehicles::DrawCar(frame.Cr(), f.cx, f.cy, length, width, car.color, car.roof, double(i) / car.frames);
        }
        CentreStrip(strip, f);
        ctx.WriteColorKeyed(car.sprite, strip);
    }
}

RJ_ART_GENERATOR(DrawVehicleShadows) {
    for (const ShadowSpec& shadow : kShadows) {
        const int offsetX = ctx.Int(std::string(shadow.shadowPrefix) + "ShadowOffsetX");
        const int offsetY = ctx.Int(std::string(shadow.shadowPrefix) + "ShadowOffsetY");
        const double length = ctx.Int(std::string(shadow.extentPrefix) + "ObjectWidth");
        const double width = ctx.Int(std::string(shadow.extentPrefix) + "ObjectHeight");
        // The vehicle's centre lies at (-offsetX, offsetY) of the shadow picture.
        const double cx = -offsetX + kShadowShift, cy = offsetY + kShadowShift;
        const int w = int(cx + length / 2 + 2), h = int(cy + width / 2 + 2);
        if (cx - length / 2 < 0 || cy - width / 2 < 0) {
            ctx.Fail(std::string(shadow.shadowPrefix) + "ShadowOffsetX/Y leave no room for the shadow");
            continue;
        }
        const Canvas canvas(w, h);
        RoundedRect(canvas.Cr(), cx - length / 2, cy - width / 2, length, width - 2, shadow.radius);
        Fill(canvas.Cr(), Hex(0x202020));
        ctx.WriteShadow(shadow.sprite, canvas);
    }
}
