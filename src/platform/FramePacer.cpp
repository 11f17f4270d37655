#include "platform/FramePacer.h"

namespace platform {

void FramePacer::Restart(uint64_t now) {
    last_ = now;
    deadline_ = now + periodUs_;
    started_ = true;
}

std::optional<uint64_t> FramePacer::Take(uint64_t now) {
    if (!started_) Restart(now);
    if (now < deadline_) return std::nullopt;
    const uint64_t elapsed = now - last_;
    last_ = now;
    const uint64_t late = now - deadline_;
    deadline_ = late < periodUs_ ? deadline_ + periodUs_ : now + periodUs_;
    return elapsed;
}

uint64_t FramePacer::Remaining(uint64_t now) const {
    if (!started_ || now >= deadline_) return 0;
    return deadline_ - now;
}

}  // namespace platform
