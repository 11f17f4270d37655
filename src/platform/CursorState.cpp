#include "platform/CursorState.h"

#include <SDL.h>

#include <atomic>

#include "platform/Window.h"

namespace platform {
namespace {
std::atomic<int> g_noteX{0};
std::atomic<int> g_noteY{0};
std::atomic<bool> g_noteDown{false};

int SignedWord(uint16_t word) { return static_cast<int16_t>(word); }
}  // namespace

GamePoint GetCursorPos() {
    if (Window* window = Window::Main(); window && window->HasVideo()) {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        return window->ToGame(x, y);
    }
    return {g_noteX, g_noteY};
}

bool IsLeftButtonDown() {
    if (Window* window = Window::Main(); window && window->HasVideo()) {
        return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
    }
    return g_noteDown;
}

void ShowCursor(bool show) {
    if (Window* window = Window::Main(); window && window->HasVideo()) {
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool IsPointerShown() {
    const Window* window = Window::Main();
    return !window || window->IsPointerShown();
}

void NoteMouseMessage(uint32_t message, LPARAM lParam) {
    g_noteX = SignedWord(LoWord(lParam));
    g_noteY = SignedWord(HiWord(lParam));
    if (message == WM_LBUTTONDOWN) g_noteDown = true;
    if (message == WM_LBUTTONUP) g_noteDown = false;
}

}  // namespace platform
