// SDL's keyboard state in the scan codes the game reads, through the
// player's own keys where the control file binds them.
#pragma once

#include <SDL2/SDL.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/api/input.h"

namespace platform {

class SdlKeyTable {
public:
    // Every key the game has a code for reads as itself.
    SdlKeyTable();
    // A game key with bindings reads from them alone (api/input.h).
    void Bind(const std::vector<KeyBinding>& bindings);
    // Sets KEY_DOWN in keys for every key down in SDL's state (count
    // entries, indexed by SDL_Scancode) that reads as a game key.
    void AddKeysDown(const Uint8* sdlState, int count, KeyState& keys) const;

private:
    std::array<std::uint8_t, SDL_NUM_SCANCODES> gameKeys_{};  // 0: reads as nothing
};

}  // namespace platform
