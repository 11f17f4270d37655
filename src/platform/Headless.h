#pragma once

// Headless mode: no SDL video and no window; the headless runner injects the input messages and
// captures the frames itself. Everything that would show something to the user checks this.
namespace platform {

void SetHeadless(bool headless);
bool IsHeadless();

}  // namespace platform
