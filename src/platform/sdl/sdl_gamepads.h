// The game controllers plugged in, whenever they come and go, read as the
// keys they stand for (gamepad_mapping.h) on top of the keyboard's.
#pragma once

#include <SDL2/SDL.h>

#include <cstddef>
#include <vector>

#include "platform/api/input.h"
#include "platform/core/display/sdl_handles.h"

namespace platform {

class SdlGamepads {
public:
    // Starts SDL's game-controller subsystem; the pads already plugged in
    // then arrive as events, like any pad plugged in later. Where it cannot
    // start, the game is played from the keyboard alone.
    SdlGamepads();
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Opens a pad that was plugged in and closes one that was pulled out;
    // other events are not its business.
    void HandleEvent(const SDL_Event& event);
    // Sets KEY_DOWN for every key a pad holds; keys already down stay down.
    void AddKeysDown(KeyState& keys) const;

    std::size_t Count() const { return pads_.size(); }

private:
    void Open(int deviceIndex);
    void Close(SDL_JoystickID instance);

    bool started_;
    std::vector<SdlGameControllerPtr> pads_;
};

}  // namespace platform
