#include "platform/sdl/sdl_keyboard.h"

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

void AddIfDown(const Uint8* sdlState, int count, SDL_Scancode sdl, std::uint8_t code,
               KeyState& keys) {
    if (sdl < count && sdlState[sdl] != 0) keys[code] |= KEY_DOWN;
}

}  // namespace

void AddSdlKeysDown(const Uint8* sdlState, int count, KeyState& keys) {
    if (sdlState == nullptr) return;
    for (const KeyMapping& key : kNamedKeys) AddIfDown(sdlState, count, key.sdl, key.code, keys);
    // SDL numbers the letters alphabetically and the digits 1 to 9, then 0.
    for (int i = 0; i < 26; ++i) {
        auto sdl = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
        AddIfDown(sdlState, count, sdl, *LetterScanCode(static_cast<char>('A' + i)), keys);
    }
    for (int i = 0; i < 10; ++i) {
        auto sdl = static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i);
        char digit = i == 9 ? '0' : static_cast<char>('1' + i);
        AddIfDown(sdlState, count, sdl, *DigitScanCode(digit), keys);
    }
}

}  // namespace platform
