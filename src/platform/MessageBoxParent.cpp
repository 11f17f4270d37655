#include "platform/MessageBoxParent.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<SDL_Window*> g_parent{nullptr};
}  // namespace

SDL_Window* MessageBoxParent() { return g_parent; }
void SetMessageBoxParent(SDL_Window* window) { g_parent = window; }

}  // namespace platform
