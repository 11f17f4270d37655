#pragma once

union SDL_Event;

namespace platform {

class Window;

// The SDL side of the gamepads: opens the game-controller subsystem and every pad already plugged
// in, and routes SDL's controller events (plugging in and out included) into one Gamepads for the
// window. Until OpenGamepads the other calls do nothing.
void OpenGamepads(Window* window);
void CloseGamepads();
void TranslatePadEvent(const SDL_Event& event);
// Repeats of held directions; called whenever the window polls its events.
void UpdateGamepads();

}  // namespace platform
