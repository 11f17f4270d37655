#include "app/RememberedDisplay.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "TempFolder.h"
#include "settings/RememberedOptions.h"

namespace {

class RememberedDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        RememberedOptions& remembered = RememberedOptions::Instance();
        remembered.SetPath(folder_.File(RememberedOptions::kFileName));
        remembered.Get() = RememberedOptions::Values{};
    }
    void TearDown() override {
        RememberedOptions::Instance().SetPath("");
        RememberedOptions::Instance().Get() = RememberedOptions::Values{};
    }

    bool FileExists() const { return std::filesystem::exists(folder_.File(RememberedOptions::kFileName)); }

    // What the next start reads from the file.
    RememberedOptions::Values NextStart() const {
        std::ifstream in(folder_.File(RememberedOptions::kFileName));
        std::stringstream text;
        text << in.rdbuf();
        std::string problem;
        RememberedOptions::Values values = RememberedOptions::Parse(text.str(), problem);
        EXPECT_EQ(problem, "");
        return values;
    }

    // A headless window opened as the game opens it, following the remembered choices.
    std::unique_ptr<platform::Window> OpenWindow(const CommandLine& options) {
        platform::Window::Options windowOptions;
        RememberedDisplay::Apply(options, windowOptions);
        std::unique_ptr<platform::Window> window = platform::Window::CreateHeadless(windowOptions, nullptr);
        RememberedDisplay::Follow(*window);
        return window;
    }

    TempFolder folder_{"rj-display"};
};

SDL_Event KeyDown(SDL_Keycode key, Uint16 mod, bool repeat) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat ? 1 : 0;
    return event;
}

TEST_F(RememberedDisplayTest, EachFullScreenSwitchIsWrittenForTheNextStart) {
    struct Step {
        const char* what;
        SDL_Event event;
        bool fullScreenAfter;
    };
    const Step steps[] = {
        {"F11 leaves full screen", KeyDown(SDLK_F11, KMOD_NONE, false), false},
        {"a repeat of the held F11 switches nothing", KeyDown(SDLK_F11, KMOD_NONE, true), false},
        {"Alt+Enter goes back to full screen", KeyDown(SDLK_RETURN, KMOD_LALT, false), true},
        {"Enter alone is the game's key", KeyDown(SDLK_RETURN, KMOD_NONE, false), true},
        {"Alt with the keypad's Enter leaves full screen", KeyDown(SDLK_KP_ENTER, KMOD_RALT, false), false},
    };
    std::unique_ptr<platform::Window> window = OpenWindow(CommandLine{});
    ASSERT_TRUE(window->IsFullScreen()) << "full screen is the default";
    for (const Step& step : steps) {
        window->TranslateEvent(step.event);
        EXPECT_EQ(window->IsFullScreen(), step.fullScreenAfter) << step.what;
        ASSERT_TRUE(FileExists()) << step.what;
        EXPECT_EQ(NextStart().fullScreen, step.fullScreenAfter) << step.what;
    }
    window.reset();

    // The next start opens a window, as the player left it.
    RememberedOptions& remembered = RememberedOptions::Instance();
    remembered.Get() = RememberedOptions::Values{};
    ASSERT_TRUE(remembered.Load());
    EXPECT_FALSE(OpenWindow(CommandLine{})->IsFullScreen());
}

TEST_F(RememberedDisplayTest, AScaleModeGivenOnTheCommandLineIsRemembered) {
    struct Case {
        const char* what;
        bool rememberedBefore;
        std::optional<bool> given;
        bool expected;
        bool written;
    };
    const Case cases[] = {
        {"--integer-scale", false, true, true, true},
        {"--smooth-scale", true, false, false, true},
        {"no option keeps the remembered whole factors", true, std::nullopt, true, false},
        {"no option keeps the remembered filter", false, std::nullopt, false, false},
        {"--integer-scale when already remembered", true, true, true, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder_.File(RememberedOptions::kFileName));
        RememberedOptions::Instance().Get() = RememberedOptions::Values{};
        RememberedOptions::Instance().Get().integerScale = c.rememberedBefore;
        CommandLine options;
        options.integerScale = c.given;
        platform::Window::Options windowOptions;
        RememberedDisplay::Apply(options, windowOptions);
        EXPECT_EQ(windowOptions.integerScale, c.expected) << c.what;
        ASSERT_EQ(FileExists(), c.written) << c.what;
        if (c.written) {
            EXPECT_EQ(NextStart().integerScale, c.expected) << c.what;
        }
    }
}

TEST_F(RememberedDisplayTest, WindowedOrFullScreenOnTheCommandLineHoldsForThisStartOnly) {
    CommandLine options;
    options.displayModeGiven = true;
    options.windowed = true;
    platform::Window::Options windowOptions;
    RememberedDisplay::Apply(options, windowOptions);
    EXPECT_FALSE(windowOptions.fullScreen);
    EXPECT_TRUE(RememberedOptions::Instance().Get().fullScreen);
    EXPECT_FALSE(FileExists());
}

}  // namespace
