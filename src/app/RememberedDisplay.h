#pragma once

#include "app/CommandLine.h"
#include "platform/Window.h"

// The display choices that outlive the process: full screen or window (switched with F11 or
// Alt+Enter) and the scale mode (--integer-scale or --smooth-scale). Each is written to the
// remembered options as soon as it changes, so that the next start finds it even when this one
// does not end cleanly.
class RememberedDisplay final {
public:
    // The window's full screen and scale mode: the command line's when given, else the remembered
    // ones. A scale mode given on the command line is remembered from now on; --windowed and
    // --fullscreen hold for this start only.
    static void Apply(const CommandLine& options, platform::Window::Options& windowOptions);
    // Remembers each switch of `window` between full screen and window.
    static void Follow(platform::Window& window);
};
