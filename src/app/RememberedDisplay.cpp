#include "app/RememberedDisplay.h"

#include "settings/RememberedOptions.h"

void RememberedDisplay::Apply(const CommandLine& options, platform::Window::Options& windowOptions) {
    RememberedOptions& remembered = RememberedOptions::Instance();
    windowOptions.fullScreen = options.displayModeGiven ? !options.windowed : remembered.Get().fullScreen;
    if (options.integerScale && remembered.Get().integerScale != *options.integerScale) {
        remembered.Get().integerScale = *options.integerScale;
        remembered.Save();
    }
    windowOptions.integerScale = remembered.Get().integerScale;
}

void RememberedDisplay::Follow(platform::Window& window) {
    window.SetFullScreenListener([](bool fullScreen) {
        RememberedOptions& remembered = RememberedOptions::Instance();
        remembered.Get().fullScreen = fullScreen;
        remembered.Save();
    });
}
