#pragma once

#include <istream>
#include <string>
#include <vector>

// The headless runner's scripted input: one event per line, "<tick> <event> <args>".
//   key <vk>       a key press (virtual-key code)
//   char <code>    a typed character (Latin-1 code)
//   down <x> <y>   left button pressed at a game pixel
//   up <x> <y>     left button released
//   focus <0|1>    the window loses or gains the focus
//   quit           the window is closed
//   lose           every display surface is lost, as when another program takes the screen
//   pad <id> added|removed            a gamepad is plugged in or pulled out
//   pad <id> down|up <button>         a pad button goes down or up: up, down, left, right (the
//                                     d-pad), a, b, start, back
//   pad <id> stick <x> <y>            the pad's left stick (-32768 … 32767 each, negative: left, up)
// Blank lines are ignored; '#' starts a comment. Ticks count from 1; the events of tick 0 arrive
// while the game is still loading.
struct InputEvent {
    enum class Kind { Key, Char, Down, Up, Focus, Quit, LoseSurfaces, PadAdded, PadRemoved, PadDown, PadUp, PadStick };
    int tick = 0;
    Kind kind = Kind::Key;
    int a = 0;  // key, character, x, focus; a pad's id
    int b = 0;  // y; a pad's button (platform::PadButton) or stick x
    int c = 0;  // a pad's stick y
};

// False with `error` naming the line ("input.txt:3: …") at the first malformed line.
bool ParseInputScript(std::istream& in, const std::string& name, std::vector<InputEvent>& events, std::string& error);
