#pragma once

struct SDL_Window;

// The window message boxes belong to (null when no window is open); the window sets it.
namespace platform {

SDL_Window* MessageBoxParent();
void SetMessageBoxParent(SDL_Window* window);

}  // namespace platform
