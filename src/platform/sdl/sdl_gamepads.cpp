#include "platform/sdl/sdl_gamepads.h"

#include <algorithm>

#include "platform/sdl/gamepad_mapping.h"

namespace platform {
namespace {

SDL_JoystickID InstanceOf(SDL_GameController* pad) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

bool Held(SDL_GameController* pad, const PadStickKey& stick) {
    return SDL_GameControllerGetAxis(pad, stick.axis) * stick.sign > kStickDeadZone;
}

}  // namespace

SdlGamepads::SdlGamepads() : started_(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {}

SdlGamepads::~SdlGamepads() {
    pads_.clear();
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepads::HandleEvent(const SDL_Event& event) {
    if (!started_) return;
    if (event.type == SDL_CONTROLLERDEVICEADDED) Open(event.cdevice.which);
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) Close(event.cdevice.which);
}

// An added event names the device by its index, and a pad open from before
// (the subsystem announces those it finds at start) is not opened twice.
void SdlGamepads::Open(int deviceIndex) {
    SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (instance < 0) return;
    if (std::any_of(pads_.begin(), pads_.end(),
                    [instance](const auto& pad) { return InstanceOf(pad.get()) == instance; })) {
        return;
    }
    SdlGameControllerPtr pad(SDL_GameControllerOpen(deviceIndex));
    if (pad) pads_.push_back(std::move(pad));
}

void SdlGamepads::Close(SDL_JoystickID instance) {
    std::erase_if(pads_, [instance](const auto& pad) { return InstanceOf(pad.get()) == instance; });
}

void SdlGamepads::AddKeysDown(KeyState& keys) const {
    for (const SdlGameControllerPtr& pad : pads_) {
        for (const PadButtonKey& key : kPadButtonKeys) {
            if (SDL_GameControllerGetButton(pad.get(), key.button) != 0) keys[key.code] |= KEY_DOWN;
        }
        for (const PadStickKey& key : kPadStickKeys) {
            if (Held(pad.get(), key)) keys[key.code] |= KEY_DOWN;
        }
    }
}

}  // namespace platform
