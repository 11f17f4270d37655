#pragma once

#include <string>

// Quitting and message boxes.
//
// PostQuitMessage records the wish to end the program with an exit code; the message queue
// (MessageQueue.h) hands it out as WM_QUIT once the messages posted before it are gone.
namespace platform {

void PostQuitMessage(int exitCode);
bool IsQuitPosted();
int GetQuitExitCode();  // 0 while no quit was posted
// Forgets a posted quit (a new run in the same process, or a test).
void ResetQuitState();

// Modal message box with the caption "ERROR". Without a display (headless runs, no X or Wayland
// session) the box cannot appear; the text always goes to standard error as well, so that it is
// never lost.
void ShowErrorMessage(const std::string& text);

// Modal information box; without a display the caption and text go to standard error.
void MessageBox(const std::string& text, const std::string& caption);

}  // namespace platform
