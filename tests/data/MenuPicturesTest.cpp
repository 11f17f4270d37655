// The generated screens and button highlights against the menus: every screen fills the 800 x 600
// display, and every highlight is exactly as large as the button it is drawn over (at the
// button's top-left corner), so it covers the drawn button and nothing beside it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "game/MenuButtons.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"

namespace {

using ::testing::IsEmpty;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

class MenuPicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FileLoader::SetDataRoot(RJ_DATA_DIR);
        FileLoader::Instance().Reinitialize();
    }
};

TEST_F(MenuPicturesTest, ScreensFillTheDisplay) {
    std::vector<std::string> problems;
    for (const char* name : {"TITLE_MENU", "HELP", "CREDITS", "CREDITS_MASK", "HIGH_SCORE", "PRELOAD"}) {
        const std::unique_ptr<Image> picture = LoadImage(MakeAssetKey(name), false);
        if (!picture) {
            problems.push_back(std::string(name) + " has no picture");
        } else if (picture->GetWidth() != kScreenWidth || picture->GetHeight() != kScreenHeight) {
            problems.push_back(StringFormat("%s is %d x %d", name, picture->GetWidth(), picture->GetHeight()));
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

TEST_F(MenuPicturesTest, EveryHighlightIsAsLargeAsItsButton) {
    std::vector<std::string> problems;
    for (const MenuButton& button : MenuButtons()) {
        const std::unique_ptr<Image> picture = LoadImage(MakeAssetKey(button.highlight), false);
        const int width = button.right - button.left + 1, height = button.bottom - button.top + 1;
        if (!picture) {
            problems.push_back(std::string(button.highlight) + " has no picture");
        } else if (picture->GetWidth() != width || picture->GetHeight() != height) {
            problems.push_back(StringFormat("%s is %d x %d, its button %d x %d", button.highlight, picture->GetWidth(),
                                            picture->GetHeight(), width, height));
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

}  // namespace
