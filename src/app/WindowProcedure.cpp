#include "app/WindowProcedure.h"

#include "game/Game.h"
#include "platform/CursorState.h"
#include "platform/Gamepads.h"
#include "platform/Messages.h"
#include "platform/Window.h"

namespace {

bool g_hasFocus = false;

// The window's one command: close.
constexpr platform::WPARAM kCommandExit = 105;

}  // namespace

bool HasFocus() { return g_hasFocus; }
void SetFocusForTest(bool focus) { g_hasFocus = focus; }

platform::LRESULT WndProc(platform::Window* window, uint32_t message, platform::WPARAM wParam,
                          platform::LPARAM lParam) {
    Game& game = Game::Instance();
    switch (message) {
    case platform::WM_DESTROY: platform::PostQuitMessage(0); return 0;
    case platform::WM_SETFOCUS: g_hasFocus = true; return 0;
    case platform::WM_KILLFOCUS: g_hasFocus = false; return 0;
    case platform::WM_PAINT: return 0;  // every frame draws the whole screen
    case platform::WM_ERASEBKGND: return 1;
    case platform::WM_SETCURSOR:
        // The menus draw their own pointer.
        platform::ShowCursor(false);
        return 0;
    case platform::WM_KEYDOWN: game.OnKeyDown(static_cast<uint32_t>(wParam)); return 0;
    case platform::WM_CHAR: game.OnChar(static_cast<uint32_t>(wParam)); return 0;
    case platform::WM_COMMAND:
        if (wParam == kCommandExit) {
            if (window) window->Destroy();
            return 0;
        }
        return platform::DefWindowProc(window, message, wParam, lParam);
    case platform::WM_PADBUTTON: game.OnPadButton(static_cast<uint32_t>(wParam)); return 0;
    case platform::WM_PADREMOVED: game.OnPadRemoved(); return 0;
    case platform::WM_MOUSEMOVE: return 0;
    case platform::WM_LBUTTONDOWN: game.OnMouseDown(platform::LoWord(lParam), platform::HiWord(lParam)); return 0;
    case platform::WM_LBUTTONUP: game.OnMouseUp(platform::LoWord(lParam), platform::HiWord(lParam)); return 0;
    default: return platform::DefWindowProc(window, message, wParam, lParam);
    }
}
