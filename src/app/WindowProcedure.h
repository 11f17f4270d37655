#pragma once

#include <cstdint>

#include "platform/MessageQueue.h"

// The main window's procedure: keys, characters and mouse buttons go to the game, focus is
// recorded for the frame tick, and destroying the window ends the program.
platform::LRESULT WndProc(platform::Window* window, uint32_t message, platform::WPARAM wParam, platform::LPARAM lParam);

// True between WM_SETFOCUS and WM_KILLFOCUS.
bool HasFocus();
void SetFocusForTest(bool focus);
