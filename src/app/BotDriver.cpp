#include "app/BotDriver.h"

#include "game/Game.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"

void BotDriver::AfterTick(Game& game, platform::Window& window) {
    for (const BotInput& input : bot_.Decide(game)) {
        const auto code = static_cast<platform::WPARAM>(input.code);
        if (input.kind == BotInput::Kind::Char) {
            platform::PostMessage(&window, platform::WM_CHAR, code, 1);
        } else {
            platform::PostMessage(&window, platform::WM_KEYDOWN, code, 1);
            platform::PostMessage(&window, platform::WM_KEYUP, code, 1);
        }
    }
}
