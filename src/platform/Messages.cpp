#include "platform/Messages.h"

#include <SDL.h>

#include <atomic>
#include <cstdio>

#include "platform/Headless.h"
#include "platform/MessageBoxParent.h"

namespace platform {
namespace {
std::atomic<bool> g_quitPosted{false};
std::atomic<int> g_quitExitCode{0};

// True when a box was shown and closed by the user.
bool ShowBox(Uint32 flags, const std::string& text, const std::string& caption) {
    if (IsHeadless()) return false;
    return SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), MessageBoxParent()) == 0;
}
}  // namespace

void PostQuitMessage(int exitCode) {
    // The first request wins: a later quit (the window closing after an error) must not turn a
    // failure exit code into success.
    bool expected = false;
    if (g_quitPosted.compare_exchange_strong(expected, true)) g_quitExitCode = exitCode;
}

bool IsQuitPosted() { return g_quitPosted; }
int GetQuitExitCode() { return g_quitExitCode; }

void ResetQuitState() {
    g_quitExitCode = 0;
    g_quitPosted = false;
}

void ShowErrorMessage(const std::string& text) {
    std::fprintf(stderr, "ERROR: %s\n", text.c_str());
    std::fflush(stderr);
    ShowBox(SDL_MESSAGEBOX_ERROR, text, "ERROR");
}

void MessageBox(const std::string& text, const std::string& caption) {
    if (!ShowBox(SDL_MESSAGEBOX_INFORMATION, text, caption)) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::fflush(stderr);
    }
}

}  // namespace platform
