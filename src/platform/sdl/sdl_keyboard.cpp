#include "platform/sdl/sdl_keyboard.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/core/input/keyboard.h"

namespace platform {
namespace {

struct KeyMapping {
    SDL_Scancode sdl;
    std::uint8_t code;
};

constexpr std::array<KeyMapping, 7> kNamedKeys = {{
    {SDL_SCANCODE_ESCAPE, scancode::Escape},
    {SDL_SCANCODE_SPACE, scancode::Space},
    {SDL_SCANCODE_RETURN, scancode::Return},
    {SDL_SCANCODE_UP, scancode::Up},
    {SDL_SCANCODE_DOWN, scancode::Down},
    {SDL_SCANCODE_LEFT, scancode::Left},
    {SDL_SCANCODE_RIGHT, scancode::Right},
}};

}  // namespace

SdlKeyTable::SdlKeyTable() {
    for (const KeyMapping& key : kNamedKeys) gameKeys_[key.sdl] = key.code;
    // SDL numbers the letters alphabetically and the digits 1 to 9, then 0.
    for (int i = 0; i < 26; ++i) {
        gameKeys_[SDL_SCANCODE_A + i] = *LetterScanCode(static_cast<char>('A' + i));
    }
    for (int i = 0; i < 10; ++i) {
        char digit = i == 9 ? '0' : static_cast<char>('1' + i);
        gameKeys_[SDL_SCANCODE_1 + i] = *DigitScanCode(digit);
    }
}

void SdlKeyTable::Bind(const std::vector<KeyBinding>& bindings) {
    for (const KeyBinding& binding : bindings) {
        std::replace(gameKeys_.begin(), gameKeys_.end(), binding.gameKey, std::uint8_t{0});
    }
    for (const KeyBinding& binding : bindings) {
        if (binding.realKey < gameKeys_.size()) gameKeys_[binding.realKey] = binding.gameKey;
    }
}

void SdlKeyTable::AddKeysDown(const Uint8* sdlState, int count, KeyState& keys) const {
    if (sdlState == nullptr) return;
    int known = std::min(count, static_cast<int>(gameKeys_.size()));
    for (int sdl = 0; sdl < known; ++sdl) {
        if (sdlState[sdl] != 0 && gameKeys_[sdl] != 0) keys[gameKeys_[sdl]] |= KEY_DOWN;
    }
}

}  // namespace platform
