#include "platform/Present.h"

#include <utility>

namespace platform {
namespace {
PresentHook& Hook() {
    static PresentHook hook;
    return hook;
}
}  // namespace

void SetPresentHook(PresentHook hook) { Hook() = std::move(hook); }

void PresentFrame(const FrameView& frame) {
    if (Hook()) Hook()(frame);
}

}  // namespace platform
