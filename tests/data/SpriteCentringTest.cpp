// The generated pictures against config.txt: objects are drawn with the sprite's top-left corner
// at their centre plus the configured offsets, so the art of every object's first frame must be
// centred on the object and about as large as its hit rectangle, and every jump's frames must
// start on the frog and end on its landing spot.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"
#include "gfx/ImageUtil.h"
#include "gfx/Rect.h"
#include "world/GameSprites.h"

namespace {

constexpr double kCentreTolerance = 2.0;
constexpr double kTravelTolerance = 3.0;
// "Roughly fills": the art may overhang its hit rectangle (wheels, legs) or keep inside it.
constexpr double kMinFill = 0.6;
constexpr double kMaxFill = 1.6;

class SpriteCentringTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        // Other suites of this program may have used another root first.
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt"));
    }

    static int Int(const std::string& key) {
        EXPECT_TRUE(SettingsManager::Instance().HasKey(key)) << key;
        return SettingsManager::Instance().GetInt(key);
    }
    // Keys the game reads as floats and truncates.
    static int TruncatedFloat(const std::string& key) {
        EXPECT_TRUE(SettingsManager::Instance().HasKey(key)) << key;
        return static_cast<int>(SettingsManager::Instance().GetFloat(key));
    }

    static int FrameCount(const std::string& name) {
        for (const SpriteRegistration& row : GameSpriteRegistrations()) {
            if (MakeAssetKey(row.name) == name) return row.frameCount;
        }
        ADD_FAILURE() << name << " is not registered";
        return 1;
    }

    // Visible box of one frame of a sprite's picture, as the catalogue trims it (magenta is
    // transparent).
    static Rect FrameBox(const std::string& spriteName, int frame, bool mirrored) {
        const std::string name = MakeAssetKey(spriteName);
        std::unique_ptr<Image> strip = LoadImage(name, false);
        if (!strip) {
            ADD_FAILURE() << name << " has no picture";
            return {};
        }
        EXPECT_EQ(strip->GetBitsPerPixel(), 24) << name;
        const int frames = FrameCount(name);
        EXPECT_EQ(strip->GetHeight() % frames, 0) << name << ": height not a multiple of its frames";
        const int frameHeight = strip->GetHeight() / frames;
        ImageUtil::Instance().RemapTransparentColor(*strip);
        if (mirrored) strip->MirrorHorizontally();
        Image single;
        EXPECT_TRUE(single.Create(strip->GetWidth(), frameHeight, 24));
        const int index = frame < 0 ? frames - 1 : frame;
        EXPECT_TRUE(ImageUtil::Instance().CopyRect(
            *strip, single, {0, index * frameHeight, strip->GetWidth() - 1, (index + 1) * frameHeight - 1}, 0, 0));
        return ImageUtil::Instance().GetBoundingBox(single);
    }

    // Where the box's middle lands relative to the object's centre when drawn at the offsets:
    // x to the right, y upwards, in world units.
    static void ExpectCentredAt(const Rect& box, int offsetX, int offsetY, double worldX, double worldY,
                                double tolerance, const std::string& what) {
        const double midX = offsetX + (box.left + box.right + 1) / 2.0;
        const double midY = offsetY - (box.top + box.bottom + 1) / 2.0;
        EXPECT_NEAR(midX, worldX, tolerance) << what << ": art's middle is off horizontally";
        EXPECT_NEAR(midY, worldY, tolerance) << what << ": art's middle is off vertically";
    }
};

struct ObjectCase {
    const char* sprite;
    const char* extentPrefix;  // nullptr: the fixed extent below
    const char* offsetX;
    const char* offsetY;
    bool floatOffsets;
    bool mirrored;
    int fixedWidth;
    int fixedHeight;
};

