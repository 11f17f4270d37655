#include "core/Trace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<bool>& Enabled() {
    static std::atomic<bool> enabled{std::getenv("RJ_TRACE") != nullptr};
    return enabled;
}
}  // namespace

void SetTraceEnabled(bool enabled) { Enabled() = enabled; }
bool IsTraceEnabled() { return Enabled(); }

void Trace(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (Enabled()) std::fputs(text, stderr);
}
