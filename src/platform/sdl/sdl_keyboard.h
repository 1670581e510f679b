// SDL's keyboard state in the scan codes the game reads.
#pragma once

#include <SDL2/SDL.h>

#include "platform/api/input.h"

namespace platform {

// Sets KEY_DOWN in keys for every mapped key that is down in SDL's state
// (count entries, indexed by SDL_Scancode). Keys the game has no code for
// are left out.
void AddSdlKeysDown(const Uint8* sdlState, int count, KeyState& keys);

}  // namespace platform
