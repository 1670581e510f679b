// The player's own keys: the control file's [KEYS] section binds each of
// the game's actions to one or more keys of the real keyboard by their
// usual names, separated by commas:
//
//     [KEYS]
//     FIRE=Left Ctrl, Keypad 0
//     LEFT=A
//
// An action left out keeps its own key. A name that is no key, an action
// that is not the game's, an action bound twice or to nothing, and a key
// bound to two actions (its own key counts for an action left out) stop the
// game at start, with the file and line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/profile_file.h"
#include "platform/api/input.h"

struct BindableAction {
    const char* name;      // in the control file
    const char* ownKey;    // the real key it has when left out
    std::uint8_t gameKey;  // the game's key it reads as
};

inline constexpr std::array<BindableAction, 9> kBindableActions = {{
    {"LEFT", "Left", platform::scancode::Left},
    {"RIGHT", "Right", platform::scancode::Right},
    {"UP", "Up", platform::scancode::Up},
    {"DOWN", "Down", platform::scancode::Down},
    {"FIRE", "Space", platform::scancode::Space},
    {"SHIELD", "S", platform::scancode::S},
    {"REVIVE", "R", platform::scancode::R},
    {"QUIT", "Escape", platform::scancode::Escape},
    {"PAUSE", "P", platform::scancode::P},
}};

struct KeyBindingsRead {
    std::vector<platform::KeyBinding> bindings;
    std::string problem;  // "FILE:LINE: what is wrong", or empty
};

// The bindings the lines make, or what is wrong with the first bad one.
KeyBindingsRead ReadKeyBindings(const std::vector<ProfileFile::Line>& lines,
                                const std::string& fileName);

// Binds the control file's keys on the platform; what is wrong with them,
// or empty.
std::string BindControlKeys();
