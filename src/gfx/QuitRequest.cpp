#include "gfx/QuitRequest.h"

#include <cstdio>

#include "platform/Messages.h"

namespace {
constexpr int kFatalExitCode = -1;
}

void RequestQuit(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    platform::PostQuitMessage(kFatalExitCode);
}