const ObjectCase kObjects[] = {
    {"RAGTOP_OPEN_DRIVE", "ragTopOpen", "ragtopOpenOffsetX", "ragtopOpenOffsetY", false, true, 0, 0},
    {"RAGTOP_CLOSED_DRIVE", "ragTopClosed", "ragtopClosedOffsetX", "ragtopClosedOffsetY", false, true, 0, 0},
    {"SMALL_CAR_DRIVE", "smallCar", "smallCarOffsetX", "smallCarOffsetY", false, false, 0, 0},
    {"TRUCK_GARBAGE_DRIVE", "truck", "truckGarbageOffsetX", "truckGarbageOffsetY", false, true, 0, 0},
    {"TRUCK_CHEZ_FRED_DRIVE", "truck", "truckChezFredOffsetX", "truckChezFredOffsetY", false, false, 0, 0},
    {"TRUCK_ELECTRIC_DRIVE", "truck", "truckElectricOffsetX", "truckElectricOffsetY", false, false, 0, 0},
    {"TRUCK_AQUARIUM_DRIVE", "truck", "truckAquariumOffsetX", "truckAquariumOffsetY", false, true, 0, 0},
    {"TRUCK_CEMENT_MIXER_DRIVE", "truck", "truckCementMixerOffsetX", "truckCementMixerOffsetY", false, false, 0, 0},
    {"TRUNK_SWIMMING", "trunk", "trunkOffsetX", "trunkOffsetY", false, false, 0, 0},
    {"BARREL_SWIMMING", "barrel", "barrelOffsetX", "barrelOffsetY", false, false, 0, 0},
    {"WATER_LILY_SWIMMING", "waterLily", "waterLilyOffsetX", "waterLilyOffsetY", false, false, 0, 0},
    {"HIPPO_SWIMMING", "hippo", "hippoOffsetX", "hippoOffsetY", false, false, 0, 0},
    {"HIPPO_SWIMMING", "hippo", "hippoOffsetX", "hippoOffsetY", false, true, 0, 0},
    {"BOX_SWIMMING", "box", "boxOffsetX", "boxOffsetY", true, false, 0, 0},
    {"PIRANHA_SWIMMING", nullptr, "piranhaOffsetX", "piranhaOffsetY", false, true, 32, 32},
    {"WATER_LILY_GOAL", "waterLilyGoal", "waterLilyGoalOffsetX", "waterLilyGoalOffsetY", false, false, 0, 0},
};

TEST_F(SpriteCentringTest, EveryObjectsArtIsCentredOnItAndFillsItsExtent) {
    for (const ObjectCase& c : kObjects) {
        const std::string what = std::string(c.sprite) + (c.mirrored ? " mirrored" : "");
        const int offsetX = c.floatOffsets ? TruncatedFloat(c.offsetX) : Int(c.offsetX);
        const int offsetY = c.floatOffsets ? TruncatedFloat(c.offsetY) : Int(c.offsetY);
        const Rect box = FrameBox(c.sprite, 0, c.mirrored);
        ExpectCentredAt(box, offsetX, offsetY, 0, 0, kCentreTolerance, what);
        const int width = c.extentPrefix ? Int(std::string(c.extentPrefix) + "ObjectWidth") : c.fixedWidth;
        const int height = c.extentPrefix ? Int(std::string(c.extentPrefix) + "ObjectHeight") : c.fixedHeight;
        EXPECT_GE(box.Width(), kMinFill * width) << what << " is much narrower than its hit rectangle";
        EXPECT_LE(box.Width(), kMaxFill * width) << what << " is much wider than its hit rectangle";
        EXPECT_GE(box.Height(), kMinFill * height) << what << " is much lower than its hit rectangle";
        EXPECT_LE(box.Height(), kMaxFill * height) << what << " is much taller than its hit rectangle";
    }
}

TEST_F(SpriteCentringTest, IdleFrogIsCentredAndFillsItsExtent) {
    const int offsetX = Int("frogDefaultOffsetX") + Int("frogidleOffsetX");
    const int offsetY = Int("frogDefaultOffsetY") + Int("frogidleOffsetY");
    const Rect box = FrameBox("FROG_IDLE", 0, false);
    ExpectCentredAt(box, offsetX, offsetY, 0, 0, kCentreTolerance, "FROG_IDLE");
    EXPECT_GE(box.Width(), kMinFill * Int("frogObjectWidth"));
    EXPECT_LE(box.Width(), kMaxFill * Int("frogObjectWidth"));
    EXPECT_GE(box.Height(), kMinFill * Int("frogObjectHeight"));
    EXPECT_LE(box.Height(), kMaxFill * Int("frogObjectHeight"));
}

