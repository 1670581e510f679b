// Which keys a game controller holds: the D-pad and the left stick are the
// arrows, and the face buttons the game's keys, so that a pad plays exactly
// as the keyboard does (the game's key priority included).
#pragma once

#include <SDL2/SDL.h>

#include <array>
#include <cstdint>

#include "platform/api/input.h"

namespace platform {

struct PadButtonKey {
    SDL_GameControllerButton button;
    std::uint8_t code;
};

inline constexpr std::array<PadButtonKey, 9> kPadButtonKeys = {{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, scancode::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, scancode::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, scancode::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, scancode::Right},
    {SDL_CONTROLLER_BUTTON_A, scancode::Space},  // fire
    {SDL_CONTROLLER_BUTTON_B, scancode::S},      // shield
    {SDL_CONTROLLER_BUTTON_Y, scancode::R},      // bring a wreck back
    {SDL_CONTROLLER_BUTTON_BACK, scancode::Escape},
    {SDL_CONTROLLER_BUTTON_START, scancode::P},  // pause and go on
}};

// A stick direction: the axis pushed past the dead zone, on the side of its
// sign (SDL's y axis grows downwards).
struct PadStickKey {
    SDL_GameControllerAxis axis;
    int sign;
    std::uint8_t code;
};

inline constexpr std::array<PadStickKey, 4> kPadStickKeys = {{
    {SDL_CONTROLLER_AXIS_LEFTX, -1, scancode::Left},
    {SDL_CONTROLLER_AXIS_LEFTX, +1, scancode::Right},
    {SDL_CONTROLLER_AXIS_LEFTY, -1, scancode::Up},
    {SDL_CONTROLLER_AXIS_LEFTY, +1, scancode::Down},
}};

// A third of full travel: a stick at rest, or worn, drifts well inside it,
// and a thumb that means to move goes well beyond it.
inline constexpr int kStickDeadZone = SDL_JOYSTICK_AXIS_MAX / 3;

}  // namespace platform
