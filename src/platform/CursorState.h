#pragma once

#include <cstdint>

#include "platform/MessageQueue.h"
#include "platform/Viewport.h"

// The mouse as the menus ask for it: the pointer's position in game pixels, the left button, and
// whether the system pointer shows (the game draws its own). With a window these are the live
// SDL state; in a headless run they follow the mouse messages the runner posts.
namespace platform {

GamePoint GetCursorPos();
bool IsLeftButtonDown();
void ShowCursor(bool show);
// False in full screen once the pointer has rested a few seconds: the menus then draw none.
bool IsPointerShown();

// Records a mouse message's position and button (the queue calls it for every posted one).
void NoteMouseMessage(uint32_t message, LPARAM lParam);

}  // namespace platform