TEST_F(SpriteCentringTest, InsectsAreCentredOnTheirPosition) {
    const char* insects[] = {"INSECT_BIG_BUG_FLY_LEFT",    "INSECT_BUSINESS_BUG_FLY_LEFT", "INSECT_BUTTERFLY_FLY_LEFT",
                             "INSECT_NEWS_BUG_FLY_LEFT",   "INSECT_TAXI_BUG_FLY_LEFT",     "INSECT_TOOL_BUG_FLY_LEFT",
                             "INSECT_VOYAGER_BUG_FLY_LEFT"};
    for (const char* insect : insects) {
        for (bool mirrored : {false, true}) {
            ExpectCentredAt(FrameBox(insect, 0, mirrored), Int("InsectMoveOffsetGlobalX"),
                            Int("InsectMoveOffsetGlobalY"), 0, 0, kCentreTolerance, insect);
        }
    }
}

// The truck's star is drawn centred (its trimmed size halved, then its trim offset added), so it
// sits on its spot only when every frame's art starts at the frame's top-left corner, in the
// mirrored picture of left-running trucks as well.
TEST_F(SpriteCentringTest, TruckStarSitsOnItsSpotWhenDrawnCentred) {
    const int frames = FrameCount("startruck");
    for (int i = 0; i < frames; ++i) {
        for (bool mirrored : {false, true}) {
            const Rect box = FrameBox("STAR_TRUCK", i, mirrored);
            EXPECT_EQ(box.left, 0) << "frame " << i << (mirrored ? " mirrored" : "");
            EXPECT_EQ(box.top, 0) << "frame " << i << (mirrored ? " mirrored" : "");
        }
    }
}

// The frog's position changes only when a jump's animation ends, so the first frame must show it
// where it stands and the last where it lands.
struct JumpCase {
    const char* sprite;
    const char* statePrefix;
    double dx, dy;
};

const JumpCase kJumps[] = {
    {"FROG_MOVE_UP", "frogmoveup", 0, 75},
    {"FROG_MOVE_DOWN", "frogmovedown", 0, -75},
    {"FROG_MOVE_LEFT", "frogmoveleft", -40, 0},
    {"FROG_MOVE_RIGHT", "frogmoveright", 40, 0},
    {"FROG_MOVE_UP_TRUCK_UP", "frogmoveuptruckup", 0, 85},
    {"FROG_MOVE_UP_TRUCK_DOWN", "frogmoveuptruckdown", 0, 65},
    {"FROG_MOVE_DOWN_TRUCK_DOWN", "frogmovedowntruckdown", 0, -85},
    {"FROG_ROCKET_JUMP", "frogrocketjump", 0, 140},
    {"FROG_ROCKET_JUMP_BOARDING", "frogrocketjumpboarding", 0, 150},
};

TEST_F(SpriteCentringTest, JumpsStartOnTheFrogAndEndOnTheLandingSpot) {
    for (const JumpCase& jump : kJumps) {
        const int offsetX = Int("frogDefaultOffsetX") + Int(std::string(jump.statePrefix) + "OffsetX");
        const int offsetY = Int("frogDefaultOffsetY") + Int(std::string(jump.statePrefix) + "OffsetY");
        const Rect first = FrameBox(jump.sprite, 0, false);
        const Rect last = FrameBox(jump.sprite, -1, false);
        const double firstTravel = std::hypot(jump.dx, jump.dy) / FrameCount(MakeAssetKey(jump.sprite));
        ExpectCentredAt(first, offsetX, offsetY, 0, 0, kTravelTolerance + firstTravel,
                        std::string(jump.sprite) + " first frame");
        ExpectCentredAt(last, offsetX, offsetY, jump.dx, jump.dy, kTravelTolerance,
                        std::string(jump.sprite) + " last frame");
    }
}

}  // namespace
