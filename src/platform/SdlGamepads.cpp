#include "platform/SdlGamepads.h"

#include <SDL.h>

#include <map>
#include <memory>

#include "platform/Clock.h"
#include "platform/Gamepads.h"

namespace platform {
namespace {

struct PadButtonOf {
    SDL_GameControllerButton sdl;
    PadButton button;
};
constexpr PadButtonOf kButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
    {SDL_CONTROLLER_BUTTON_A, PadButton::A},
    {SDL_CONTROLLER_BUTTON_B, PadButton::B},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
};

struct State {
    std::unique_ptr<Gamepads> pads;
    std::map<SDL_JoystickID, SDL_GameController*> open;  // by instance id, which the events carry
    bool subsystem = false;
};
State& Get() {
    static State state;
    return state;
}

void Open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    State& state = Get();
    if (state.open.count(id)) {
        SDL_GameControllerClose(controller);  // opened twice: the reference is given back
        return;
    }
    state.open[id] = controller;
    state.pads->Added(id);
}

}  // namespace

void OpenGamepads(Window* window) {
    State& state = Get();
    if (state.pads) return;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;  // no pads; the keyboard still plays
    state.subsystem = true;
    state.pads = std::make_unique<Gamepads>(window);
    // Pads already plugged in also announce themselves with a device-added event; opening
    // them here as well is harmless, as Open ignores one that is open.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
}

void CloseGamepads() {
    State& state = Get();
    for (auto& [id, controller] : state.open) SDL_GameControllerClose(controller);
    state.open.clear();
    state.pads.reset();
    if (state.subsystem) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    state.subsystem = false;
}

void TranslatePadEvent(const SDL_Event& event) {
    State& state = Get();
    if (!state.pads) return;
    const uint32_t now = TimeGetTime();
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: Open(event.cdevice.which); break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (auto it = state.open.find(event.cdevice.which); it != state.open.end()) {
            SDL_GameControllerClose(it->second);
            state.open.erase(it);
            state.pads->Removed(event.cdevice.which);
        }
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        for (const PadButtonOf& b : kButtons) {
            if (b.sdl == event.cbutton.button) {
                state.pads->Button(event.cbutton.which, b.button, event.type == SDL_CONTROLLERBUTTONDOWN, now);
            }
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            state.pads->Stick(event.caxis.which, 0, event.caxis.value, now);
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            state.pads->Stick(event.caxis.which, 1, event.caxis.value, now);
        break;
    default: break;
    }
}

void UpdateGamepads() {
    if (Gamepads* pads = Get().pads.get()) pads->Update(TimeGetTime());
}

}  // namespace platform
