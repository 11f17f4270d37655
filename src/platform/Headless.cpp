#include "platform/Headless.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<bool> g_headless{false};
}  // namespace

void SetHeadless(bool headless) { g_headless = headless; }
bool IsHeadless() { return g_headless; }

}  // namespace platform
