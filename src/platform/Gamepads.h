#pragma once

#include <cstdint>
#include <vector>

#include "platform/MessageQueue.h"

namespace platform {

class Window;

// Messages of the gamepads, numbered after the system's own (from WM_USER on).
constexpr uint32_t WM_PADBUTTON = 0x0400;   // wParam: PadButton; lParam: the pad's id
constexpr uint32_t WM_PADREMOVED = 0x0401;  // lParam: the pad's id

enum class PadButton : uint32_t { Up, Down, Left, Right, A, B, Start, Back };
constexpr int kPadButtonCount = 8;

// Every connected game controller, turned into WM_PADBUTTON messages for its window. The d-pad
// and the left stick (outside a dead zone) are four directions; a direction or button sends one
// message when it goes down, and a held direction repeats like a held key. Pulling a pad out
// sends WM_PADREMOVED. The events come from SDL or, in a headless run, from the input script.
class Gamepads final {
public:
    // Stick values run from -32768 to 32767; a direction holds beyond kDeadZone and lets go
    // below kReleaseZone, so a stick resting near the edge does not flicker.
    static constexpr int kDeadZone = 16000;
    static constexpr int kReleaseZone = 10000;
    static constexpr uint32_t kRepeatDelayMs = 400;
    static constexpr uint32_t kRepeatIntervalMs = 150;

    explicit Gamepads(Window* window) : window_(window) {}

    void Added(int id);
    void Removed(int id);
    void Button(int id, PadButton button, bool down, uint32_t now);
    // The left stick: axis 0 is across (negative left), axis 1 up and down (negative up).
    void Stick(int id, int axis, int value, uint32_t now);
    // Repeats of the held directions that are due.
    void Update(uint32_t now);

    int Count() const { return static_cast<int>(pads_.size()); }

private:
    struct Pad {
        int id = 0;
        bool pressed[kPadButtonCount] = {};  // d-pad and buttons
        bool stick[4] = {};                  // Up, Down, Left, Right from the stick
        bool held[4] = {};                   // direction held by either
        uint32_t nextRepeat[4] = {};
    };
    Pad* Find(int id);
    Pad& FindOrAdd(int id);
    void Refresh(Pad& pad, uint32_t now);  // new direction states: send and schedule repeats
    void Post(uint32_t message, uint32_t button, int id);

    Window* window_;
    std::vector<Pad> pads_;
};

}  // namespace platform
