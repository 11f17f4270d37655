#include "platform/Gamepads.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int kDirections = 4;  // PadButton Up, Down, Left, Right come first

constexpr uint32_t Index(PadButton button) { return static_cast<uint32_t>(button); }

// Signed distance in wrapping milliseconds: not negative once `now` has reached `when`.
bool Reached(uint32_t now, uint32_t when) { return static_cast<int32_t>(now - when) >= 0; }

}  // namespace

Gamepads::Pad* Gamepads::Find(int id) {
    auto it = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    return it == pads_.end() ? nullptr : &*it;
}

Gamepads::Pad& Gamepads::FindOrAdd(int id) {
    if (Pad* pad = Find(id)) return *pad;
    pads_.push_back(Pad{});
    pads_.back().id = id;
    return pads_.back();
}

void Gamepads::Added(int id) { FindOrAdd(id); }

void Gamepads::Removed(int id) {
    if (!Find(id)) return;
    std::erase_if(pads_, [id](const Pad& p) { return p.id == id; });
    Post(WM_PADREMOVED, 0, id);
}

void Gamepads::Post(uint32_t message, uint32_t button, int id) {
    PostMessage(window_, message, button, static_cast<LPARAM>(id));
}

void Gamepads::Button(int id, PadButton button, bool down, uint32_t now) {
    Pad& pad = FindOrAdd(id);  // a pad whose arrival was missed still plays
    const uint32_t index = Index(button);
    if (index >= kPadButtonCount) return;
    const bool was = pad.pressed[index];
    pad.pressed[index] = down;
    if (index < kDirections) {
        Refresh(pad, now);
    } else if (down && !was) {
        Post(WM_PADBUTTON, index, id);
    }
}

void Gamepads::Stick(int id, int axis, int value, uint32_t now) {
    if (axis != 0 && axis != 1) return;
    Pad& pad = FindOrAdd(id);
    const uint32_t negative = axis == 0 ? Index(PadButton::Left) : Index(PadButton::Up);
    const uint32_t positive = axis == 0 ? Index(PadButton::Right) : Index(PadButton::Down);
    auto settle = [value](bool held, int sign) {
        const int along = value * sign;
        return held ? along > kReleaseZone : along > kDeadZone;
    };
    pad.stick[negative] = settle(pad.stick[negative], -1);
    pad.stick[positive] = settle(pad.stick[positive], 1);
    Refresh(pad, now);
}

void Gamepads::Refresh(Pad& pad, uint32_t now) {
    for (int d = 0; d < kDirections; ++d) {
        const bool held = pad.pressed[d] || pad.stick[d];
        if (held && !pad.held[d]) {
            Post(WM_PADBUTTON, static_cast<uint32_t>(d), pad.id);
            pad.nextRepeat[d] = now + kRepeatDelayMs;
        }
        pad.held[d] = held;
    }
}

void Gamepads::Update(uint32_t now) {
    for (Pad& pad : pads_) {
        for (int d = 0; d < kDirections; ++d) {
            if (!pad.held[d] || !Reached(now, pad.nextRepeat[d])) continue;
            Post(WM_PADBUTTON, static_cast<uint32_t>(d), pad.id);
            // One repeat per call even after a stall, as a keyboard does not catch up either.
            pad.nextRepeat[d] = now + kRepeatIntervalMs;
        }
    }
}

}  // namespace platform
